// List views and tree views, classes only the extended translation writes:
// the system's 'SysListView32' with its columns and view style, and
// 'SysTreeView32', each filled with the items the form stores in binary.
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/control_steps.h"
#include "controls/item_data.h"
#include "controls/list_data.h"
#include "controls/property_tables.h"
#include "controls/record_generator.h"
#include "controls/window_control.h"
#include "lib/text.h"

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

struct ListColumn {
  std::string Caption;
  std::string Width = kDefaultColumnWidth;
  std::string Alignment;
};

struct ItemViewRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string BorderStyle;
  std::string ReadOnly;
  std::string HideSelection;
  // List views.
  std::string ViewStyle;
  std::string GridLines;
  std::string RowSelect;
  std::string Checkboxes;
  std::string MultiSelect;
  std::string ShowColumnHeaders;
  std::vector<ListColumn> Columns;
  std::vector<StoredItem> Items;
  // Tree views.
  std::string ShowLines;
  std::string ShowButtons;
  std::string ShowRoot;
  std::string Indent;
  std::vector<StoredNode> Nodes;
};

constexpr NamedField<ItemViewRecord> kListViewFields[] = {
    {"BorderStyle", &ItemViewRecord::BorderStyle},
    {"ReadOnly", &ItemViewRecord::ReadOnly},
    {"HideSelection", &ItemViewRecord::HideSelection},
    {"ViewStyle", &ItemViewRecord::ViewStyle},
    {"GridLines", &ItemViewRecord::GridLines},
    {"RowSelect", &ItemViewRecord::RowSelect},
    {"Checkboxes", &ItemViewRecord::Checkboxes},
    {"MultiSelect", &ItemViewRecord::MultiSelect},
    {"ShowColumnHeaders", &ItemViewRecord::ShowColumnHeaders}};

constexpr NamedField<ItemViewRecord> kTreeViewFields[] = {
    {"BorderStyle", &ItemViewRecord::BorderStyle},
    {"ReadOnly", &ItemViewRecord::ReadOnly},
    {"HideSelection", &ItemViewRecord::HideSelection},
    {"RowSelect", &ItemViewRecord::RowSelect},
    {"ShowLines", &ItemViewRecord::ShowLines},
    {"ShowButtons", &ItemViewRecord::ShowButtons},
    {"ShowRoot", &ItemViewRecord::ShowRoot},
    {"Indent", &ItemViewRecord::Indent}};

// What list and tree views share: the items they store in binary.
class ItemViewGenerator : public RecordGenerator<ItemViewRecord> {
 protected:
  std::string StoredData(const char* narrow, const char* wide, bool& is_wide) const {
    is_wide = values_.property() == wide;
    return values_.property() == narrow || is_wide ? values_.DataBytes() : "";
  }
};

