// List boxes, combo boxes and memos: window controls filled with the entries
// of their multi-line list property ("Items.Strings", "Lines.Strings").
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "builder/builder.h"
#include "controls/control_steps.h"
#include "builder/geometry.h"
#include "controls/window_control.h"
#include "lib/code_layout.h"
#include "lib/text.h"

namespace vornic {

namespace {

// The values of ListMarker that name the list being read.
constexpr char kListBoxMarker[] = "lb_is";
constexpr char kComboBoxMarker[] = "cb_is";
constexpr char kMemoMarker[] = "memo_is";

// Adds an entry line of the list `marker` names, while that list is being
// read. The entry that ends in ")" closes the list; so does the object's end
// line, which is no entry: a list left open (its last entry lost to a split
// line) must not swallow the word "end". (Object lines are no entries either;
// the builder forgets any open list when an object begins.)
void CollectEntry(std::string& list_marker, const char* marker, const LineWords& line,
                  TIDictonary& entries) {
  if (list_marker != marker) return;
  if (line.Kind == "end") {
    list_marker.clear();
    return;
  }
  if (line.WordCount != 1) return;
  std::string_view entry = line.Word1;
  if (!entry.empty() && entry.back() == ')') {
    entry.remove_suffix(1);
    list_marker.clear();
  }
  entries.Add(entry);
}

// One SendMessage line per entry, adding it with `message`.
std::string AddStrings(const std::string& name, const std::string& message,
                       const TIDictonary& entries) {
  std::string text;
  for (int i = 1; i <= entries.HighIndex(); ++i) {
    text.append("\r\n  SendMessage(").append(name).append(message).append("LParam(PChar(");
    text.append(entries.GetItem(i)).append(")) );");
  }
  return text;
}

// A combo box of the drop-down list style is created with the height of its
// list included: eight items below the edit part.
std::string ComboBoxHeight(const TIComboBox& box) {
  if (box.ItemHeight.empty() || box.Items.HighIndex() < 1) return box.Height;
  const int64_t height =
      int64_t{TextToInt(box.Height)} + int64_t{8} * int64_t{TextToInt(box.ItemHeight)};
  return std::to_string(static_cast<int32_t>(height));  // wraps like every position sum
}

// The memo's lines as one Pascal expression with CR LF between them, set
// as its text.
std::string SetMemoLines(const std::string& name, const TIDictonary& lines) {
  std::string text = "\r\n  SendMessage(" + name + ",WM_SETTEXT, 0, lParam(pChar(";
  if (lines.HighIndex() < 1) text += "''";
  for (int i = 1; i <= lines.HighIndex(); ++i) {
    text.append(i == 1 ? "" : "+#13#10+").append(lines.GetItem(i));
  }
  return text + ")));";
}

}  // namespace

void TBuilder::BuildListBox(TSDPR& dpr, const LineWords& line) {
  TIListBox& box = ListBoxStore;
  if (line.Kind == "object") {
    // A skipped list box must not hand its items to the next one.
    box.Reset();
    box.ControlName = ControlNameOf(line);
    return;
  }
  if (line.Kind == "set" && !StoreFontProperty(line) && !StoreGeometry(box, line) &&
      line.Word1 == "Items.Strings") {
    ListMarker = kListBoxMarker;
  }
  CollectEntry(ListMarker, kListBoxMarker, line, box.Items);
  if (line.Kind != "end" || !box.IsComplete()) return;
  TakeControlName(box.ControlName);
  CreateWindowControl(dpr,
                      {.level = line.Level,
                       .name = box.ControlName,
                       .banner = "Create a listbox",
                       .call = ":= CreateWindow('listbox', 'listbox' ,",
                       .styles = "WS_VISIBLE or WS_CHILD or LBS_STANDARD or WS_TABSTOP",
                       .box = BoxOf(box),
                       .after = "\r\n  { add items to listbox }" +
                                AddStrings(box.ControlName, ",LB_ADDSTRING , 0 ,", box.Items),
                       .takes_focus = true,
                       .reads_font = true});
  ListMarker.clear();
  box.Reset();
}

void TBuilder::BuildComboBox(TSDPR& dpr, const LineWords& line) {
  TIComboBox& box = ComboBoxStore;
  if (line.Kind == "object") {
    box.Reset();
    box.ControlName = ControlNameOf(line);
    return;
  }
  if (line.Kind == "set" && !StoreFontProperty(line) && !StoreGeometry(box, line)) {
    if (line.Word1 == "Text")
      box.Text = line.Word3;
    else if (line.Word1 == "ItemHeight")
      box.ItemHeight = line.Word3;
    else if (line.Word1 == "Items.Strings")
      ListMarker = kComboBoxMarker;
  }
  CollectEntry(ListMarker, kComboBoxMarker, line, box.Items);
  if (line.Kind != "end" || !box.IsComplete()) return;
  TakeControlName(box.ControlName);
  std::string items;
  if (box.Items.HighIndex() >= 1) {
    // The first item is shown selected, whatever the form's Text says.
    items = "\r\n  { add items to combobox }" +
            AddStrings(box.ControlName, ",CB_ADDSTRING , 0 ,",
                       box.Items) +
            "\r\n  { select current item }\r\n  SendMessage(" + box.ControlName +
            ",CB_SELECTSTRING,0,LParam(PChar(" + std::string(box.Items.GetItem(1)) + ")) );";
  }
  CreateWindowControl(dpr,
                      {.level = line.Level,
                       .name = box.ControlName,
                       .banner = "Create a combobox",
                       .call = ":= CreateWindow('combobox'," + QuotedOrEmpty(box.Text) + ",",
                       .styles = "WS_VISIBLE or WS_CHILD or CBS_DROPDOWNLIST or WS_TABSTOP",
                       .box = {box.Left, box.Top, box.Width, ComboBoxHeight(box)},
                       .after = std::move(items),
                       .takes_focus = true,
                       .reads_font = true});
  ListMarker.clear();
  box.Reset();
}

void TBuilder::BuildMemo(TSDPR& dpr, const LineWords& line) {
  TIMemo& memo = MemoStore;
  if (line.Kind == "object") {
    memo.Reset();
    memo.ControlName = ControlNameOf(line);
    return;
  }
  if (line.Kind == "set" && !StoreFontProperty(line) && !StoreGeometry(memo, line) &&
      line.Word1 == "Lines.Strings") {
    ListMarker = kMemoMarker;
  }
  CollectEntry(ListMarker, kMemoMarker, line, memo.Lines);
  if (line.Kind != "end" || !memo.IsComplete()) return;
  TakeControlName(memo.ControlName);
  CreateWindowControl(
      dpr,
      {.level = line.Level,
       .name = memo.ControlName,
       .banner = "Create a memo",
       .call = ":= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', ",
       .styles = "WS_CHILD or WS_VISIBLE or WS_BORDER or\r\n" +
                 ContinuationIndent(memo.ControlName) +
                 "ES_LEFT or ES_MULTILINE or ES_WANTRETURN or ES_AUTOVSCROLL or WS_VSCROLL",
       .box = BoxOf(memo),
       .after = "\r\n  { add lines  to memo }" +
                SetMemoLines(memo.ControlName, memo.Lines),
       .takes_focus = true,
       .reads_font = true});
  ListMarker.clear();
  memo.Reset();
}

}  // namespace vornic
