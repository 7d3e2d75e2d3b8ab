#pragma once
// Owns controls in creation order and names them: the window system keeps
// the form's, each run-time dialog its own.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/controls.h"

namespace ov::headless {

// Every named control and menu item of a form, in creation order.
class ControlRegistry {
 public:
  void add(const std::string& name, Describable& control);
  Describable* find(const std::string& name) const;
  template <typename T>
  T* find(const std::string& name) const {
    return dynamic_cast<T*>(find(name));
  }
  // The dump: {"Form1": {"kind": "form", ...}, ...}
  std::string dump() const;
  // Every named control and menu item, in creation order.
  const std::vector<std::pair<std::string, Describable*>>& all() const {
    return ordered_;
  }

 private:
  std::vector<std::pair<std::string, Describable*>> ordered_;
  std::map<std::string, Describable*> byName_;
};

class ControlStore {
 public:
  // Keeps the control and registers it under its component name.
  template <typename T, typename... Args>
  T& make(const std::string& name, Args&&... args) {
    return keep(name, std::make_unique<T>(std::forward<Args>(args)...));
  }
  template <typename T>
  T& keep(const std::string& name, std::unique_ptr<T> control) {
    T& ref = *control;
    controls_.push_back(std::move(control));
    registry_.add(name, ref);
    return ref;
  }
  ControlRegistry& registry() { return registry_; }
  const ControlRegistry& registry() const { return registry_; }
  // Named or not, in creation order.
  const std::vector<std::unique_ptr<Describable>>& controls() const {
    return controls_;
  }

 private:
  ControlRegistry registry_;
  std::vector<std::unique_ptr<Describable>> controls_;
};

class JsonObject;
// Adds what every dump entry of a control holds after its kind: enabled,
// visible, what a user sees, and where it stands.
void describeControl(JsonObject& out, const Describable& control);

}  // namespace ov::headless
