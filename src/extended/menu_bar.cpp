// The menus' program text: one CreateMenu or CreatePopupMenu for the menu, a
// CreatePopupMenu for every item that holds items, and an AppendMenu per item
// in the order of the form, so that positions within each menu are the form's.
#include "extended/menu_bar.h"

#include <string_view>

#include "extended/actions.h"
#include "extended/class_table.h"
#include "extended/control_values.h"
#include "extended/form_writer.h"
#include "extended/glyph_drawing.h"
#include "extended/shortcut_text.h"
#include "form/form_object.h"
#include "lib/code_layout.h"
#include "lib/text.h"

namespace vornic {

// The values of one menu item, with the designer's defaults.
struct MenuItemValues {
  std::string Caption;   // a string literal; empty when the form stores none
  std::string ShortCut;  // an integer, 0 or empty for none
  std::string Break;     // mbNone, mbBreak or mbBarBreak
  bool Checked;
  bool Enabled;
  bool Visible;
  bool Default;
  bool RadioItem;
  bool Clicks;  // it has an OnClick or an action's OnExecute: a click shows a message box

  explicit MenuItemValues(const FormObject& item)
      : Caption(LinkedValue(item, "Caption")),
        ShortCut(LinkedValue(item, "ShortCut")),
        Break(item.Value("Break")),
        Checked(LinkedValue(item, "Checked") == "True"),
        Enabled(LinkedValue(item, "Enabled") != "False"),
        Visible(LinkedValue(item, "Visible") != "False"),
        Default(item.Value("Default") == "True"),
        RadioItem(item.Value("RadioItem") == "True"),
        Clicks(HasClick(item)) {}
};

namespace {

// Menu commands arrive in WM_COMMAND like the notifications of controls,
// which carry their window in lParam and id 0. Dialog navigation sends the
// ids 1 to 9 (IDOK, IDCANCEL, ...), so commands count from far above them.
constexpr int kFirstCommandId = 40001;
constexpr int kFirstPopupCommandId = 50001;

// The caption of a separator line.
constexpr std::string_view kSeparatorCaption = "'-'";

std::string Line(const std::string& text) { return "\r\n  " + text; }

// A Pascal literal of a plain text: quotes doubled.
std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
  return quoted + "'";
}

// The caption, with the shortcut after a tab where the menu shows it.
std::string ItemText(const MenuItemValues& item) {
  std::string text = item.Caption.empty() ? "''" : item.Caption;
  const std::string shortcut = item.ShortCut.empty() ? "" : ShortCutText(TextToInt(item.ShortCut));
  if (!shortcut.empty()) text += "#9" + Quoted(shortcut);
  return text;
}

// The states and breaks that AppendMenu takes with the item's kind.
std::string Flags(const MenuItemValues& item, bool has_items) {
  std::string flags = has_items ? "MF_POPUP" : "MF_STRING";
  if (item.Checked && !has_items) flags += " or MF_CHECKED";
  if (!item.Enabled) flags += " or MF_GRAYED";
  if (item.Break == "mbBreak") flags += " or MF_MENUBREAK";
  if (item.Break == "mbBarBreak") flags += " or MF_MENUBARBREAK";
  return flags;
}

// Objects of other classes inside a menu, and what they hold, are no items.
bool IsMenuItem(const FormWriter& writer, const FormObject& object) {
  const WrittenClass* row = writer.classes().RowFor(object);
  return row != nullptr && std::string_view(row->class_name) == "TMENUITEM";
}

}  // namespace

MenuText MenuBar::Build(FormWriter& writer, const FormObject& menu, const std::string& variable,
                        const MenuKind& kind) {
  MenuText text;
  text.declarations = "\r\n    " + variable + ": HMENU;";
  text.creation = "\r\n" + BannerComment(kind.banner) + Line(variable + " := " + kind.create + ";");
  popup_ = kind.popup;
  images_ = writer.ImageListOf(menu);
  if (images_ != nullptr && images_->variable.empty()) images_ = nullptr;
  AppendItems(writer, menu, variable, text);
  WriteImageDrawing(writer);
  images_ = nullptr;
  return text;
}

void MenuBar::AppendImage(const std::string& menu, int position, int index, MenuText& text) {
  text.creation +=
      Line("MenuItemImage.cbSize := SizeOf(MenuItemImage);") +
      Line("MenuItemImage.fMask := MIIM_BITMAP or MIIM_DATA;") +
      Line("MenuItemImage.hbmpItem := HBMMENU_CALLBACK;") +
      Line("MenuItemImage.dwItemData := " + std::to_string(index) + ";") +
      Line("SetMenuItemInfo(" + menu + ", " + std::to_string(position) + ", True, MenuItemImage);");
  imaged_menus_.insert(menu);
}

