// The main menu and its items: the main menu the form's Menu names becomes
// the main window's menu bar (MenuBar); other main menus and their items
// make nothing.
#include <memory>

#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/writers.h"

namespace vornic {

namespace {

// The bar is built with all its items at the menu's turn and written once
// the menu ends, where the items' lines end too.
class MainMenuWriter final : public ControlWriter {
 public:
  void Open(FormWriter& writer, Control& control) override {
    if (writer.form().Target("Menu") != &control.object) return;
    writer.menu_bar().Open(writer, control.object, writer.TakeName(control));
    opened_ = true;
  }

  void Close(FormWriter& writer, Control& /*control*/) override {
    if (opened_) writer.menu_bar().Close(writer);
  }

 private:
  bool opened_ = false;  // this menu makes the bar
};

// An item is written by the menu that holds it, as part of that menu.
class MenuItemWriter final : public ControlWriter {};

}  // namespace

std::unique_ptr<ControlWriter> NewMainMenuWriter() { return std::make_unique<MainMenuWriter>(); }

std::unique_ptr<ControlWriter> NewMenuItemWriter() { return std::make_unique<MenuItemWriter>(); }

}  // namespace vornic
