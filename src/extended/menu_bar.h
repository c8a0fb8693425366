// MenuBar: the menus the extended translation builds from the menu objects
// of the form tree. One function builds a menu and the submenus of its items
// from a menu object; the form's main menu becomes the main window's bar.
#pragma once

#include <set>
#include <string>

namespace vornic {

class FormWriter;
struct BuiltImageList;
struct FormObject;
struct MenuItemValues;

/// The program text of one menu with the submenus its items open.
struct MenuText {
  std::string declarations;  // the handles, for "var"
  std::string creation;      // the calls that build the menus, in the form's order
  std::string commands;      // the click handlers, for WM_COMMAND
};

/// How the handle of a menu is made: a window's bar or a popup menu.
struct MenuKind {
  const char* banner;  // the comment above the menu's creation
  const char* create;  // the call that makes the handle, e.g. "CreateMenu"
  bool popup = false;  // a popup menu: its commands take ids of their own range
};

/// The menu kind of a window's bar.
inline constexpr MenuKind kBarMenu{"Create the menu bar", "CreateMenu"};

/// The menus of one run. Owned by the FormWriter, so that the ids of menu
/// commands differ across all the menus of the program.
class MenuBar {
 public:
  /// Builds the menu `variable` of `kind` from the items `menu` holds: an
  /// item holding items opens a submenu, a hidden item hides what it holds.
  /// Items are appended in the form's order, each before what it holds; an
  /// item that shows and has items or clicks takes its name then. Items show
  /// their image of the menu's Images, which the program draws.
  MenuText Build(FormWriter& writer, const FormObject& menu, const std::string& variable,
                 const MenuKind& kind);
  /// Makes the main menu `menu`, whose handle is `variable`, the main
  /// window's bar.
  void Open(FormWriter& writer, const FormObject& menu, const std::string& variable);
  /// Writes the bar into the program and attaches it to the main window.
  /// Does nothing unless the bar is open.
  void Close(FormWriter& writer);

 private:
  /// Appends the items `holder` holds that show to `menu`, and what each holds.
  void AppendItems(FormWriter& writer, const FormObject& holder, const std::string& menu,
                   MenuText& text);
  /// Appends the item `object` at `position` of `menu`, and what it holds.
  void AppendItem(FormWriter& writer, const FormObject& object, const std::string& menu,
                  int position, MenuText& text);
  /// Appends a command item, with its click handler showing `click`, taking the next id.
  void AppendCommand(const MenuItemValues& item, const std::string& click, const std::string& menu,
                     MenuText& text);
  /// Gives the item at `position` of `menu` its image `index` of images_,
  /// which the program draws for it.
  void AppendImage(const std::string& menu, int position, int index, MenuText& text);
  /// Writes what measures and draws the images of the menus built last.
  void WriteImageDrawing(FormWriter& writer);

  // Command items so far, of the bar and of the popup menus: ids follow one
  // another in each range, so that the bar's ids do not depend on popups.
  int next_id_ = 0;
  int next_popup_id_ = 0;
  bool popup_ = false;  // a popup menu is being built
  std::string bar_;     // the bar's handle; empty until it is open
  MenuText bar_text_;   // the bar's text, written by Close
  // While a menu is built: the image list its items show images of, and the
  // menus (the menu and its submenus) with an item that shows one.
  const BuiltImageList* images_ = nullptr;
  std::set<std::string> imaged_menus_;
  std::set<std::string> measured_;  // the image sizes the measuring lines answer for
};

}  // namespace vornic
