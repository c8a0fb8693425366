// List boxes, combo boxes and memos: window controls filled with the entries
// of their list value ("Items.Strings", "Lines.Strings"), as the exact
// translation writes them; a long list is added from constant arrays.
#include <cstdint>
#include <memory>
#include <string>

#include "controls/control_steps.h"
#include "extended/control.h"
#include "extended/edit_behaviour.h"
#include "extended/form_writer.h"
#include "extended/list_data.h"
#include "extended/list_entries.h"
#include "extended/list_output.h"
#include "extended/value_styles.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "form/text_list.h"
#include "lib/code_layout.h"
#include "lib/text.h"

namespace vornic {

namespace {

constexpr ValueStyle kScrollBars[] = {{"ssNone", ""},
                                      {"ssHorizontal", " or WS_HSCROLL"},
                                      {"ssVertical", " or WS_VSCROLL"},
                                      {"ssBoth", " or WS_HSCROLL or WS_VSCROLL"}};

// One SendMessage line per entry, adding it with `message`; a long list is
// added from arrays with `data_message`.
std::string AddStrings(FormWriter& writer, const std::string& name, const std::string& message,
                       const std::string& data_message, const TextList& entries) {
  if (IsLongList(entries.size())) {
    const ListOutput output = ListOutputOf(writer);
    return AddEntriesText(output, name, data_message,
                          DeclareEntryArrays(output, name, entries.size(), EntriesOf(entries)));
  }
  std::string text;
  for (size_t i = 0; i < entries.size(); ++i) {
    text.append("\r\n  SendMessageW(").append(name).append(message).append("LParam(PWideChar(");
    text.append(entries[i]).append(")) );");
  }
  return text;
}

// A combo box of the drop-down list style is created with the height of its
// list included: eight items below the edit part.
std::string ComboBoxHeight(const Control& control, const TextList& items) {
  const std::string& height = control.Value("Height");
  const std::string& item_height = control.Value("ItemHeight");
  if (item_height.empty() || items.empty()) return height;
  const int64_t sum = int64_t{TextToInt(height)} + int64_t{8} * int64_t{TextToInt(item_height)};
  return std::to_string(static_cast<int32_t>(sum));  // wraps like every position sum
}

// The memo's lines as one Pascal expression with CR LF between them, set as
// its text; a long list is joined from arrays.
std::string SetMemoLines(FormWriter& writer, const std::string& name, const TextList& lines) {
  if (IsLongList(lines.size())) {
    const ListOutput output = ListOutputOf(writer);
    return SetLinesText(output, name,
                        DeclareEntryArrays(output, name, lines.size(), EntriesOf(lines)));
  }
  std::string text = "\r\n  SendMessageW(" + name + ",WM_SETTEXT, 0, lParam(PWideChar(";
  if (lines.empty()) text += "''";
  for (size_t i = 0; i < lines.size(); ++i) text.append(i == 0 ? "" : "+#13#10+").append(lines[i]);
  return text + ")));";
}

// The list keeps the form's order unless it is Sorted, and its stored
// height unless IntegralHeight is True.
std::string ListBoxStyles(const Control& control) {
  std::string styles = "WS_VISIBLE or WS_CHILD or LBS_NOTIFY or WS_VSCROLL" +
                       EditBorderOf(control).style + " or WS_TABSTOP";
  if (FlagOf(control.Value("Sorted"), false)) styles += " or LBS_SORT";
  if (!FlagOf(control.Value("IntegralHeight"), false)) styles += " or LBS_NOINTEGRALHEIGHT";
  return styles;
}

class ListBoxWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    WriteWindow(
        writer, control,
        {.name = name,
         .banner = "Create a listbox",
         .call = ":= CreateWindowExW(" + EditBorderOf(control).ex_style + ", 'listbox', 'listbox' ,",
         .styles = ListBoxStyles(control),
         .box = box,
         .after = "\r\n  { add items to listbox }" +
                  AddStrings(writer, name, ",LB_ADDSTRING , 0 ,", "LB_ADDSTRING",
                             ListEntries(control, "Items.Strings")),
         .takes_focus = true,
         .reads_font = true});
  }
};

class ComboBoxWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    const TextList& items = ListEntries(control, "Items.Strings");
    std::string after;
    if (!items.empty()) {
      // The first item is shown selected, whatever the form's Text says.
      after = "\r\n  { add items to combobox }" +
              AddStrings(writer, name, ",CB_ADDSTRING , 0 ,", "CB_ADDSTRING", items) +
              "\r\n  { select current item }\r\n  SendMessageW(" + name +
              ",CB_SELECTSTRING,0,LParam(PWideChar(" + std::string(items[0]) + ")) );";
    }
    box.height = ComboBoxHeight(control, items);
    WriteWindow(
        writer, control,
        {.name = name,
         .banner = "Create a combobox",
         .call = ":= CreateWindowExW(0, 'combobox'," + QuotedOrEmpty(control.Value("Text")) + ",",
         .styles = "WS_VISIBLE or WS_CHILD or CBS_DROPDOWNLIST or WS_TABSTOP",
         .box = box,
         .after = after,
         .takes_focus = true,
         .reads_font = true});
  }
};

// A memo wraps its lines unless WordWrap is False or a horizontal scroll
// bar lets them run on; it shows no scroll bars unless ScrollBars says so.
std::string MemoStyles(const Control& control, const std::string& name) {
  std::string styles = "WS_CHILD or WS_VISIBLE" + EditBorderOf(control).style + " or\r\n" +
                       ContinuationIndent(name) + "ES_MULTILINE or ES_AUTOVSCROLL";
  if (FlagOf(control.Value("WantReturns"), true)) styles += " or ES_WANTRETURN";
  if (!FlagOf(control.Value("WordWrap"), true)) styles += " or ES_AUTOHSCROLL";
  return styles + StyleForValue(kScrollBars, control.Value("ScrollBars")) +
         EditStyles(control, true);
}

class MemoWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    WriteWindow(writer, control,
                {.name = name,
                 .banner = "Create a memo",
                 .call = ":= CreateWindowExW(" + EditBorderOf(control).ex_style + ", 'Edit','', ",
                 .styles = MemoStyles(control, name),
                 .box = box,
                 .after = "\r\n  { add lines  to memo }" +
                          SetMemoLines(writer, name, ListEntries(control, "Lines.Strings")) +
                          EditMessages(control, name, true),
                 .takes_focus = true,
                 .reads_font = true});
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewListBoxWriter() { return std::make_unique<ListBoxWriter>(); }
std::unique_ptr<ControlWriter> NewComboBoxWriter() { return std::make_unique<ComboBoxWriter>(); }
std::unique_ptr<ControlWriter> NewMemoWriter() { return std::make_unique<MemoWriter>(); }

}  // namespace vornic