class ListViewGenerator final : public ItemViewGenerator {
 public:
  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(record_)) return;
    const ItemViewRecord& view = record_;
    std::string styles = std::string("WS_VISIBLE or WS_CHILD or WS_TABSTOP") +
                         StyleForValue(kViewStyles, view.ViewStyle);
    if (!FlagOf(view.ShowColumnHeaders, true)) styles += " or LVS_NOCOLUMNHEADER";
    if (!FlagOf(view.MultiSelect, false)) styles += " or LVS_SINGLESEL";
    if (!FlagOf(view.HideSelection, true)) styles += " or LVS_SHOWSELALWAYS";
    if (!FlagOf(view.ReadOnly, false)) styles += " or LVS_EDITLABELS";
    context.DeclareOnce("ListColumn: TLVColumn;");
    context.DeclareOnce("ListItem: TLVItem;");
    CreateWindowControl(context, {.level = line.Level,
                                  .name = view.ControlName,
                                  .banner = "Create a list view",
                                  .call = ":= CreateWindowEx(" + BorderExStyle(view.BorderStyle) +
                                          ", 'SysListView32','', ",
                                  .styles = styles,
                                  .box = BoxOf(view),
                                  .after = ExtendedStyles() + ColumnLines() + ItemLines(context),
                                  .takes_focus = true,
                                  .common = true});
  }

 private:
  void StoreProperty(const LineWords& line) override {
    StoreNamedField(kListViewFields, record_, line);
  }

  void OnItemProperty(const LineWords& line) override {
    if (values_.property() != "Columns") return;
    if (record_.Columns.size() <= static_cast<size_t>(values_.item())) {
      record_.Columns.resize(static_cast<size_t>(values_.item()) + 1);
    }
    ListColumn& column = record_.Columns[static_cast<size_t>(values_.item())];
    if (line.Word1 == "Caption") {
      column.Caption = line.Word3;
    } else if (line.Word1 == "Width") {
      column.Width = line.Word3;
    } else if (line.Word1 == "Alignment") {
      column.Alignment = line.Word3;
    }
  }

  void OnValueRead() override {
    bool wide = false;
    const std::string data = StoredData("Items.Data", "Items.ItemData", wide);
    if (data.empty()) return;
    if (auto items = DecodeStoredItems(data, wide)) record_.Items = std::move(*items);
  }

  std::string ExtendedStyles() const {
    std::string styles;
    if (FlagOf(record_.GridLines, false)) styles += " or LVS_EX_GRIDLINES";
    if (FlagOf(record_.RowSelect, false)) styles += " or LVS_EX_FULLROWSELECT";
    if (FlagOf(record_.Checkboxes, false)) styles += " or LVS_EX_CHECKBOXES";
    if (styles.empty()) return "";
    return "\r\n  SendMessage(" + record_.ControlName + ",LVM_SETEXTENDEDLISTVIEWSTYLE,0," +
           styles.substr(4) + ");";
  }

  std::string ColumnLines() const {
    if (record_.Columns.empty()) return "";
    const std::string& name = record_.ControlName;
    std::string text =
        "\r\n  { add columns to list view }\r\n  ListColumn.mask := LVCF_TEXT or LVCF_WIDTH or "
        "LVCF_FMT;";
    for (size_t i = 0; i < record_.Columns.size(); ++i) {
      const ListColumn& column = record_.Columns[i];
      const std::string index = std::to_string(i);
      // A negative width asks the view to fit the column to its texts.
      const bool fitted = TextToInt(column.Width) < 0;
      text += "\r\n  ListColumn.fmt := " +
              std::string(StyleForValue(kColumnAlignments, column.Alignment)) +
              "; ListColumn.cx := " + (fitted ? std::string(kDefaultColumnWidth) : column.Width) +
              "; ListColumn.pszText := PChar(" + QuotedOrEmpty(column.Caption) + ");" +
              "\r\n  SendMessage(" + name + ",LVM_INSERTCOLUMN," + index + ",LParam(@ListColumn));";
      if (fitted) {
        text += "\r\n  SendMessage(" + name + ",LVM_SETCOLUMNWIDTH," + index + "," + column.Width +
                ");";
      }
    }
    return text;
  }

  // Many items are written as data: their captions, and the texts of each
  // further column, '' for an item without one.
  std::string ItemsAsData(GeneratorContext context) const {
    const std::vector<StoredItem>& items = record_.Items;
    const std::string& name = record_.ControlName;
    std::vector<std::string> texts(items.size());
    const EntryAt text_at = [&texts](size_t i) { return std::string_view(texts[i]); };
    const auto declare = [&](const auto& text_of) {
      for (size_t i = 0; i < items.size(); ++i) texts[i] = PascalLiteral(text_of(items[i]));
      return DeclareEntryArrays(context, name, items.size(), text_at);
    };
    const EntryArrays captions = declare([](const StoredItem& item) { return item.caption; });
    size_t columns = 0;
    for (const StoredItem& item : items) columns = std::max(columns, item.sub_items.size());
    std::vector<EntryArrays> sub_items;
    for (size_t j = 0; j < columns; ++j) {
      sub_items.push_back(declare([j](const StoredItem& item) {
        return j < item.sub_items.size() ? item.sub_items[j] : std::u16string();
      }));
    }
    return "\r\n  { add items to list view }" +
           AddViewItemsText(context, name, captions, sub_items);
  }

  std::string ItemLines(GeneratorContext context) const {
    if (record_.Items.empty()) return "";
    if (WritesAsData(context, record_.Items.size())) return ItemsAsData(context);
    const std::string& name = record_.ControlName;
    std::string text = "\r\n  { add items to list view }\r\n  ListItem.mask := LVIF_TEXT;";
    for (size_t i = 0; i < record_.Items.size(); ++i) {
      const StoredItem& item = record_.Items[i];
      text += "\r\n  ListItem.iItem := " + std::to_string(i) +
              "; ListItem.iSubItem := 0; ListItem.pszText := PChar(" + PascalLiteral(item.caption) +
              ");\r\n  SendMessage(" + name + ",LVM_INSERTITEM,0,LParam(@ListItem));";
      for (size_t j = 0; j < item.sub_items.size(); ++j) {
        text += "\r\n  ListItem.iSubItem := " + std::to_string(j + 1) +
                "; ListItem.pszText := PChar(" + PascalLiteral(item.sub_items[j]) +
                ");\r\n  SendMessage(" + name + ",LVM_SETITEMTEXT," + std::to_string(i) +
                ",LParam(@ListItem));";
      }
    }
    return text;
  }
};

