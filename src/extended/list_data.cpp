// The arrays are declared between the variables and the window procedure,
// each entry on a line of its own; the procedures that walk them are
// written once, the first time a list needs one.
#include "extended/list_data.h"

#include <algorithm>

#include "output/program_text.h"

namespace vornic {

namespace {

constexpr char kAddEntriesProcedure[] =
    "\r\n{ Adds the entries of a list written as data, each with the message that adds one }"
    "\r\nprocedure AddListEntries(Window: HWND; Message: UINT; const Entries: array of PChar);"
    "\r\nvar"
    "\r\n  Entry: Integer;"
    "\r\nbegin"
    "\r\n  for Entry := 0 to High(Entries) do"
    "\r\n    SendMessage(Window, Message, 0, LParam(Entries[Entry]));"
    "\r\nend;\r\n";

// The text grows once per array, not once per line: a memo of a hundred
// thousand lines is not copied a hundred thousand times.
constexpr char kAppendLinesProcedure[] =
    "\r\n{ Appends the lines of a list written as data to Text, each followed by CR LF }"
    "\r\nprocedure AppendListLines(var Text: String; const Lines: array of PChar);"
    "\r\nvar"
    "\r\n  Line, Size, At: Integer;"
    "\r\nbegin"
    "\r\n  Size := 0;"
    "\r\n  for Line := 0 to High(Lines) do"
    "\r\n    Inc(Size, lstrlen(Lines[Line]) + 2);"
    "\r\n  At := Length(Text);"
    "\r\n  SetLength(Text, At + Size);"
    "\r\n  for Line := 0 to High(Lines) do begin"
    "\r\n    Size := lstrlen(Lines[Line]);"
    "\r\n    if Size > 0 then Move(Lines[Line]^, Text[At + 1], Size * SizeOf(Char));"
    "\r\n    Text[At + Size + 1] := #13;"
    "\r\n    Text[At + Size + 2] := #10;"
    "\r\n    Inc(At, Size + 2);"
    "\r\n  end;"
    "\r\nend;\r\n";

constexpr char kInsertTabsProcedure[] =
    "\r\n{ Inserts the tabs of a list written as data, the first at index First }"
    "\r\nprocedure InsertListTabs(Tabs: HWND; const Captions: array of PChar; First: Integer);"
    "\r\nvar"
    "\r\n  Tab: Integer;"
    "\r\n  Entry: TC_ITEM;"
    "\r\nbegin"
    "\r\n  Entry.mask := TCIF_TEXT;"
    "\r\n  for Tab := 0 to High(Captions) do begin"
    "\r\n    Entry.pszText := Captions[Tab];"
    "\r\n    TabCtrl_InsertItem(Tabs, First + Tab, Entry);"
    "\r\n  end;"
    "\r\nend;\r\n";

// The same places and styles as a radio group's items written one by one.
constexpr char kAddRadioItemsProcedure[] =
    "\r\n{ Creates the items of a radio group written as data, the first numbered First }"
    "\r\nprocedure AddRadioItems(Group: HWND; const Captions: array of PChar;"
    "\r\n  First, PerColumn, ItemWidth, ItemHeight, FirstTop, TabItem: Integer);"
    "\r\nvar"
    "\r\n  Item, Index: Integer;"
    "\r\n  Style: DWORD;"
    "\r\nbegin"
    "\r\n  for Item := 0 to High(Captions) do begin"
    "\r\n    Index := First + Item;"
    "\r\n    Style := WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON;"
    "\r\n    if Index = 0 then Style := Style or WS_GROUP;"
    "\r\n    if Index = TabItem then Style := Style or WS_TABSTOP;"
    "\r\n    CreateWindow('Button', Captions[Item], Style,"
    "\r\n      (Index div PerColumn) * ItemWidth + 8, (Index mod PerColumn) * ItemHeight + "
    "FirstTop,"
    "\r\n      ItemWidth, ItemHeight, Group, HMENU(Index + 1), Inst, nil);"
    "\r\n  end;"
    "\r\nend;\r\n";

// Run once the fonts are assigned: the group box has its own by then.
constexpr char kItemsFontProcedure[] =
    "\r\n{ Gives the items numbered 1 to Count of a window the window's font }"
    "\r\nprocedure SetItemsFont(Group: HWND; Count: Integer);"
    "\r\nvar"
    "\r\n  Item: Integer;"
    "\r\n  Font: WPARAM;"
    "\r\nbegin"
    "\r\n  Font := SendMessage(Group, WM_GETFONT, 0, 0);"
    "\r\n  for Item := 1 to Count do"
    "\r\n    SendMessage(GetDlgItem(Group, Item), WM_SETFONT, Font, 0);"
    "\r\nend;\r\n";

constexpr char kAddViewItemsProcedure[] =
    "\r\n{ Inserts the items of a list view written as data, the first at index First }"
    "\r\nprocedure AddViewItems(View: HWND; const Captions: array of PChar; First: Integer);"
    "\r\nvar"
    "\r\n  Entry: Integer;"
    "\r\n  Item: TLVItem;"
    "\r\nbegin"
    "\r\n  Item.mask := LVIF_TEXT;"
    "\r\n  Item.iSubItem := 0;"
    "\r\n  for Entry := 0 to High(Captions) do begin"
    "\r\n    Item.iItem := First + Entry;"
    "\r\n    Item.pszText := Captions[Entry];"
    "\r\n    SendMessage(View, LVM_INSERTITEM, 0, LParam(@Item));"
    "\r\n  end;"
    "\r\nend;\r\n";

constexpr char kSetViewTextsProcedure[] =
    "\r\n{ Sets column Column of the items of a list view, from the item at index First }"
    "\r\nprocedure SetViewTexts(View: HWND; const Texts: array of PChar;"
    "\r\n  First, Column: Integer);"
    "\r\nvar"
    "\r\n  Entry: Integer;"
    "\r\n  Item: TLVItem;"
    "\r\nbegin"
    "\r\n  Item.mask := LVIF_TEXT;"
    "\r\n  Item.iSubItem := Column;"
    "\r\n  for Entry := 0 to High(Texts) do begin"
    "\r\n    Item.pszText := Texts[Entry];"
    "\r\n    SendMessage(View, LVM_SETITEMTEXT, First + Entry, LParam(@Item));"
    "\r\n  end;"
    "\r\nend;\r\n";

// The parents live in TreeNodes from one call to the next, as the nodes of
// one tree may lie in several arrays.
constexpr char kAddTreeNodesProcedure[] =
    "\r\n{ Inserts the nodes of a tree view written as data, each below the last node"
    "\r\n  one level up }"
    "\r\nprocedure AddTreeNodes(Tree: HWND; const Captions: array of PChar;"
    "\r\n  const Depths: array of Byte);"
    "\r\nvar"
    "\r\n  Node: Integer;"
    "\r\n  Insert: TTVInsertStruct;"
    "\r\nbegin"
    "\r\n  Insert.hInsertAfter := TVI_LAST;"
    "\r\n  Insert.item.mask := TVIF_TEXT;"
    "\r\n  for Node := 0 to High(Captions) do begin"
    "\r\n    if Depths[Node] = 0 then"
    "\r\n      Insert.hParent := TVI_ROOT"
    "\r\n    else"
    "\r\n      Insert.hParent := TreeNodes[Depths[Node] - 1];"
    "\r\n    Insert.item.pszText := Captions[Node];"
    "\r\n    TreeNodes[Depths[Node]] :="
    "\r\n      HTREEITEM(SendMessage(Tree, TVM_INSERTITEM, 0, LParam(@Insert)));"
    "\r\n  end;"
    "\r\nend;\r\n";

// The depths of a tree's nodes beside its arrays of captions, twenty to a line.
std::vector<std::string> DeclareDepthArrays(const ListOutput& out, const std::string& window,
                                            const EntryArrays& captions,
                                            const std::function<int(size_t)>& depth_at) {
  std::vector<std::string> names;
  std::string text;
  for (size_t first = 0; first < captions.count; first += kEntriesPerArray) {
    const size_t size = std::min(kEntriesPerArray, captions.count - first);
    const std::string array = out.take_identifier(window + "Depths");
    text.assign("\r\nconst\r\n  ")
        .append(array)
        .append(": array[0..")
        .append(std::to_string(size - 1))
        .append("] of Byte = (");
    for (size_t i = 0; i < size; ++i) {
      text.append(i == 0 ? "\r\n    " : i % 20 == 0 ? ",\r\n    " : ", ");
      text.append(std::to_string(depth_at(first + i)));
    }
    text.append(");\r\n");
    out.program.AddText("procedures", text);
    names.push_back(array);
  }
  return names;
}

}  // namespace

EntryArrays DeclareEntryArrays(const ListOutput& out, const std::string& name, size_t count,
                               const EntryAt& at) {
  EntryArrays arrays;
  arrays.count = count;
  std::string text;  // one array at a time: the program holds the entries once
  for (size_t first = 0; first < count; first += kEntriesPerArray) {
    const size_t size = std::min(kEntriesPerArray, count - first);
    const std::string array = out.take_identifier(name + "Entries");
    text.assign("\r\nconst\r\n  ")
        .append(array)
        .append(": array[0..")
        .append(std::to_string(size - 1))
        .append("] of PChar = (");
    for (size_t i = 0; i < size; ++i)
      text.append(i == 0 ? "\r\n    " : ",\r\n    ").append(at(first + i));
    text.append(");\r\n");
    out.program.AddText("procedures", text);
    arrays.names.push_back(array);
  }
  return arrays;
}

std::string AddEntriesText(const ListOutput& out, const std::string& window,
                           const std::string& message, const EntryArrays& arrays) {
  out.program.AddTextOnce("procedures", kAddEntriesProcedure);
  std::string text;
  for (const std::string& array : arrays.names) {
    text += "\r\n  AddListEntries(" + window + ", " + message + ", " + array + ");";
  }
  return text;
}

std::string SetLinesText(const ListOutput& out, const std::string& window,
                         const EntryArrays& arrays) {
  out.program.AddTextOnce("procedures", kAppendLinesProcedure);
  out.program.AddTextOnce("var", "\r\n    ListText: String;");
  std::string text = "\r\n  ListText := '';";
  for (const std::string& array : arrays.names) {
    text += "\r\n  AppendListLines(ListText, " + array + ");";
  }
  // No CR LF behind the last line.
  return text + "\r\n  SetLength(ListText, Length(ListText) - 2);\r\n  SendMessage(" + window +
         ",WM_SETTEXT,0,LParam(PChar(ListText)));\r\n  ListText := '';";
}

std::string InsertTabsText(const ListOutput& out, const std::string& window,
                           const EntryArrays& arrays) {
  out.program.AddTextOnce("procedures", kInsertTabsProcedure);
  std::string text;
  for (size_t i = 0; i < arrays.names.size(); ++i) {
    text += "\r\n  InsertListTabs(" + window + ", " + arrays.names[i] + ", " +
            std::to_string(i * kEntriesPerArray) + ");";
  }
  return text;
}

std::string AddRadioItemsText(const ListOutput& out, const std::string& window,
                              const EntryArrays& arrays, const RadioPlaces& places) {
  out.program.AddTextOnce("procedures", kAddRadioItemsProcedure);
  std::string text;
  for (size_t i = 0; i < arrays.names.size(); ++i) {
    text += "\r\n  AddRadioItems(" + window + ", " + arrays.names[i] + ", " +
            std::to_string(i * kEntriesPerArray) + ",\r\n    " + places.per_column + ", " +
            places.width + ", " + places.height + ", " + places.top + ", " + places.tab_item + ");";
  }
  return text;
}

std::string AddViewItemsText(const ListOutput& out, const std::string& window,
                             const EntryArrays& captions,
                             const std::vector<EntryArrays>& sub_items) {
  out.program.AddTextOnce("procedures", kAddViewItemsProcedure);
  std::string text;
  for (size_t i = 0; i < captions.names.size(); ++i) {
    text += "\r\n  AddViewItems(" + window + ", " + captions.names[i] + ", " +
            std::to_string(i * kEntriesPerArray) + ");";
  }
  if (!sub_items.empty()) out.program.AddTextOnce("procedures", kSetViewTextsProcedure);
  for (size_t column = 0; column < sub_items.size(); ++column) {
    for (size_t i = 0; i < sub_items[column].names.size(); ++i) {
      text += "\r\n  SetViewTexts(" + window + ", " + sub_items[column].names[i] + ", " +
              std::to_string(i * kEntriesPerArray) + ", " + std::to_string(column + 1) + ");";
    }
  }
  return text;
}

std::string AddTreeNodesText(const ListOutput& out, const std::string& window,
                             const EntryArrays& captions,
                             const std::function<int(size_t)>& depth_at) {
  out.program.AddTextOnce("procedures", kAddTreeNodesProcedure);
  const std::vector<std::string> depths = DeclareDepthArrays(out, window, captions, depth_at);
  std::string text;
  for (size_t i = 0; i < captions.names.size(); ++i) {
    text += "\r\n  AddTreeNodes(" + window + ", " + captions.names[i] + ", " + depths[i] + ");";
  }
  return text;
}

std::string ItemsFontText(const ListOutput& out, const std::string& window, size_t count) {
  out.program.AddTextOnce("procedures", kItemsFontProcedure);
  return "\r\n  SetItemsFont(" + window + ", " + std::to_string(count) + ");";
}

}  // namespace vornic
