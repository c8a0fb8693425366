// Check list boxes, colour boxes and extended combo boxes, classes only the
// extended translation writes, as the system's list box and combo box with
// the entries the form gives them. The check marks of a check list box and
// the colour samples of a colour box are left out: both need drawing by the
// window procedure.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/control_steps.h"
#include "controls/list_data.h"
#include "controls/property_tables.h"
#include "controls/record_generator.h"
#include "controls/window_control.h"
#include "lib/dictionary.h"
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

struct ListVariantRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string BorderStyle;
  std::string ItemHeight;
  std::string Sorted;
  std::string IntegralHeight;
  std::string Style;
  std::string Text;
  std::string ItemIndex;
  std::string Selected;
  TIDictonary Items;                 // string literals
  std::vector<std::string> ItemsEx;  // the captions of the ItemsEx collection
};

constexpr NamedField<ListVariantRecord> kFields[] = {
    {"BorderStyle", &ListVariantRecord::BorderStyle},
    {"ItemHeight", &ListVariantRecord::ItemHeight},
    {"Sorted", &ListVariantRecord::Sorted},
    {"IntegralHeight", &ListVariantRecord::IntegralHeight},
    {"Style", &ListVariantRecord::Style},
    {"Text", &ListVariantRecord::Text},
    {"ItemIndex", &ListVariantRecord::ItemIndex},
    {"Selected", &ListVariantRecord::Selected}};

std::string AddStrings(GeneratorContext context, const std::string& name, const char* message,
                       size_t count, const EntryAt& at) {
  if (WritesAsData(context, count)) {
    return AddEntriesText(context, name, message, DeclareEntryArrays(context, name, count, at));
  }
  std::string text;
  for (size_t i = 0; i < count; ++i) {
    text.append("\r\n  SendMessage(").append(name).append(",").append(message);
    text.append(",0,LParam(PChar(").append(at(i)).append(")));");
  }
  return text;
}

std::string DroppedHeight(const ListVariantRecord& box) {
  const int64_t item = box.ItemHeight.empty() ? kDefaultItemHeight : TextToInt(box.ItemHeight);
  // Wraps like every other sum of positions.
  return std::to_string(static_cast<int32_t>(TextToInt(box.Height) + kDroppedEntries * item));
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

class ListVariantGenerator : public RecordGenerator<ListVariantRecord> {
 protected:
  void StoreProperty(const LineWords& line) override { StoreNamedField(kFields, record_, line); }

  // The entries of an extended combo box are items of a collection.
  void OnItemProperty(const LineWords& line) override {
    if (values_.property() != "ItemsEx" || line.Word1 != "Caption") return;
    record_.ItemsEx.resize(static_cast<size_t>(values_.item()) + 1, "''");
    record_.ItemsEx[static_cast<size_t>(values_.item())] = line.Word3;
  }

  void OnValueRead() override {
    if (values_.property() == "Items.Strings") {
      record_.Items = values_.TakeStringEntries();
    } else if (values_.property() == "ItemsEx") {
      // Items without a caption count too.
      record_.ItemsEx.resize(static_cast<size_t>(values_.item() + 1), "''");
    }
  }

  bool WritesStrings(const std::string& property) const override {
    return property == "Items.Strings";
  }
};

class CheckListBoxGenerator final : public ListVariantGenerator {
 public:
  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(record_)) return;
    const std::string& name = record_.ControlName;
    std::string styles = "WS_VISIBLE or WS_CHILD or WS_TABSTOP or WS_VSCROLL or LBS_NOTIFY";
    if (FlagOf(record_.Sorted, false)) styles += " or LBS_SORT";
    if (!FlagOf(record_.IntegralHeight, false)) styles += " or LBS_NOINTEGRALHEIGHT";
    std::string after;
    if (!record_.ItemHeight.empty()) {
      after += "\r\n  SendMessage(" + name + ",LB_SETITEMHEIGHT,0," + record_.ItemHeight + ");";
    }
    if (record_.Items.HighIndex() > 0) {
      after += "\r\n  { add items to check list box }" +
               AddStrings(context, name, "LB_ADDSTRING",
                          static_cast<size_t>(record_.Items.HighIndex()), EntriesOf(record_.Items));
    }
    CreateWindowControl(context, {.level = line.Level,
                                  .name = name,
                                  .banner = "Create a check list box",
                                  .call = ":= CreateWindowEx(" +
                                          BorderExStyle(record_.BorderStyle) + ", 'listbox','', ",
                                  .styles = styles,
                                  .box = BoxOf(record_),
                                  .after = after,
                                  .takes_focus = true});
  }
};

