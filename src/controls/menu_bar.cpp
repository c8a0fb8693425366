// The menu bar's program text: one CreateMenu for the bar, a CreatePopupMenu
// for every item that holds items, and an AppendMenu per item in the order of
// the form, so that positions within each menu are the form's.
#include "controls/menu_bar.h"

#include "controls/shortcut_text.h"
#include "lib/code_layout.h"
#include "lib/text.h"

namespace vornic {

namespace {

// Menu commands arrive in WM_COMMAND like the notifications of controls,
// which carry their window in lParam and id 0. Dialog navigation sends the
// ids 1 to 9 (IDOK, IDCANCEL, ...), so commands count from far above them.
constexpr int kFirstCommandId = 40001;

// The caption of a separator line.
const char kSeparatorCaption[] = "'-'";

std::string Line(const std::string& text) { return "\r\n  " + text; }

// A Pascal literal of a plain text: quotes doubled.
std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
  return quoted + "'";
}

// The caption, with the shortcut after a tab where the menu shows it.
std::string ItemText(const MenuItemRecord& item) {
  std::string text = item.Caption.empty() ? "''" : item.Caption;
  const std::string shortcut = item.ShortCut.empty() ? "" : ShortCutText(TextToInt(item.ShortCut));
  if (!shortcut.empty()) text += "#9" + Quoted(shortcut);
  return text;
}

// The states and breaks that AppendMenu takes with the item's kind.
std::string Flags(const MenuItemRecord& item, bool has_items) {
  std::string flags = has_items ? "MF_POPUP" : "MF_STRING";
  if (item.Checked && !has_items) flags += " or MF_CHECKED";
  if (!item.Enabled) flags += " or MF_GRAYED";
  if (item.Break == "mbBreak") flags += " or MF_MENUBREAK";
  if (item.Break == "mbBarBreak") flags += " or MF_MENUBARBREAK";
  return flags;
}

}  // namespace

void MenuBar::Open(const std::string& variable, int level) {
  opened_ = true;
  menus_.push_back(OpenMenu{level, variable});
  declarations_ += "\r\n    " + variable + ": HMENU;";
  creation_ += "\r\n" + BannerComment("Create the menu bar") + Line(variable + " := CreateMenu;");
}

const MenuBar::OpenMenu* MenuBar::HolderOf(int level) const {
  for (auto it = menus_.rbegin(); it != menus_.rend(); ++it) {
    if (it->level < level) return it->level == level - 1 ? &*it : nullptr;
  }
  return nullptr;
}

bool MenuBar::Shows(int level) const {
  const OpenMenu* holder = HolderOf(level);
  return holder != nullptr && !holder->variable.empty();
}

void MenuBar::Append(const MenuItemRecord& item, int level, bool has_items) {
  if (HolderOf(level) == nullptr) return;
  const bool shows = Shows(level) && item.Visible;
  // The items of menus that ended are not followed by more.
  while (menus_.back().level >= level) menus_.pop_back();
  OpenMenu& holder = menus_.back();
  if (!shows) {
    if (has_items) menus_.push_back(OpenMenu{level, ""});
    return;
  }
  const std::string menu = holder.variable;
  const std::string position = std::to_string(holder.count++);
  if (has_items) {
    AppendSubmenu(menu, item);
  } else if (item.Caption == kSeparatorCaption) {
    creation_ += Line("AppendMenu(" + menu + ", MF_SEPARATOR, 0, nil);");
    return;
  } else {
    AppendCommand(menu, item);
  }
  if (item.Default) creation_ += Line("SetMenuDefaultItem(" + menu + ", " + position + ", 1);");
  // A radio item shows a bullet instead of the check mark.
  if (item.RadioItem && item.Checked && !has_items) {
    creation_ += Line("CheckMenuRadioItem(" + menu + ", " + position + ", " + position + ", " +
                      position + ", MF_BYPOSITION);");
  }
  if (has_items) menus_.push_back(OpenMenu{level, item.Name});
}

void MenuBar::AppendSubmenu(const std::string& menu, const MenuItemRecord& item) {
  declarations_ += "\r\n    " + item.Name + ": HMENU;";
  creation_ += Line(item.Name + " := CreatePopupMenu;") +
               Line("AppendMenu(" + menu + ", " + Flags(item, true) + ", " + item.Name + ", " +
                    ItemText(item) + ");");
}

void MenuBar::AppendCommand(const std::string& menu, const MenuItemRecord& item) {
  const std::string id = std::to_string(kFirstCommandId + next_id_++);
  creation_ += Line("AppendMenu(" + menu + ", " + Flags(item, false) + ", " + id + ", " +
                    ItemText(item) + ");");
  if (item.Clicks) {
    commands_ += "\r\n      if (lParam = 0) and (wParam = " + id + ") then MessageBox(hWindow,'" +
                 item.Name + "Click','Check',MB_OK);";
  }
}

void MenuBar::Close(GeneratorContext context) {
  if (menus_.empty()) return;
  const std::string bar = menus_.front().variable;
  menus_.clear();
  context.AddText("var", declarations_);
  context.AddText("windowproccommandmidle", commands_);
  context.AddText("bodymidle", creation_ + Line("SetMenu(hWindow, " + bar + ");"));
}

}  // namespace vornic
