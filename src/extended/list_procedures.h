// The procedures a program holds to walk the lists it writes as data
// (extended/list_data.h): each is written once, the first time a list needs
// it, and walks one constant array of entries per call.
#pragma once

namespace vornic {

inline constexpr char kAddEntriesProcedure[] =
    "\r\n{ Adds the entries of a list written as data, each with the message that adds one }"
    "\r\nprocedure AddListEntries(Window: HWND; Message: UINT; const Entries: array of PWideChar);"
    "\r\nvar"
    "\r\n  Entry: Integer;"
    "\r\nbegin"
    "\r\n  for Entry := 0 to High(Entries) do"
    "\r\n    SendMessageW(Window, Message, 0, LParam(Entries[Entry]));"
    "\r\nend;\r\n";

// The text grows once per array, not once per line: a memo of a hundred
// thousand lines is not copied a hundred thousand times.
inline constexpr char kAppendLinesProcedure[] =
    "\r\n{ Appends the lines of a list written as data to Text, each followed by CR LF }"
    "\r\nprocedure AppendListLines(var Text: UnicodeString; const Lines: array of PWideChar);"
    "\r\nvar"
    "\r\n  Line, Size, At: Integer;"
    "\r\nbegin"
    "\r\n  Size := 0;"
    "\r\n  for Line := 0 to High(Lines) do"
    "\r\n    Inc(Size, lstrlenW(Lines[Line]) + 2);"
    "\r\n  At := Length(Text);"
    "\r\n  SetLength(Text, At + Size);"
    "\r\n  for Line := 0 to High(Lines) do begin"
    "\r\n    Size := lstrlenW(Lines[Line]);"
    "\r\n    if Size > 0 then Move(Lines[Line]^, Text[At + 1], Size * SizeOf(WideChar));"
    "\r\n    Text[At + Size + 1] := #13;"
    "\r\n    Text[At + Size + 2] := #10;"
    "\r\n    Inc(At, Size + 2);"
    "\r\n  end;"
    "\r\nend;\r\n";

inline constexpr char kInsertTabsProcedure[] =
    "\r\n{ Inserts the tabs of a list written as data, the first at index First }"
    "\r\nprocedure InsertListTabs(Tabs: HWND; const Captions: array of PWideChar; First: Integer);"
    "\r\nvar"
    "\r\n  Tab: Integer;"
    "\r\n  Entry: TC_ITEMW;"
    "\r\nbegin"
    "\r\n  Entry.mask := TCIF_TEXT;"
    "\r\n  for Tab := 0 to High(Captions) do begin"
    "\r\n    Entry.pszText := Captions[Tab];"
    "\r\n    SendMessageW(Tabs, TCM_INSERTITEMW, First + Tab, LParam(@Entry));"
    "\r\n  end;"
    "\r\nend;\r\n";

inline constexpr char kInsertImageTabsProcedure[] =
    "\r\n{ Inserts the tabs of a list written as data, the first at index First, each"
    "\r\n  showing the image of its index }"
    "\r\nprocedure InsertListImageTabs(Tabs: HWND; const Captions: array of PWideChar; First: "
    "Integer);"
    "\r\nvar"
    "\r\n  Tab: Integer;"
    "\r\n  Entry: TC_ITEMW;"
    "\r\nbegin"
    "\r\n  Entry.mask := TCIF_TEXT or TCIF_IMAGE;"
    "\r\n  for Tab := 0 to High(Captions) do begin"
    "\r\n    Entry.pszText := Captions[Tab];"
    "\r\n    Entry.iImage := First + Tab;"
    "\r\n    SendMessageW(Tabs, TCM_INSERTITEMW, First + Tab, LParam(@Entry));"
    "\r\n  end;"
    "\r\nend;\r\n";

// The same places and styles as a radio group's items written one by one.
inline constexpr char kAddRadioItemsProcedure[] =
    "\r\n{ Creates the items of a radio group written as data, the first numbered First }"
    "\r\nprocedure AddRadioItems(Group: HWND; const Captions: array of PWideChar;"
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
    "\r\n    CreateWindowExW(0, 'Button', Captions[Item], Style,"
    "\r\n      (Index div PerColumn) * ItemWidth + 8, (Index mod PerColumn) * ItemHeight + "
    "FirstTop,"
    "\r\n      ItemWidth, ItemHeight, Group, HMENU(Index + 1), Inst, nil);"
    "\r\n  end;"
    "\r\nend;\r\n";

// Run once the fonts are assigned: the group box has its own by then.
inline constexpr char kItemsFontProcedure[] =
    "\r\n{ Gives the items numbered 1 to Count of a window the window's font }"
    "\r\nprocedure SetItemsFont(Group: HWND; Count: Integer);"
    "\r\nvar"
    "\r\n  Item: Integer;"
    "\r\n  Font: WPARAM;"
    "\r\nbegin"
    "\r\n  Font := SendMessageW(Group, WM_GETFONT, 0, 0);"
    "\r\n  for Item := 1 to Count do"
    "\r\n    SendMessageW(GetDlgItem(Group, Item), WM_SETFONT, Font, 0);"
    "\r\nend;\r\n";

inline constexpr char kAddViewItemsProcedure[] =
    "\r\n{ Inserts the items of a list view written as data, the first at index First }"
    "\r\nprocedure AddViewItems(View: HWND; const Captions: array of PWideChar; First: Integer);"
    "\r\nvar"
    "\r\n  Entry: Integer;"
    "\r\n  Item: TLVItemW;"
    "\r\nbegin"
    "\r\n  Item.mask := LVIF_TEXT;"
    "\r\n  Item.iSubItem := 0;"
    "\r\n  for Entry := 0 to High(Captions) do begin"
    "\r\n    Item.iItem := First + Entry;"
    "\r\n    Item.pszText := Captions[Entry];"
    "\r\n    SendMessageW(View, LVM_INSERTITEMW, 0, LParam(@Item));"
    "\r\n  end;"
    "\r\nend;\r\n";

inline constexpr char kSetViewTextsProcedure[] =
    "\r\n{ Sets column Column of the items of a list view, from the item at index First }"
    "\r\nprocedure SetViewTexts(View: HWND; const Texts: array of PWideChar;"
    "\r\n  First, Column: Integer);"
    "\r\nvar"
    "\r\n  Entry: Integer;"
    "\r\n  Item: TLVItemW;"
    "\r\nbegin"
    "\r\n  Item.mask := LVIF_TEXT;"
    "\r\n  Item.iSubItem := Column;"
    "\r\n  for Entry := 0 to High(Texts) do begin"
    "\r\n    Item.pszText := Texts[Entry];"
    "\r\n    SendMessageW(View, LVM_SETITEMTEXTW, First + Entry, LParam(@Item));"
    "\r\n  end;"
    "\r\nend;\r\n";

inline constexpr char kAddViewImageItemsProcedure[] =
    "\r\n{ Inserts the items of a list view written as data with their images, the first"
    "\r\n  at index First }"
    "\r\nprocedure AddViewImageItems(View: HWND; const Captions: array of PWideChar;"
    "\r\n  const Images: array of Integer; First: Integer);"
    "\r\nvar"
    "\r\n  Entry: Integer;"
    "\r\n  Item: TLVItemW;"
    "\r\nbegin"
    "\r\n  Item.mask := LVIF_TEXT or LVIF_IMAGE;"
    "\r\n  Item.iSubItem := 0;"
    "\r\n  for Entry := 0 to High(Captions) do begin"
    "\r\n    Item.iItem := First + Entry;"
    "\r\n    Item.pszText := Captions[Entry];"
    "\r\n    Item.iImage := Images[Entry];"
    "\r\n    SendMessageW(View, LVM_INSERTITEMW, 0, LParam(@Item));"
    "\r\n  end;"
    "\r\nend;\r\n";

// A state image's number stands in the top four bits of an item's state.
inline constexpr char kSetViewStatesProcedure[] =
    "\r\n{ Sets the state images of the items of a list view, from the item at index First }"
    "\r\nprocedure SetViewStates(View: HWND; const States: array of Integer; First: Integer);"
    "\r\nvar"
    "\r\n  Entry: Integer;"
    "\r\n  Item: TLVItemW;"
    "\r\nbegin"
    "\r\n  Item.stateMask := LVIS_STATEIMAGEMASK;"
    "\r\n  for Entry := 0 to High(States) do begin"
    "\r\n    Item.state := States[Entry] shl 12;"
    "\r\n    SendMessageW(View, LVM_SETITEMSTATE, First + Entry, LParam(@Item));"
    "\r\n  end;"
    "\r\nend;\r\n";

// The parents live in TreeNodes from one call to the next, as the nodes of
// one tree may lie in several arrays.
inline constexpr char kAddTreeNodesProcedure[] =
    "\r\n{ Inserts the nodes of a tree view written as data, each below the last node"
    "\r\n  one level up }"
    "\r\nprocedure AddTreeNodes(Tree: HWND; const Captions: array of PWideChar;"
    "\r\n  const Depths: array of Byte);"
    "\r\nvar"
    "\r\n  Node: Integer;"
    "\r\n  Insert: TTVInsertStructW;"
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
    "\r\n      HTREEITEM(SendMessageW(Tree, TVM_INSERTITEMW, 0, LParam(@Insert)));"
    "\r\n  end;"
    "\r\nend;\r\n";

inline constexpr char kAddTreeImageNodesProcedure[] =
    "\r\n{ Inserts the nodes of a tree view written as data with their images, each below"
    "\r\n  the last node one level up }"
    "\r\nprocedure AddTreeImageNodes(Tree: HWND; const Captions: array of PWideChar;"
    "\r\n  const Depths: array of Byte; const Images, SelectedImages, States: array of Integer);"
    "\r\nvar"
    "\r\n  Node: Integer;"
    "\r\n  Insert: TTVInsertStructW;"
    "\r\nbegin"
    "\r\n  Insert.hInsertAfter := TVI_LAST;"
    "\r\n  Insert.item.mask := TVIF_TEXT or TVIF_IMAGE or TVIF_SELECTEDIMAGE or TVIF_STATE;"
    "\r\n  Insert.item.stateMask := TVIS_STATEIMAGEMASK;"
    "\r\n  for Node := 0 to High(Captions) do begin"
    "\r\n    if Depths[Node] = 0 then"
    "\r\n      Insert.hParent := TVI_ROOT"
    "\r\n    else"
    "\r\n      Insert.hParent := TreeNodes[Depths[Node] - 1];"
    "\r\n    Insert.item.pszText := Captions[Node];"
    "\r\n    Insert.item.iImage := Images[Node];"
    "\r\n    Insert.item.iSelectedImage := SelectedImages[Node];"
    "\r\n    Insert.item.state := States[Node] shl 12;"
    "\r\n    TreeNodes[Depths[Node]] :="
    "\r\n      HTREEITEM(SendMessageW(Tree, TVM_INSERTITEMW, 0, LParam(@Insert)));"
    "\r\n  end;"
    "\r\nend;\r\n";

inline constexpr char kAddComboItemsProcedure[] =
    "\r\n{ Inserts the items of an extended combo box written as data with their images,"
    "\r\n  the first at index First }"
    "\r\nprocedure AddComboItems(Box: HWND; const Captions: array of PWideChar;"
    "\r\n  const Images, SelectedImages: array of Integer; First: Integer);"
    "\r\nvar"
    "\r\n  Entry: Integer;"
    "\r\n  Item: TComboBoxExItemW;"
    "\r\nbegin"
    "\r\n  Item.mask := CBEIF_TEXT or CBEIF_IMAGE or CBEIF_SELECTEDIMAGE;"
    "\r\n  for Entry := 0 to High(Captions) do begin"
    "\r\n    Item.iItem := First + Entry;"
    "\r\n    Item.pszText := Captions[Entry];"
    "\r\n    Item.iImage := Images[Entry];"
    "\r\n    Item.iSelectedImage := SelectedImages[Entry];"
    "\r\n    SendMessageW(Box, CBEM_INSERTITEMW, 0, LParam(@Item));"
    "\r\n  end;"
    "\r\nend;\r\n";

}  // namespace vornic
