// List views, tree views, tab controls and grids in the extended translation:
// long item lists go into the program as data, a grid's column widths must
// be integers, and a list view shows every column and item its form stores.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "extended/list_data.h"
#include "extended/writer_fixture.h"
#include "lib/errors.h"

namespace vornic {
namespace {

// `bytes` as the lines of a data value, closed by "}".
std::string DataLines(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) text += "\n    ";
    text += kDigits[static_cast<uint8_t>(bytes[i]) >> 4];
    text += kDigits[static_cast<uint8_t>(bytes[i]) & 0xF];
  }
  return text + "}\n";
}

void Put32(std::string& bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i));
}

// `count` list items as the class library streams them, every other one
// with a text in the second column.
std::string ListItems(size_t count) {
  std::string items;
  for (size_t i = 0; i < count; ++i) {
    const std::string caption = "I" + std::to_string(i);
    const bool sub_item = i % 2 == 1;
    items += std::string(8, '\xFF') + std::string(4, '\0');
    Put32(items, sub_item ? 1 : 0);
    items += std::string(4, '\0') + static_cast<char>(caption.size()) + caption;
    if (sub_item) items += "\x01S";
  }
  std::string bytes;
  Put32(bytes, static_cast<uint32_t>(8 + items.size()));
  Put32(bytes, static_cast<uint32_t>(count));
  return bytes + items;
}

// `count` tree nodes, a root and its child in turn.
std::string TreeNodes(size_t count) {
  std::string bytes;
  Put32(bytes, static_cast<uint32_t>((count + 1) / 2));
  for (size_t i = 0; i < count; ++i) {
    const std::string text = "N" + std::to_string(i);
    Put32(bytes, static_cast<uint32_t>(25 + text.size()));
    bytes += std::string(8, '\0') + std::string(8, '\xFF') + std::string(4, '\0');
    Put32(bytes, i % 2 == 0 && i + 1 < count ? 1 : 0);
    bytes += static_cast<char>(text.size()) + text;
  }
  return bytes;
}

std::string Placed(const std::string& klass, const std::string& values) {
  return "object View1: " + klass + "\n  Left = 8\n  Top = 8\n  Width = 200\n  Height = 150\n" +
         values + "end\n";
}

std::string Tabs(size_t count) {
  std::string values = "  Tabs.Strings = (";
  for (size_t i = 0; i < count; ++i) values += "\n    'T" + std::to_string(i) + "'";
  return values + ")\n";
}

class ViewsTest : public WriterFixture {
 protected:
  // The report of the form's first failing line, empty when it is written.
  std::string Failure(const std::string& objects) { return WriteFormReport(objects); }
};

TEST_F(ViewsTest, ListsLongerThanTheThresholdAreWalkedFromArrays) {
  struct Case {
    const char* klass;
    std::string values;     // `count` entries
    const char* statement;  // what adds one entry, when the list is not data
    const char* walk;       // what adds the first array of entries, when it is
  };
  for (const size_t count : {kLongListEntries, kLongListEntries + 1}) {
    const Case cases[] = {
        {"TListView", "  Items.Data = {" + DataLines(ListItems(count)), "LVM_INSERTITEMW",
         "AddViewItems(View1, View1Entries, 0);\nSetViewTexts(View1, View1Entries_1, 0, 1);"},
        {"TTreeView", "  Items.Data = {" + DataLines(TreeNodes(count)), "TVM_INSERTITEMW",
         "AddTreeNodes(View1, View1Entries, View1Depths);"},
        {"TTabControl", Tabs(count), "SendMessageW(View1, TCM_INSERTITEMW,",
         "InsertListTabs(View1, View1Entries, 0);"},
    };
    for (const Case& row : cases) {
      SCOPED_TRACE(std::string(row.klass) + " of " + std::to_string(count));
      WriteForm(Placed(row.klass, row.values));
      const std::string body = Lines("bodymidle");
      const bool as_data = count > kLongListEntries;
      EXPECT_EQ(body.find(row.walk) != std::string::npos, as_data);
      EXPECT_EQ(body.find(row.statement) != std::string::npos, !as_data);
      EXPECT_EQ(Lines("procedures").find("View1Entries: array[0..") != std::string::npos, as_data);
    }
  }
}

// The designer stores integers; anything else would reach the program as
// a width, so it fails the form at its own line.
TEST_F(ViewsTest, ColumnWidthsOfAGridAreIntegersCheckedAtTheirLines) {
  const auto grid = [](const std::string& klass, const std::string& widths) {
    return "object Grid1: " + klass +
           "\n  Left = 8\n  Top = 8\n  Width = 200\n  Height = 150\n  ColWidths = (" + widths +
           ")\nend\n";
  };
  EXPECT_EQ(Failure(grid("TStringGrid", "\n    -10\n    20")), "");
  EXPECT_EQ(Failure(grid("TDrawGrid", "\n    10\n    2x0\n    30")),
            "[Error] form.txt(12):     2x0");
  EXPECT_EQ(Failure(grid("TStringGrid", "\n    10\n    'a'")), "[Error] form.txt(12):     'a')");
  // A class taken for a grid by its name is left out instead.
  EXPECT_EQ(Failure(grid("TMyGrid", "\n    x")), "");
  EXPECT_EQ(Lines("bodymidle").find("Grid1"), std::string::npos);
}

TEST_F(ViewsTest, ListViewShowsEveryColumnAndItemItsFormStores) {
  // The last column keeps the defaults, so its item holds no value.
  WriteForm(Placed("TListView",
                   "  Columns = <\n    item\n      Caption = 'A'\n    end\n    item\n    end>\n"
                   // One item whose data stands on the property's own line.
                   "  Items.Data = {1E0000000100000000000000FFFFFFFFFFFFFFFF00000000000000000141}"
                   "\n"));
  const std::string body = Lines("bodymidle");
  EXPECT_NE(body.find("ListColumn.cx := 50; ListColumn.pszText := PWideChar('');\n"
                      "SendMessageW(View1,LVM_INSERTCOLUMNW,1,LParam(@ListColumn));"),
            std::string::npos);
  EXPECT_NE(body.find("ListItem.iItem := 0; ListItem.iSubItem := 0; ListItem.pszText := "
                      "PWideChar('A');"),
            std::string::npos);
}

}  // namespace
}  // namespace vornic
