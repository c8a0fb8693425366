// List views and tree views: the system's 'SysListView32' with its columns and
// view style, and 'SysTreeView32', each filled with the items the form stores
// in binary (extended/item_data.h) with their images from the image lists it
// names (extended/item_images.h); long item lists are written as data.
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/control_steps.h"
#include "extended/control.h"
#include "extended/control_values.h"
#include "extended/form_writer.h"
#include "extended/item_data.h"
#include "extended/item_images.h"
#include "extended/list_data.h"
#include "extended/list_output.h"
#include "extended/value_styles.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "lib/text.h"
#include "pictures/picture_data.h"

namespace vornic {

namespace {

constexpr ValueStyle kViewStyles[] = {{"vsIcon", " or LVS_ICON"},
                                      {"vsSmallIcon", " or LVS_SMALLICON"},
                                      {"vsList", " or LVS_LIST"},
                                      {"vsReport", " or LVS_REPORT"}};
constexpr ValueStyle kColumnAlignments[] = {{"taLeftJustify", "LVCFMT_LEFT"},
                                            {"taRightJustify", "LVCFMT_RIGHT"},
                                            {"taCenter", "LVCFMT_CENTER"}};

// A column that stores no width has the class library's default.
constexpr char kDefaultColumnWidth[] = "50";
// Tree depths the program keeps a parent for; deeper nodes join the deepest.
constexpr int kMaxTreeDepth = 63;

// What the items are decoded from: the property of one byte a character and
// that of two.
struct ItemProperties {
  std::string_view narrow;
  std::string_view wide;
};

constexpr ItemProperties kListItems = {"Items.Data", "Items.ItemData"};
constexpr ItemProperties kTreeNodes = {"Items.Data", "Items.NodeData"};

// The items of the last of the item properties that holds any `decode`
// (DecodeStoredItems, DecodeStoredNodes) understands.
template <typename Item>
std::vector<Item> StoredItemsOf(const Control& control, const ItemProperties& names,
                                std::optional<std::vector<Item>> (*decode)(std::string_view,
                                                                           bool)) {
  std::vector<Item> found;
  for (const FormProperty& property : control.object.properties) {
    const bool wide = property.name == names.wide;
    if (!wide && property.name != names.narrow) continue;
    std::string bytes;
    if (property.shape != FormProperty::Shape::kData || !BytesFromHexText(property.data, &bytes) ||
        bytes.empty()) {
      continue;
    }
    if (auto items = decode(bytes, wide)) found = std::move(*items);
  }
  return found;
}

// The texts of a list's entries as constant arrays named after `name`.
EntryArrays DeclareTexts(const ListOutput& out, const std::string& name,
                         const std::vector<std::string>& texts) {
  return DeclareEntryArrays(out, name, texts.size(),
                            [&texts](size_t i) { return std::string_view(texts[i]); });
}

// --- list views ---

struct ListColumn {
  std::string caption;
  std::string width = kDefaultColumnWidth;
  std::string alignment;
};

std::vector<ListColumn> ColumnsOf(const Control& control) {
  std::vector<ListColumn> columns;
  const FormProperty* collection = control.object.Find("Columns");
  if (collection == nullptr) return columns;
  for (const FormItem& item : collection->items) {
    ListColumn& column = columns.emplace_back();
    column.caption = item.Value("Caption");
    if (item.Has("Width")) column.width = item.Value("Width");
    column.alignment = item.Value("Alignment");
  }
  return columns;
}

std::string ListViewStyles(const Control& control) {
  return std::string("WS_VISIBLE or WS_CHILD or WS_TABSTOP") +
         StyleForValue(kViewStyles, control.Value("ViewStyle")) +
         StyleIf(!FlagOf(control.Value("ShowColumnHeaders"), true), "LVS_NOCOLUMNHEADER") +
         StyleIf(!FlagOf(control.Value("MultiSelect"), false), "LVS_SINGLESEL") +
         StyleIf(!FlagOf(control.Value("HideSelection"), true), "LVS_SHOWSELALWAYS") +
         StyleIf(!FlagOf(control.Value("ReadOnly"), false), "LVS_EDITLABELS");
}

std::string ExtendedStyleLines(const Control& control, const std::string& name) {
  const std::string styles =
      StyleIf(FlagOf(control.Value("GridLines"), false), "LVS_EX_GRIDLINES") +
      StyleIf(FlagOf(control.Value("RowSelect"), false), "LVS_EX_FULLROWSELECT") +
      StyleIf(FlagOf(control.Value("Checkboxes"), false), "LVS_EX_CHECKBOXES");
  if (styles.empty()) return "";
  return "\r\n  SendMessageW(" + name + ",LVM_SETEXTENDEDLISTVIEWSTYLE,0," + styles.substr(4) +
         ");";
}

std::string ColumnLines(const std::vector<ListColumn>& columns, const std::string& name) {
  if (columns.empty()) return "";
  std::string text =
      "\r\n  { add columns to list view }\r\n  ListColumn.mask := LVCF_TEXT or LVCF_WIDTH or "
      "LVCF_FMT;";
  for (size_t i = 0; i < columns.size(); ++i) {
    const ListColumn& column = columns[i];
    const std::string index = std::to_string(i);
    // A negative width asks the view to fit the column to its texts.
    const bool fitted = TextToInt(column.width) < 0;
    text += "\r\n  ListColumn.fmt := " +
            std::string(StyleForValue(kColumnAlignments, column.alignment)) +
            "; ListColumn.cx := " + (fitted ? std::string(kDefaultColumnWidth) : column.width) +
            "; ListColumn.pszText := PWideChar(" + QuotedOrEmpty(column.caption) + ");" +
            "\r\n  SendMessageW(" + name + ",LVM_INSERTCOLUMNW," + index + ",LParam(@ListColumn));";
    if (fitted) {
      text +=
          "\r\n  SendMessageW(" + name + ",LVM_SETCOLUMNWIDTH," + index + "," + column.width + ");";
    }
  }
  return text;
}

// Many items are written as data: their captions, and the texts of each
// further column, '' for an item without one.
std::string ItemsAsData(FormWriter& writer, const std::string& name,
                        const std::vector<StoredItem>& items, const ViewImageLists& lists) {
  const ListOutput out = ListOutputOf(writer);
  std::vector<std::string> texts;
  for (const StoredItem& item : items) texts.push_back(PascalLiteral(item.caption));
  const EntryArrays captions = DeclareTexts(out, name, texts);
  size_t columns = 0;
  for (const StoredItem& item : items) columns = std::max(columns, item.sub_items.size());
  std::vector<EntryArrays> sub_items;
  for (size_t j = 0; j < columns; ++j) {
    for (size_t i = 0; i < items.size(); ++i) {
      texts[i] = PascalLiteral(j < items[i].sub_items.size() ? items[i].sub_items[j] : u"");
    }
    sub_items.push_back(DeclareTexts(out, name, texts));
  }
  EntryImages images;
  if (lists.images()) images.image = [&items](size_t i) { return ItemImage(items[i].image); };
  if (lists.states()) {
    images.state = [&items](size_t i) { return std::to_string(ViewStateNumber(items[i])); };
  }
  return "\r\n  { add items to list view }" +
         AddViewItemsText(out, name, captions, sub_items, images);
}

// An item's caption in the first column and its further texts in the next.
std::string ItemStatements(const std::string& name, size_t index, const StoredItem& item,
                           const ViewImageLists& lists) {
  const std::string row = std::to_string(index);
  std::string text = "\r\n  ListItem.iItem := " + row +
                     "; ListItem.iSubItem := 0; ListItem.pszText := PWideChar(" +
                     PascalLiteral(item.caption) + ");" + ItemImageLine(item, lists) +
                     "\r\n  SendMessageW(" + name + ",LVM_INSERTITEMW,0,LParam(@ListItem));";
  for (size_t j = 0; j < item.sub_items.size(); ++j) {
    text += "\r\n  ListItem.iSubItem := " + std::to_string(j + 1) +
            "; ListItem.pszText := PWideChar(" + PascalLiteral(item.sub_items[j]) +
            ");\r\n  SendMessageW(" + name + ",LVM_SETITEMTEXTW," + row + ",LParam(@ListItem));";
  }
  return text;
}

std::string ItemLines(FormWriter& writer, const std::string& name,
                      const std::vector<StoredItem>& items, const ViewImageLists& lists) {
  if (items.empty()) return "";
  if (IsLongList(items.size())) return ItemsAsData(writer, name, items, lists);
  std::string text = "\r\n  { add items to list view }\r\n  ListItem.mask := LVIF_TEXT" +
                     StyleIf(lists.images(), "LVIF_IMAGE") + StyleIf(lists.states(), "LVIF_STATE") +
                     ";";
  if (lists.states()) text += "\r\n  ListItem.stateMask := LVIS_STATEIMAGEMASK;";
  for (size_t i = 0; i < items.size(); ++i) text += ItemStatements(name, i, items[i], lists);
  return text;
}

class ListViewWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    writer.DeclareOnce("ListColumn: TLVColumnW;");
    writer.DeclareOnce("ListItem: TLVItemW;");
    const ViewImageLists lists = ViewImageListsOf(writer, control);
    const std::vector<StoredItem> items = StoredItemsOf(control, kListItems, DecodeStoredItems);
    WriteWindow(
        writer, control,
        {.name = name,
         .banner = "Create a list view",
         .call = ":= CreateWindowExW(" + BorderExStyle(control.Value("BorderStyle")) +
                 ", 'SysListView32','', ",
         // The main window frees the image lists, which others may share.
         .styles = ListViewStyles(control) + StyleIf(lists.any(), "LVS_SHAREIMAGELISTS"),
         .box = box,
         .after = ExtendedStyleLines(control, name) + ViewImageListLines(lists, name) +
                  ColumnLines(ColumnsOf(control), name) + ItemLines(writer, name, items, lists),
         .takes_focus = true,
         .common = true});
  }
};