class ColorBoxGenerator final : public ListVariantGenerator {
 public:
  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(record_)) return;
    const std::string& name = record_.ControlName;
    const std::string style = record_.Style.empty() ? kDefaultColorStyle : record_.Style;
    const auto has = [&style](const char* option) { return SetHolds(style, option); };
    std::vector<std::string> names;
    if (has("cbCustomColor")) names.push_back("Custom...");
    const std::string selected = record_.Selected.empty() ? "clBlack" : record_.Selected;
    int selected_index = -1;
    const auto add_group = [&](const auto& group, const char* option) {
      if (!has(option)) return;
      for (const char* color : group) {
        if (UpperText(color) == UpperText(selected))
          selected_index = static_cast<int>(names.size());
        names.push_back(ColorName(color, has("cbPrettyNames")));
      }
    };
    add_group(kStandardColors, "cbStandardColors");
    add_group(kExtendedColors, "cbExtendedColors");
    add_group(kSystemColors, "cbSystemColors");
    if (has("cbIncludeNone")) names.push_back(has("cbPrettyNames") ? "None" : "clNone");
    if (has("cbIncludeDefault")) names.push_back(has("cbPrettyNames") ? "Default" : "clDefault");
    std::string after = "\r\n  { add colours to colour box }";
    for (const std::string& color : names) {
      after += "\r\n  SendMessage(" + name + ",CB_ADDSTRING,0,LParam(PChar('" + color + "')));";
    }
    if (selected_index >= 0) {
      after +=
          "\r\n  SendMessage(" + name + ",CB_SETCURSEL," + std::to_string(selected_index) + ",0);";
    }
    CreateWindowControl(context, {.level = line.Level,
                                  .name = name,
                                  .banner = "Create a colour box",
                                  .call = ":= CreateWindow('combobox','', ",
                                  .styles = "WS_VISIBLE or WS_CHILD or WS_TABSTOP or WS_VSCROLL or "
                                            "CBS_DROPDOWNLIST",
                                  .box = {record_.Left, record_.Top, record_.Width, DroppedHeight(record_)},
                                  .after = after,
                                  .takes_focus = true});
  }
};

class ComboBoxExGenerator final : public ListVariantGenerator {
 public:
  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(record_)) return;
    const std::string& name = record_.ControlName;
    // The entries of the collection, else those of the list.
    const std::vector<std::string>& ex = record_.ItemsEx;
    const TIDictonary& items = record_.Items;
    const size_t count = ex.empty() ? static_cast<size_t>(items.HighIndex()) : ex.size();
    const EntryAt at = ex.empty() ? EntriesOf(items)
                                  : EntryAt([&ex](size_t i) { return std::string_view(ex[i]); });
    std::string after;
    if (count > 0) {
      after =
          "\r\n  { add items to combo box }" + AddStrings(context, name, "CB_ADDSTRING", count, at);
    }
    if (!record_.ItemIndex.empty() && TextToInt(record_.ItemIndex) >= 0) {
      after += "\r\n  SendMessage(" + name + ",CB_SETCURSEL," + record_.ItemIndex + ",0);";
    } else if (!record_.Text.empty() && record_.Style != "csExDropDownList") {
      // The edit part shows the text; the window name does not reach it.
      after += "\r\n  SendMessage(" + name + ",WM_SETTEXT,0,LParam(PChar(" + record_.Text + ")));";
    }
    CreateWindowControl(context, {.level = line.Level,
                                  .name = name,
                                  .banner = "Create an extended combo box",
                                  .call = ":= CreateWindow('combobox','', ",
                                  .styles = std::string("WS_VISIBLE or WS_CHILD or WS_TABSTOP or "
                                                        "WS_VSCROLL") +
                                            StyleForValue(kComboStyles, record_.Style),
                                  .box = {record_.Left, record_.Top, record_.Width, DroppedHeight(record_)},
                                  .after = after,
                                  .takes_focus = true});
  }
};

}  // namespace

std::unique_ptr<ControlGenerator> NewCheckListBox() {
  return std::make_unique<CheckListBoxGenerator>();
}

std::unique_ptr<ControlGenerator> NewColorBox() { return std::make_unique<ColorBoxGenerator>(); }

std::unique_ptr<ControlGenerator> NewComboBoxEx() {
  return std::make_unique<ComboBoxExGenerator>();
}

}  // namespace vornic