class TreeViewGenerator final : public ItemViewGenerator {
 public:
  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(record_)) return;
    const ItemViewRecord& view = record_;
    std::string styles = "WS_VISIBLE or WS_CHILD or WS_TABSTOP";
    if (FlagOf(view.ShowLines, true)) styles += " or TVS_HASLINES";
    if (FlagOf(view.ShowButtons, true)) styles += " or TVS_HASBUTTONS";
    if (FlagOf(view.ShowRoot, true)) styles += " or TVS_LINESATROOT";
    if (!FlagOf(view.HideSelection, true)) styles += " or TVS_SHOWSELALWAYS";
    if (!FlagOf(view.ReadOnly, false)) styles += " or TVS_EDITLABELS";
    // The system draws a full row selection only without lines.
    if (FlagOf(view.RowSelect, false) && !FlagOf(view.ShowLines, true)) {
      styles += " or TVS_FULLROWSELECT";
    }
    std::string after;
    if (!view.Indent.empty()) {
      after = "\r\n  SendMessage(" + view.ControlName + ",TVM_SETINDENT," + view.Indent + ",0);";
    }
    CreateWindowControl(context, {.level = line.Level,
                                  .name = view.ControlName,
                                  .banner = "Create a tree view",
                                  .call = ":= CreateWindowEx(" + BorderExStyle(view.BorderStyle) +
                                          ", 'SysTreeView32','', ",
                                  .styles = styles,
                                  .box = BoxOf(view),
                                  .after = after + NodeLines(context),
                                  .takes_focus = true,
                                  .common = true});
  }

 private:
  void StoreProperty(const LineWords& line) override {
    StoreNamedField(kTreeViewFields, record_, line);
  }

  void OnValueRead() override {
    bool wide = false;
    const std::string data = StoredData("Items.Data", "Items.NodeData", wide);
    if (data.empty()) return;
    if (auto nodes = DecodeStoredNodes(data, wide)) record_.Nodes = std::move(*nodes);
  }

  // Each node is inserted below the last node one level up, which the
  // program keeps in TreeNodes when a deeper node follows.
  std::string NodeLines(GeneratorContext context) const {
    const std::vector<StoredNode>& nodes = record_.Nodes;
    if (nodes.empty()) return "";
    const bool as_data = WritesAsData(context, nodes.size());
    if (!as_data) context.DeclareOnce("TreeInsert: TTVInsertStruct;");
    context.AddTextOnce(
        "var", "\r\n    TreeNodes: array[0.." + std::to_string(kMaxTreeDepth) + "] of HTREEITEM;");
    if (as_data) {
      std::vector<std::string> texts;
      for (const StoredNode& node : nodes) texts.push_back(PascalLiteral(node.text));
      const EntryArrays captions =
          DeclareEntryArrays(context, record_.ControlName, nodes.size(),
                             [&texts](size_t i) { return std::string_view(texts[i]); });
      return "\r\n  { add items to tree view }" +
             AddTreeNodesText(context, record_.ControlName, captions, [&nodes](size_t i) {
               return std::min(nodes[i].depth, kMaxTreeDepth);
             });
    }
    std::string text =
        "\r\n  { add items to tree view }\r\n  TreeInsert.hInsertAfter := TVI_LAST; "
        "TreeInsert.item.mask := TVIF_TEXT;";
    for (size_t i = 0; i < nodes.size(); ++i) {
      const int depth = std::min(nodes[i].depth, kMaxTreeDepth);
      const bool parent =
          i + 1 < nodes.size() && nodes[i + 1].depth > nodes[i].depth && depth < kMaxTreeDepth;
      text +=
          "\r\n  TreeInsert.hParent := " +
          (depth == 0 ? std::string("TVI_ROOT") : "TreeNodes[" + std::to_string(depth - 1) + "]") +
          "; TreeInsert.item.pszText := PChar(" + PascalLiteral(nodes[i].text) + ");\r\n  " +
          (parent ? "TreeNodes[" + std::to_string(depth) + "] := HTREEITEM(" : std::string()) +
          "SendMessage(" + record_.ControlName + ",TVM_INSERTITEM,0,LParam(@TreeInsert))" +
          (parent ? ");" : ";");
    }
    return text;
  }
};

}  // namespace

std::unique_ptr<ControlGenerator> NewListView() { return std::make_unique<ListViewGenerator>(); }

std::unique_ptr<ControlGenerator> NewTreeView() { return std::make_unique<TreeViewGenerator>(); }

}  // namespace vornic