// The system asks the main window for the size of an item's image and to
// draw it; the draw request names the menu the item stands in.
void MenuBar::WriteImageDrawing(FormWriter& writer) {
  if (imaged_menus_.empty()) return;
  writer.DeclareOnce("MenuItemImage: TMenuItemInfo;");
  const std::string width = std::to_string(images_->image_width);
  const std::string height = std::to_string(images_->image_height);
  if (measured_.insert(width + "x" + height).second) {
    writer.branches().Add("WM_MEASUREITEM",
                          "\r\n      if PMeasureItemStruct(lParam)^.CtlType = ODT_MENU then begin"
                          "\r\n        if PMeasureItemStruct(lParam)^.itemWidth < " +
                              width + " then PMeasureItemStruct(lParam)^.itemWidth := " + width +
                              ";\r\n        if PMeasureItemStruct(lParam)^.itemHeight < " + height +
                              " then PMeasureItemStruct(lParam)^.itemHeight := " + height +
                              ";\r\n      end;",
                          "\r\n      Result := 1;");
  }
  for (const std::string& menu : imaged_menus_) {
    writer.branches().Add(
        kGlyphDrawBranch,
        "\r\n      if (PDrawItemStruct(lParam)^.CtlType = ODT_MENU) and"
        " (HMENU(PDrawItemStruct(lParam)^.hwndItem) = " +
            menu + ") then with PDrawItemStruct(lParam)^ do ImageList_Draw(" + images_->variable +
            ", itemData, hDC, rcItem.Left, rcItem.Top + (rcItem.Bottom - rcItem.Top - " + height +
            ") div 2, ILD_TRANSPARENT);",
        kGlyphDrawResult);
  }
  imaged_menus_.clear();
}

void MenuBar::AppendItems(FormWriter& writer, const FormObject& holder, const std::string& menu,
                          MenuText& text) {
  int position = 0;
  for (const auto& child : holder.children) {
    if (IsMenuItem(writer, *child) && MenuItemValues(*child).Visible) {
      AppendItem(writer, *child, menu, position++, text);
    }
  }
}

void MenuBar::AppendItem(FormWriter& writer, const FormObject& object, const std::string& menu,
                         int position, MenuText& text) {
  const MenuItemValues item(object);
  // Any object inside an item makes it a submenu, as the designer does.
  const bool has_items = !object.children.empty();
  // Only an item that shows takes a name, so hidden menus rename nothing.
  const std::string name = has_items || item.Clicks ? writer.TakeName(object) : "";
  if (has_items) {
    text.declarations += "\r\n    " + name + ": HMENU;";
    text.creation += Line(name + " := CreatePopupMenu;") +
                     Line("AppendMenuW(" + menu + ", " + Flags(item, true) + ", " + name + ", " +
                          ItemText(item) + ");");
  } else if (item.Caption == kSeparatorCaption) {
    text.creation += Line("AppendMenuW(" + menu + ", MF_SEPARATOR, 0, nil);");
    return;
  } else {
    // A menu item has no window: its handler hears of the main window's.
    AppendCommand(item,
                  writer.events().ClickStatement(writer, object, name, "hWindow", item.Clicks),
                  menu, text);
  }
  if (images_ != nullptr) {
    const int index = IntegerOr(LinkedValue(object, "ImageIndex"), -1);
    if (index >= 0 && index < images_->count) AppendImage(menu, position, index, text);
  }
  const std::string at = std::to_string(position);
  if (item.Default) text.creation += Line("SetMenuDefaultItem(" + menu + ", " + at + ", 1);");
  // A radio item shows a bullet instead of the check mark.
  if (item.RadioItem && item.Checked && !has_items) {
    text.creation += Line("CheckMenuRadioItem(" + menu + ", " + at + ", " + at + ", " + at +
                          ", MF_BYPOSITION);");
  }
  if (has_items) AppendItems(writer, object, name, text);
}

void MenuBar::AppendCommand(const MenuItemValues& item, const std::string& click,
                            const std::string& menu, MenuText& text) {
  const std::string id = std::to_string(popup_ ? kFirstPopupCommandId + next_popup_id_++
                                               : kFirstCommandId + next_id_++);
  text.creation += Line("AppendMenuW(" + menu + ", " + Flags(item, false) + ", " + id + ", " +
                        ItemText(item) + ");");
  if (!click.empty()) {
    text.commands += "\r\n      if (lParam = 0) and (wParam = " + id + ") then " + click;
  }
}

void MenuBar::Open(FormWriter& writer, const FormObject& menu, const std::string& variable) {
  bar_ = variable;
  bar_text_ = Build(writer, menu, variable, kBarMenu);
}

void MenuBar::Close(FormWriter& writer) {
  if (bar_.empty()) return;
  writer.AddText("var", bar_text_.declarations);
  writer.AddText("windowproccommandmidle", bar_text_.commands);
  writer.AddText("bodymidle", bar_text_.creation + Line("SetMenu(hWindow, " + bar_ + ");"));
  bar_.clear();
  bar_text_ = MenuText();
}

}  // namespace vornic
