// MenuBar: the form's main menu, gathered item by item as its objects are
// read, and the program text that makes it the main window's menu bar.
#pragma once

#include <string>
#include <vector>

#include "builder/generator_context.h"

namespace vornic {

/// One menu item as the form describes it; a plain record that the item's
/// generator fills.
struct MenuItemRecord {
  std::string Name;      // the item's variable; REQUIRED when it has items or clicks
  std::string Caption;   // a string literal; empty when the form stores none
  std::string ShortCut;  // an integer, 0 or empty for none
  std::string Break;     // mbNone, mbBreak or mbBarBreak
  bool Checked = false;
  bool Enabled = true;
  bool Visible = true;
  bool Default = false;
  bool RadioItem = false;
  bool Clicks = false;  // it has an OnClick: a click shows a message box naming it
};

/// Builds the text of one menu bar. Items come in the order of the form,
/// each one before the items it holds, and each names its nesting level:
/// the bar's own level plus one for its entries, plus two for theirs, ...
class MenuBar {
 public:
  /// True until the bar has been opened: a window has one menu bar.
  bool can_open() const { return !opened_; }
  /// Starts the bar of the main menu open at `level`, whose handle is
  /// `variable`. REQUIRES: can_open().
  void Open(const std::string& variable, int level);
  /// True when an item at `level` would show: the bar is open, and the
  /// item's menu is shown. A hidden item hides what it holds.
  bool Shows(int level) const;
  /// Adds the item at `level`; `has_items` makes it a submenu whose items
  /// follow. An item that does not show is only remembered, so that its
  /// items do not show either.
  void Append(const MenuItemRecord& item, int level, bool has_items);
  /// Writes the bar into the program and attaches it to the main window.
  /// Does nothing unless the bar is open.
  void Close(GeneratorContext context);

 private:
  struct OpenMenu {
    int level;             // of the object whose items it holds
    std::string variable;  // its handle; empty for a menu that does not show
    int count = 0;         // items appended so far: the next item's position
  };

  /// The menu that holds an item at `level`, nullptr when none is open one
  /// level up; menus of deeper levels have ended and are passed over.
  const OpenMenu* HolderOf(int level) const;
  /// Writes an item that holds items into `menu`: its own popup menu first.
  void AppendSubmenu(const std::string& menu, const MenuItemRecord& item);
  /// Writes a command item into `menu`, with its click handler.
  void AppendCommand(const std::string& menu, const MenuItemRecord& item);

  std::vector<OpenMenu> menus_;  // the bar first, then the submenus being filled
  bool opened_ = false;          // the bar has been started once
  int next_id_ = 0;              // command items so far: ids follow one another
  std::string declarations_;     // the handles, for "var"
  std::string creation_;         // the calls that build the menus
  std::string commands_;         // the click handlers, for WM_COMMAND
};

}  // namespace vornic
