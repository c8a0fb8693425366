// The main menu and its items, which only the extended translation writes:
// the form's main menu (the one its Menu names) becomes the window's menu
// bar. Other main menus, popup menus and their items produce nothing.
#include <memory>
#include <string>

#include "builder/control_generator.h"
#include "controls/menu_bar.h"
#include "lib/text.h"

namespace vornic {

namespace {

std::string ObjectNameOf(const LineWords& line) { return RemoveChar(line.ObjectName, ":"); }

class MainMenuGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    const std::string& form_menu = context.form_menu();
    if (form_menu.empty() || UpperText(ObjectNameOf(line)) != UpperText(form_menu)) return;
    if (!context.menu_bar().can_open()) return;
    context.menu_bar().Open(context.TakeName(line), line.Level);
    opened_ = true;
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& /*line*/) override {}

  void OnEnd(GeneratorContext context, const LineWords& /*line*/) override {
    if (opened_) context.menu_bar().Close(context);
  }

 private:
  bool opened_ = false;  // this object's items make the menu bar
};

// An item is appended once its own properties are read: at its first item
// when it holds any (it becomes a submenu), else at its end line.
class MenuItemGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext /*context*/, const LineWords& line) override {
    object_line_ = line;
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& line) override {
    const std::string& name = line.Word1;
    const std::string& value = line.Word3;
    if (name == "Caption") {
      item_.Caption = value;
    } else if (name == "ShortCut") {
      item_.ShortCut = value;
    } else if (name == "Break") {
      item_.Break = value;
    } else if (name == "Checked") {
      item_.Checked = value == "True";
    } else if (name == "Enabled") {
      item_.Enabled = value != "False";
    } else if (name == "Visible") {
      item_.Visible = value != "False";
    } else if (name == "Default") {
      item_.Default = value == "True";
    } else if (name == "RadioItem") {
      item_.RadioItem = value == "True";
    } else if (name == "OnClick") {
      item_.Clicks = true;
    }
  }

  void OnChildObject(GeneratorContext context, const LineWords& /*line*/) override {
    Append(context, true);
  }

  void OnEnd(GeneratorContext context, const LineWords& /*line*/) override {
    Append(context, false);
  }

 private:
  void Append(GeneratorContext context, bool has_items) {
    if (appended_) return;
    appended_ = true;
    MenuBar& bar = context.menu_bar();
    const int level = object_line_.Level;
    // Only an item that shows takes a name, so hidden menus rename nothing.
    if (item_.Visible && bar.Shows(level) && (has_items || item_.Clicks)) {
      item_.Name = context.TakeName(object_line_);
    }
    bar.Append(item_, level, has_items);
  }

  LineWords object_line_;
  MenuItemRecord item_;
  bool appended_ = false;
};

}  // namespace

std::unique_ptr<ControlGenerator> NewMainMenu() { return std::make_unique<MainMenuGenerator>(); }

std::unique_ptr<ControlGenerator> NewMenuItem() { return std::make_unique<MenuItemGenerator>(); }

}  // namespace vornic
