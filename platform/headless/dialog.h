#pragma once
// The in-memory run-time dialog: it owns the controls created on it, and
// its modal show hands control to whoever plays the user meanwhile.
#include <functional>
#include <string>

#include "platform/headless/control_store.h"
#include "platform/headless/controls.h"

namespace ov::headless {

// Runs the program (timers, the user's actions) until done() holds.
using ModalLoop = std::function<void(const std::function<bool()>& done)>;

class Dialog : public ControlState<ui::Dialog> {
 public:
  // loop: the window system's, read at each show; while it is empty a modal
  // show returns at once.
  // Centred over the owner's bounds.
  Dialog(const ui::DialogArgs& args, const ModalLoop& loop,
         ui::Rect owner = {});
  const char* kind() const override { return "dialog"; }
  // caption, and controls: one object per control in creation order with
  // its role and name.
  void describe(JsonObject& out) const override;
  const std::string& caption() const override { return caption_; }
  bool resizable() const { return resizable_; }
  void showModal() override;
  void end() override { shown_ = false; }
  bool shown() const override { return shown_; }
  void setOpacity(int alpha) override { opacity_ = alpha; }
  // The close box: the dialog closes without a result.
  virtual void closeBox() { end(); }

  ControlStore& store() { return store_; }

 protected:
  // Runs until end(): the window system's loop; a native dialog runs its
  // own message loop instead.
  virtual void runModal();

 public:
  // The control with that role, or null.
  Describable* withRole(const std::string& role) const;
  // The button or label with that caption or component name, or null.
  template <typename T>
  T* captioned(const std::string& captionOrName) const {
    for (const auto& control : store_.controls()) {
      auto* found = dynamic_cast<T*>(control.get());
      if (found &&
          (found->caption() == captionOrName || found->name() == captionOrName))
        return found;
    }
    return nullptr;
  }

 private:
  std::string caption_;
  bool resizable_;
  const ModalLoop& loop_;
  bool shown_ = false;
  int opacity_ = 255;
  ControlStore store_;
};

}  // namespace ov::headless
