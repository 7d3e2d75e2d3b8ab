#pragma once
// The main window: a top-level window with a main menu. Closing runs the
// close query; when it agrees the window goes and the message loop ends.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class Menu;

class Form : public NativeControl<headless::Form> {
 public:
  explicit Form(const ui::ControlArgs& args);
  ~Form() override;
  void setCaption(const std::string& caption) override;
  void setVisible(bool visible) override;
  void setBounds(ui::Rect bounds) override;
  void setWindowState(ui::WindowState state) override;
  void setMainMenu(ui::Menu& menu) override;
  ui::Rect clientRect() const override;
  void close() override;
  void closeBox() override;
  bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  // The main menu's shortcuts; true when the message was one.
  bool translateAccelerator(MSG& msg);

 private:
  void centre();
  void takeWindowRect();

  Menu* mainMenu_ = nullptr;
  HACCEL accelerators_ = nullptr;
  size_t acceleratorCount_ = 0;
  bool everShown_ = false;
};

}  // namespace ov::win32