// --- tree views ---

std::string TreeViewStyles(const Control& control) {
  const bool lines = FlagOf(control.Value("ShowLines"), true);
  // The system draws a full row selection only without lines.
  const bool row_select = FlagOf(control.Value("RowSelect"), false) && !lines;
  return "WS_VISIBLE or WS_CHILD or WS_TABSTOP" + StyleIf(lines, "TVS_HASLINES") +
         StyleIf(FlagOf(control.Value("ShowButtons"), true), "TVS_HASBUTTONS") +
         StyleIf(FlagOf(control.Value("ShowRoot"), true), "TVS_LINESATROOT") +
         StyleIf(!FlagOf(control.Value("HideSelection"), true), "TVS_SHOWSELALWAYS") +
         StyleIf(!FlagOf(control.Value("ReadOnly"), false), "TVS_EDITLABELS") +
         StyleIf(row_select, "TVS_FULLROWSELECT");
}

int DepthOf(const StoredNode& node) { return std::min(node.depth, kMaxTreeDepth); }

std::string NodesAsData(FormWriter& writer, const std::string& name,
                        const std::vector<StoredNode>& nodes, const TreeImageLists& lists) {
  const ListOutput out = ListOutputOf(writer);
  std::vector<std::string> texts;
  for (const StoredNode& node : nodes) texts.push_back(PascalLiteral(node.text));
  EntryImages images;
  if (lists.any()) {
    images = {[&nodes](size_t i) { return ItemImage(nodes[i].image); },
              [&nodes](size_t i) { return ItemImage(nodes[i].selected_image); },
              [&nodes](size_t i) { return std::to_string(TreeStateNumber(nodes[i])); }};
  }
  const EntryArrays captions = DeclareTexts(out, name, texts);
  const auto depth_at = [&nodes](size_t i) { return DepthOf(nodes[i]); };
  return "\r\n  { add items to tree view }" +
         AddTreeNodesText(out, name, captions, depth_at, images);
}

