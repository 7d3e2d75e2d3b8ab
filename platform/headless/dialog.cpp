#include "platform/headless/dialog.h"

#include "platform/headless/json_object.h"

namespace ov::headless {

Dialog::Dialog(const ui::DialogArgs& args, const ModalLoop& loop,
               ui::Rect owner)
    : ControlState({"",
                    {owner.left + (owner.width - args.width) / 2,
                     owner.top + (owner.height - args.height) / 2, args.width,
                     args.height},
                    args.caption,
                    ""}),
      caption_(args.caption),
      resizable_(args.resizable),
      loop_(loop) {}

void Dialog::describe(JsonObject& out) const {
  out.add("caption", caption_);
  out.add("opacity", opacity_);
  std::string list;
  for (const auto& control : store_.controls()) {
    JsonObject one;
    one.add("kind", control->kind());
    if (control->role().empty())
      one.addNull("role");
    else
      one.add("role", control->role());
    one.add("name", control->componentName());
    describeControl(one, *control);
    if (!list.empty()) list += ", ";
    list += one.text();
  }
  out.addRaw("controls", "[" + list + "]");
}

void Dialog::showModal() {
  shown_ = true;
  runModal();
  shown_ = false;
}

void Dialog::runModal() {
  if (loop_) loop_([this] { return !shown_; });
}

Describable* Dialog::withRole(const std::string& role) const {
  for (const auto& control : store_.controls())
    if (control->role() == role) return control.get();
  return nullptr;
}

}  // namespace ov::headless
