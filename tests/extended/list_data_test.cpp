// Long lists as data: past the threshold the extended translation declares a
// list's entries as constant arrays and walks them with a call per array; the
// exact translation, and a list at the threshold, keep a statement per entry.
#include "extended/list_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "support/program_fixture.h"

namespace vornic {
namespace {

// Entries that stress the literal: quotes, codes, an empty text.
std::string EntryNumber(size_t i) {
  switch (i % 4) {
    case 0:
      return "'Entry " + std::to_string(i) + "'";
    case 1:
      return "'it''s'#13#10'" + std::to_string(i) + "'";
    case 2:
      return "''";
    default:
      return "#65'" + std::to_string(i) + "'#1078";
  }
}

// The entry as the program writes it: the characters of EntryNumber(i) as a
// wide literal.
std::string WrittenEntry(size_t i) {
  switch (i % 4) {
    case 1:
      return "'it''s'#$000D#$000A'" + std::to_string(i) + "'";
    case 3:
      return "'A" + std::to_string(i) + "'#$0436";
    default:
      return EntryNumber(i);
  }
}

std::string ListForm(const std::string& class_name, const std::string& property, size_t count) {
  std::string form =
      "object Form1: TForm1\n  Left = 0\n  Top = 0\n  Caption = 'F'\n  TextHeight = 13\n"
      "  object Control1: " +
      class_name +
      "\n    Left = 8\n    Top = 8\n    Width = 200\n    Height = 150\n    ItemIndex = 2\n    " +
      property + " = (";
  for (size_t i = 0; i < count; ++i) form += "\n      " + EntryNumber(i);
  return form + ")\n  end\nend\n";
}

// The entries of the constant arrays named Control1Entries..., in order,
// and the longest line of their declarations.
struct DeclaredData {
  std::vector<std::string> entries;
  std::vector<std::string> arrays;
  size_t longest_line = 0;
};

DeclaredData ReadDeclaredData(const std::string& program) {
  DeclaredData data;
  std::istringstream lines(program);
  bool in_array = false;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (in_array || line.starts_with("  Control1Entries")) {
      data.longest_line = std::max(data.longest_line, line.size());
    }
    if (line.starts_with("  Control1Entries")) {
      data.arrays.push_back(line.substr(2, line.find(':') - 2));
      in_array = true;
    } else if (in_array) {
      std::string entry = line.substr(4);
      in_array = !entry.ends_with(");");
      entry.resize(entry.size() - (in_array ? 1 : 2));
      data.entries.push_back(entry);
    }
  }
  return data;
}

class ListDataTest : public ProgramFixture {};

TEST_F(ListDataTest, LongListsOfEveryWriterAreDeclaredAsArraysAndWalkedOncePerArray) {
  struct Writer {
    const char* class_name;
    const char* property;
    const char* walk;  // the call that walks the first array
  };
  const Writer writers[] = {
      {"TListBox", "Items.Strings", "AddListEntries(Control1, LB_ADDSTRING, Control1Entries);"},
      {"TComboBox", "Items.Strings", "AddListEntries(Control1, CB_ADDSTRING, Control1Entries);"},
      {"TCheckListBox", "Items.Strings",
       "AddListEntries(Control1, LB_ADDSTRING, Control1Entries);"},
      {"TComboBoxEx", "Items.Strings", "AddListEntries(Control1, CB_ADDSTRING, Control1Entries);"},
      {"TMemo", "Lines.Strings", "AppendListLines(ListText, Control1Entries);"},
      {"TRichEdit", "Lines.Strings", "AppendListLines(ListText, Control1Entries);"},
      {"TTabControl", "Tabs.Strings", "InsertListTabs(Control1, Control1Entries, 0);"},
      {"TRadioGroup", "Items.Strings", "AddRadioItems(Control1, Control1Entries, 0,"},
  };
  const size_t count = kEntriesPerArray + 1;
  std::vector<std::string> expected;
  for (size_t i = 0; i < count; ++i) expected.push_back(WrittenEntry(i));
  for (const Writer& writer : writers) {
    SCOPED_TRACE(writer.class_name);
    ASSERT_EQ(TranslateTree(ListForm(writer.class_name, writer.property, count)), "");
    dpr_->Compose();
    const std::string& program = dpr_->ComposedText;
    const DeclaredData data = ReadDeclaredData(program);
    EXPECT_EQ(data.entries, expected);
    EXPECT_EQ(data.arrays, (std::vector<std::string>{"Control1Entries", "Control1Entries_1"}));
    EXPECT_NE(program.find(writer.walk), std::string::npos);
    EXPECT_EQ(program.find("'Entry 4'", program.find("begin\r\n  { Register")), std::string::npos);
    EXPECT_LT(data.longest_line, 80u);
  }
  // The second array goes on where the first ended.
  EXPECT_NE(Added("bodymidle").find("AddRadioItems(Control1, Control1Entries_1, 1000,"),
            std::string::npos);
  // The items take the group box's font once the fonts exist.
  EXPECT_NE(Added("bodylast").find("SetItemsFont(Control1, 1001);"), std::string::npos);
  EXPECT_EQ(Added("bodymidleend").find("GetDlgItem(Control1"), std::string::npos);
}

// A tree view whose stored nodes alternate between a root and its child,
// `count` nodes in all, each record as the class library streams it.
std::string TreeForm(size_t count) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string bytes;
  const auto put32 = [&bytes](uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i));
  };
  put32(static_cast<uint32_t>((count + 1) / 2));
  for (size_t i = 0; i < count; ++i) {
    const std::string text = "N" + std::to_string(i);
    put32(static_cast<uint32_t>(25 + text.size()));
    bytes += std::string(8, '\0') + std::string(8, '\xFF') + std::string(4, '\0');
    put32(i % 2 == 0 && i + 1 < count ? 1 : 0);
    bytes += static_cast<char>(text.size()) + text;
  }
  std::string form =
      "object Form1: TForm1\n  Left = 0\n  Top = 0\n  TextHeight = 13\n"
      "  object Control1: TTreeView\n    Left = 8\n    Top = 8\n    Width = 200\n"
      "    Height = 150\n    Items.Data = {";
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) form += "\n      ";
    form += kDigits[static_cast<uint8_t>(bytes[i]) >> 4];
    form += kDigits[static_cast<uint8_t>(bytes[i]) & 0xF];
  }
  return form + "}\n  end\nend\n";
}