// Node `i` goes below the last node one level up; one that a deeper node
// follows is kept as the parent of its level.
std::string NodeStatement(const std::string& name, const std::vector<StoredNode>& nodes, size_t i,
                          const TreeImageLists& lists) {
  const int depth = DepthOf(nodes[i]);
  const bool parent =
      i + 1 < nodes.size() && nodes[i + 1].depth > nodes[i].depth && depth < kMaxTreeDepth;
  return "\r\n  TreeInsert.hParent := " +
         (depth == 0 ? std::string("TVI_ROOT") : "TreeNodes[" + std::to_string(depth - 1) + "]") +
         "; TreeInsert.item.pszText := PWideChar(" + PascalLiteral(nodes[i].text) + ");" +
         NodeImageLine(nodes[i], lists) + "\r\n  " +
         (parent ? "TreeNodes[" + std::to_string(depth) + "] := HTREEITEM(" : std::string()) +
         "SendMessageW(" + name + ",TVM_INSERTITEMW,0,LParam(@TreeInsert))" + (parent ? ");" : ";");
}

// The program keeps the last node of each level in TreeNodes.
std::string NodeLines(FormWriter& writer, const std::string& name,
                      const std::vector<StoredNode>& nodes, const TreeImageLists& lists) {
  if (nodes.empty()) return "";
  const bool as_data = IsLongList(nodes.size());
  if (!as_data) writer.DeclareOnce("TreeInsert: TTVInsertStructW;");
  writer.AddTextOnce(
      "var", "\r\n    TreeNodes: array[0.." + std::to_string(kMaxTreeDepth) + "] of HTREEITEM;");
  if (as_data) return NodesAsData(writer, name, nodes, lists);
  std::string text =
      "\r\n  { add items to tree view }\r\n  TreeInsert.hInsertAfter := TVI_LAST; "
      "TreeInsert.item.mask := TVIF_TEXT" +
      StyleIf(lists.images(), "TVIF_IMAGE or TVIF_SELECTEDIMAGE") +
      StyleIf(lists.states(), "TVIF_STATE") + ";";
  if (lists.states()) text += "\r\n  TreeInsert.item.stateMask := TVIS_STATEIMAGEMASK;";
  for (size_t i = 0; i < nodes.size(); ++i) text += NodeStatement(name, nodes, i, lists);
  return text;
}

class TreeViewWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    const TreeImageLists lists = TreeImageListsOf(writer, control);
    std::string after;
    if (!control.Value("Indent").empty()) {
      after = "\r\n  SendMessageW(" + name + ",TVM_SETINDENT," + control.Value("Indent") + ",0);";
    }
    after += TreeImageListLines(lists, name);
    const std::vector<StoredNode> nodes = StoredItemsOf(control, kTreeNodes, DecodeStoredNodes);
    WriteWindow(writer, control,
                {.name = name,
                 .banner = "Create a tree view",
                 .call = ":= CreateWindowExW(" + BorderExStyle(control.Value("BorderStyle")) +
                         ", 'SysTreeView32','', ",
                 .styles = TreeViewStyles(control),
                 .box = box,
                 .after = after + NodeLines(writer, name, nodes, lists),
                 .takes_focus = true,
                 .common = true});
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewListViewWriter() { return std::make_unique<ListViewWriter>(); }

std::unique_ptr<ControlWriter> NewTreeViewWriter() { return std::make_unique<TreeViewWriter>(); }

}  // namespace vornic
