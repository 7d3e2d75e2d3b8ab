#include "platform/headless/control_store.h"

#include "platform/headless/json_object.h"

namespace ov::headless {

void describeControl(JsonObject& out, const Describable& control) {
  out.add("enabled", control.shownEnabled());
  out.add("visible", control.shownVisible());
  control.describe(out);
  control.describePlace(out);
}

void ControlRegistry::add(const std::string& name, Describable& control) {
  if (name.empty() || byName_.count(name)) return;
  ordered_.emplace_back(name, &control);
  byName_[name] = &control;
}

Describable* ControlRegistry::find(const std::string& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

std::string ControlRegistry::dump() const {
  JsonObject all;
  for (const auto& [name, control] : ordered_) {
    JsonObject one;
    one.add("kind", control->kind());
    describeControl(one, *control);
    all.addRaw(name, one.text());
  }
  return all.text();
}

}  // namespace ov::headless