TEST_F(ListDataTest, LongTreeIsDeclaredWithTheDepthOfEachNode) {
  const size_t count = kEntriesPerArray + 1;
  ASSERT_EQ(TranslateTree(TreeForm(count)), "");
  dpr_->Compose();
  const DeclaredData data = ReadDeclaredData(dpr_->ComposedText);
  ASSERT_EQ(data.entries.size(), count);
  EXPECT_EQ(data.entries[0], "'N0'");
  EXPECT_EQ(data.entries[count - 1], "'N" + std::to_string(count - 1) + "'");
  const std::string declarations = Added("procedures");
  EXPECT_NE(declarations.find("  Control1Depths: array[0..999] of Byte = (\r\n    0, 1, 0, 1,"),
            std::string::npos);
  EXPECT_NE(declarations.find("  Control1Depths_1: array[0..0] of Byte = (\r\n    0);"),
            std::string::npos);
  EXPECT_NE(Added("bodymidle")
                .find("\r\n  AddTreeNodes(Control1, Control1Entries, Control1Depths);"
                      "\r\n  AddTreeNodes(Control1, Control1Entries_1, "
                      "Control1Depths_1);"),
            std::string::npos);
}

TEST_F(ListDataTest, ListAtTheThresholdAndEveryListOfTheExactTranslationKeepAStatementEach) {
  const auto statements = [this]() {
    const std::string body = Added("bodymidle");
    size_t count = 0;
    for (size_t at = body.find("LB_ADDSTRING"); at != std::string::npos;
         at = body.find("LB_ADDSTRING", at + 1)) {
      ++count;
    }
    return count;
  };
  ASSERT_EQ(TranslateTree(ListForm("TListBox", "Items.Strings", kLongListEntries)), "");
  EXPECT_EQ(statements(), kLongListEntries);
  EXPECT_EQ(Added("procedures").find("Entries"), std::string::npos);
  ASSERT_EQ(TranslateForm(ListForm("TListBox", "Items.Strings", kLongListEntries + 1),
                          Translation::kExact),
            "");
  EXPECT_EQ(statements(), kLongListEntries + 1);
  EXPECT_EQ(Added("procedures"), "");
  ASSERT_EQ(TranslateTree(ListForm("TListBox", "Items.Strings", kLongListEntries + 1)), "");
  EXPECT_EQ(statements(), 1u);
}

}  // namespace
}  // namespace vornic
