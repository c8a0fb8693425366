// Check list boxes, colour boxes and extended combo boxes, as the system's
// list box and combo box with the entries the form gives them (an extended
// combo box with images as the system's extended combo box). The check
// marks of a check list box and the colour samples of a colour box are left
// out: both need drawing by the window procedure.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/item_images.h"
#include "extended/list_data.h"
#include "extended/list_entries.h"
#include "extended/list_output.h"
#include "extended/named_at_open.h"
#include "extended/value_styles.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "form/text_list.h"
#include "lib/text.h"

namespace vornic {

namespace {

constexpr ValueStyle kComboStyles[] = {{"csExDropDown", " or CBS_DROPDOWN or CBS_AUTOHSCROLL"},
                                       {"csExDropDownList", " or CBS_DROPDOWNLIST"},
                                       {"csExSimple", " or CBS_SIMPLE or CBS_AUTOHSCROLL"}};

// The colours a colour box lists, by group, in the order it lists them.
constexpr const char* kStandardColors[] = {
    "clBlack",  "clMaroon", "clGreen", "clOlive",  "clNavy", "clPurple",  "clTeal", "clGray",
    "clSilver", "clRed",    "clLime",  "clYellow", "clBlue", "clFuchsia", "clAqua", "clWhite"};
constexpr const char* kExtendedColors[] = {"clMoneyGreen", "clSkyBlue", "clCream", "clMedGray"};
constexpr const char* kSystemColors[] = {"clScrollBar",
                                         "clBackground",
                                         "clActiveCaption",
                                         "clInactiveCaption",
                                         "clMenu",
                                         "clWindow",
                                         "clWindowFrame",
                                         "clMenuText",
                                         "clWindowText",
                                         "clCaptionText",
                                         "clActiveBorder",
                                         "clInactiveBorder",
                                         "clAppWorkSpace",
                                         "clHighlight",
                                         "clHighlightText",
                                         "clBtnFace",
                                         "clBtnShadow",
                                         "clGrayText",
                                         "clBtnText",
                                         "clInactiveCaptionText",
                                         "clBtnHighlight",
                                         "cl3DDkShadow",
                                         "cl3DLight",
                                         "clInfoText",
                                         "clInfoBk",
                                         "clHotLight",
                                         "clGradientActiveCaption",
                                         "clGradientInactiveCaption",
                                         "clMenuHighlight",
                                         "clMenuBar"};

// The designer's default colour box style.
constexpr char kDefaultColorStyle[] = "[cbStandardColors, cbExtendedColors, cbSystemColors]";

// A combo box is created as high as its list when dropped: eight entries.
constexpr int32_t kDroppedEntries = 8;
constexpr int32_t kDefaultItemHeight = 16;

// One SendMessage line per entry; a long list is added from arrays.
std::string AddStrings(FormWriter& writer, const std::string& name, const char* message,
                       size_t count, const EntryAt& at) {
  if (IsLongList(count)) {
    const ListOutput output = ListOutputOf(writer);
    return AddEntriesText(output, name, message, DeclareEntryArrays(output, name, count, at));
  }
  std::string text;
  for (size_t i = 0; i < count; ++i) {
    text.append("\r\n  SendMessageW(").append(name).append(",").append(message);
    text.append(",0,LParam(PWideChar(").append(at(i)).append(")));");
  }
  return text;
}

// The box of a combo box, its height with the dropped list's.
Box DroppedBox(const Control& control) {
  Box box = StoredBox(control);
  const std::string& item_height = control.Value("ItemHeight");
  const int64_t item = item_height.empty() ? kDefaultItemHeight : TextToInt(item_height);
  // Wraps like every other sum of positions.
  box.height = std::to_string(static_cast<int32_t>(TextToInt(box.height) + kDroppedEntries * item));
  return box;
}

// The colour's name as the box shows it: "clMoneyGreen", or with pretty
// names "Money Green".
std::string ColorName(const std::string& identifier, bool pretty) {
  if (!pretty) return identifier;
  std::string name;
  for (size_t i = 2; i < identifier.size(); ++i) {
    const char c = identifier[i];
    if (i > 2 && c >= 'A' && c <= 'Z' && identifier[i - 1] >= 'a' && identifier[i - 1] <= 'z') {
      name += ' ';
    }
    name += c;
  }
  return name;
}

// The names a colour box lists as its Style chooses them, and the index of
// its Selected colour among them, -1 when it lists none such.
struct ColorList {
  std::vector<std::string> names;
  int selected = -1;
};

ColorList ColorsOf(const Control& control) {
  const std::string& stored_style = control.Value("Style");
  const std::string style = stored_style.empty() ? kDefaultColorStyle : stored_style;
  const auto has = [&style](const char* option) { return SetHolds(style, option); };
  const bool pretty = has("cbPrettyNames");
  const std::string& stored_selected = control.Value("Selected");
  const std::string selected = UpperText(stored_selected.empty() ? "clBlack" : stored_selected);
  ColorList list;
  if (has("cbCustomColor")) list.names.push_back("Custom...");
  const auto add_group = [&](const auto& group, const char* option) {
    if (!has(option)) return;
    for (const char* color : group) {
      if (UpperText(color) == selected) list.selected = static_cast<int>(list.names.size());
      list.names.push_back(ColorName(color, pretty));
    }
  };
  add_group(kStandardColors, "cbStandardColors");
  add_group(kExtendedColors, "cbExtendedColors");
  add_group(kSystemColors, "cbSystemColors");
  if (has("cbIncludeNone")) list.names.push_back(pretty ? "None" : "clNone");
  if (has("cbIncludeDefault")) list.names.push_back(pretty ? "Default" : "clDefault");
  return list;
}

class CheckListBoxWriter final : public NamedAtOpen {
 public:
  void Close(FormWriter& writer, Control& control) override {
    if (name_.empty()) return;
    std::string styles = "WS_VISIBLE or WS_CHILD or WS_TABSTOP or WS_VSCROLL or LBS_NOTIFY";
    if (FlagOf(control.Value("Sorted"), false)) styles += " or LBS_SORT";
    if (!FlagOf(control.Value("IntegralHeight"), false)) styles += " or LBS_NOINTEGRALHEIGHT";
    std::string after;
    if (const std::string& height = control.Value("ItemHeight"); !height.empty()) {
      after += "\r\n  SendMessageW(" + name_ + ",LB_SETITEMHEIGHT,0," + height + ");";
    }
    if (const TextList& items = ListEntries(control, "Items.Strings"); !items.empty()) {
      after += "\r\n  { add items to check list box }" +
               AddStrings(writer, name_, "LB_ADDSTRING", items.size(), EntriesOf(items));
    }
    WriteWindow(writer, control,
                {.name = name_,
                 .banner = "Create a check list box",
                 .call = ":= CreateWindowExW(" + BorderExStyle(control.Value("BorderStyle")) +
                         ", 'listbox','', ",
                 .styles = styles,
                 .box = StoredBox(control),
                 .after = after,
                 .takes_focus = true});
  }
};

class ColorBoxWriter final : public NamedAtOpen {
 public:
  void Close(FormWriter& writer, Control& control) override {
    if (name_.empty()) return;
    const ColorList colors = ColorsOf(control);
    std::string after = "\r\n  { add colours to colour box }";
    for (const std::string& color : colors.names) {
      after +=
          "\r\n  SendMessageW(" + name_ + ",CB_ADDSTRING,0,LParam(PWideChar('" + color + "')));";
    }
    if (colors.selected >= 0) {
      after += "\r\n  SendMessageW(" + name_ + ",CB_SETCURSEL," + std::to_string(colors.selected) +
               ",0);";
    }
    WriteWindow(writer, control,
                {.name = name_,
                 .banner = "Create a colour box",
                 .call = ":= CreateWindowExW(0, 'combobox','', ",
                 .styles = "WS_VISIBLE or WS_CHILD or WS_TABSTOP or WS_VSCROLL or CBS_DROPDOWNLIST",
                 .box = DroppedBox(control),
                 .after = after,
                 .takes_focus = true});
  }
};

// An item of an extended combo box: its caption (a string literal) and the
// indexes of its images, -1 for none.
struct ComboExItem {
  std::string caption;
  int image = -1;
  int selected_image = -1;  // shown while the item is chosen
};

// An index an item stores; none for a value that is no integer.
int StoredIndex(const std::string& value) { return IsIntegerText(value) ? TextToInt(value) : -1; }

// The items of an extended combo box: its ItemsEx collection (an item without
// a caption shows an empty text), else its list. An item whose selected image
// is not given shows its image while chosen too.
std::vector<ComboExItem> ComboExItemsOf(const Control& control) {
  std::vector<ComboExItem> found;
  if (const FormProperty* items = control.object.Find("ItemsEx"); items != nullptr) {
    for (const FormItem& item : items->items) {
      const std::string& caption = item.Value("Caption");
      const int image = StoredIndex(item.Value("ImageIndex"));
      const int selected = StoredIndex(item.Value("SelectedImageIndex"));
      found.push_back({caption.empty() ? "''" : caption, image, selected < 0 ? image : selected});
    }
  }
  if (!found.empty()) return found;
  const TextList& list = ListEntries(control, "Items.Strings");
  for (size_t i = 0; i < list.size(); ++i) found.push_back({std::string(list[i])});
  return found;
}

// The items with their images: a record per item sent to the window.
std::string ComboExImageItems(FormWriter& writer, const std::string& name,
                              const std::vector<ComboExItem>& items) {
  if (IsLongList(items.size())) {
    const ListOutput out = ListOutputOf(writer);
    const EntryArrays captions = DeclareEntryArrays(
        out, name, items.size(), [&items](size_t i) { return std::string_view(items[i].caption); });
    return AddComboItemsText(
        out, name, captions,
        {.image = [&items](size_t i) { return ItemImage(items[i].image); },
         .selected = [&items](size_t i) { return ItemImage(items[i].selected_image); },
         .state = {}});
  }
  writer.DeclareOnce("ComboItem: TComboBoxExItemW;");
  std::string text = "\r\n  ComboItem.mask := CBEIF_TEXT or CBEIF_IMAGE or CBEIF_SELECTEDIMAGE;";
  for (size_t i = 0; i < items.size(); ++i) {
    text += "\r\n  ComboItem.iItem := " + std::to_string(i) + "; ComboItem.pszText := PWideChar(" +
            items[i].caption + "); ComboItem.iImage := " + ItemImage(items[i].image) +
            "; ComboItem.iSelectedImage := " + ItemImage(items[i].selected_image) +
            ";\r\n  SendMessageW(" + name + ",CBEM_INSERTITEMW,0,LParam(@ComboItem));";
  }
  return text;
}

// An extended combo box with images is the system's extended combo box,
// which draws them; without, a plain combo box shows the same.
class ComboBoxExWriter final : public NamedAtOpen {
 public:
  void Close(FormWriter& writer, Control& control) override {
    if (name_.empty()) return;
    const std::string images = writer.ImagesOf(control.object);
    const std::vector<ComboExItem> items = ComboExItemsOf(control);
    std::string after;
    if (!images.empty()) after = ImageListLine(name_, "CBEM_SETIMAGELIST", "0", images);
    if (!items.empty()) {
      after += "\r\n  { add items to combo box }" +
               (images.empty()
                    ? AddStrings(writer, name_, "CB_ADDSTRING", items.size(),
                                 [&items](size_t i) { return std::string_view(items[i].caption); })
                    : ComboExImageItems(writer, name_, items));
    }
    const std::string& index = control.Value("ItemIndex");
    const std::string& text = control.Value("Text");
    const std::string& style = control.Value("Style");
    if (!index.empty() && TextToInt(index) >= 0) {
      after += "\r\n  SendMessageW(" + name_ + ",CB_SETCURSEL," + index + ",0);";
    } else if (!text.empty() && style != "csExDropDownList") {
      // The edit part shows the text; the window name does not reach it.
      after += "\r\n  SendMessageW(" + name_ + ",WM_SETTEXT,0,LParam(PWideChar(" + text + ")));";
    }
    if (!images.empty()) InitCommonClasses(writer, "ICC_USEREX_CLASSES");
    WriteWindow(writer, control,
                {.name = name_,
                 .banner = "Create an extended combo box",
                 .call = images.empty() ? ":= CreateWindowExW(0, 'combobox','', "
                                        : ":= CreateWindowExW(0, 'ComboBoxEx32','', ",
                 .styles = std::string("WS_VISIBLE or WS_CHILD or WS_TABSTOP or WS_VSCROLL") +
                           StyleForValue(kComboStyles, style),
                 .box = DroppedBox(control),
                 .after = after,
                 .takes_focus = true,
                 .common = !images.empty()});
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewCheckListBoxWriter() {
  return std::make_unique<CheckListBoxWriter>();
}
std::unique_ptr<ControlWriter> NewColorBoxWriter() { return std::make_unique<ColorBoxWriter>(); }
std::unique_ptr<ControlWriter> NewComboBoxExWriter() {
  return std::make_unique<ComboBoxExWriter>();
}

}  // namespace vornic
