// List boxes, combo boxes and memos with their multi-line lists.
#include <gtest/gtest.h>

#include <string>

#include "controls/control_fixture.h"
#include "lib/errors.h"

namespace vornic {
namespace {

class ListTest : public ControlFixture {};

TEST_F(ListTest, ListBoxAddsEveryItemInOrder) {
  Feed({"  object ListBox1: TListBox", "    Left = 8", "    Top = 8", "    Width = 121",
        "    Height = 97", "    ItemHeight = 13", "    Items.Strings = (", "      'One'",
        "      'Two'", "      'Three')", "    TabOrder = 0", "  end"});
  EXPECT_EQ(Added("var"), "\r\n    ListBox1: HWND;");
  EXPECT_EQ(Added("bodymidle"),
            "\r\n" + Banner("Create a listbox") +
                "\r\n  ListBox1:= CreateWindow('listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or "
                "LBS_STANDARD or WS_TABSTOP,\r\n" +
                std::string(13, ' ') +
                "8,8,121,97, hWindow, 0, Inst, nil);"
                "\r\n  { add items to listbox }"
                "\r\n  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('One')) );"
                "\r\n  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Two')) );"
                "\r\n  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Three')) );\r\n");
  EXPECT_EQ(dpr_.FocusControl, "ListBox1");
  EXPECT_EQ(builder_.ListMarker, "");
  EXPECT_EQ(builder_.ControlCount, 1);
}

TEST_F(ListTest, EntriesKeepDuplicatesAndInnerParentheses) {
  Feed({"  object ListBox1: TListBox", "    Left = 1", "    Top = 2", "    Width = 3",
        "    Height = 4", "    Items.Strings = (", "      'a'", "      'a'", "      'x (y)'",
        "      'tail')", "  end"});
  const std::string body = Added("bodymidle");
  EXPECT_NE(
      body.find("PChar('a')) );\r\n  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('a'))"),
      std::string::npos);
  EXPECT_NE(body.find("PChar('x (y)')"), std::string::npos);
  EXPECT_NE(body.find("PChar('tail')"), std::string::npos);
}

TEST_F(ListTest, EmptyListsKeepOnlyTheListBoxComment) {
  Feed({"  object ListBox1: TListBox", "    Left = 1", "    Top = 2", "    Width = 3",
        "    Height = 4", "  end", "  object ComboBox1: TComboBox", "    Left = 1", "    Top = 2",
        "    Width = 3", "    Height = 21", "    ItemHeight = 13", "  end"});
  const std::string body = Added("bodymidle");
  EXPECT_NE(body.find("nil);\r\n  { add items to listbox }\r\n\r\n"), std::string::npos);
  EXPECT_EQ(body.find("SendMessage"), std::string::npos);
  EXPECT_EQ(body.find("combobox }"), std::string::npos);
  // Without items the height is not stretched; without Text the window text is ''.
  EXPECT_NE(body.find("ComboBox1:= CreateWindow('combobox','',WS_VISIBLE"), std::string::npos);
  EXPECT_NE(body.find("1,2,3,21, hWindow"), std::string::npos);
}

TEST_F(ListTest, ComboBoxMakesRoomForItsListAndSelectsTheFirstItem) {
  Feed({"  object ComboBox1: TComboBox", "    Left = 8", "    Top = 8", "    Width = 145",
        "    Height = 21", "    ItemHeight = 13", "    Text = 'Blue'", "    Items.Strings = (",
        "      'Red'", "      'Blue')", "  end"});
  EXPECT_EQ(Added("bodymidle"),
            "\r\n" + Banner("Create a combobox") +
                "\r\n  ComboBox1:= CreateWindow('combobox','Blue',WS_VISIBLE or WS_CHILD or "
                "CBS_DROPDOWNLIST or WS_TABSTOP,\r\n" +
                std::string(14, ' ') +
                "8,8,145,125, hWindow, 0, Inst, nil);"
                "\r\n  { add items to combobox }"
                "\r\n  SendMessage(ComboBox1,CB_ADDSTRING , 0 ,LParam(PChar('Red')) );"
                "\r\n  SendMessage(ComboBox1,CB_ADDSTRING , 0 ,LParam(PChar('Blue')) );"
                "\r\n  { select current item }"
                "\r\n  SendMessage(ComboBox1,CB_SELECTSTRING,0,LParam(PChar('Red')) );\r\n");
}

TEST_F(ListTest, ComboBoxWithoutItemHeightKeepsItsHeight) {
  Feed({"  object ComboBox1: TComboBox", "    Left = 8", "    Top = 8", "    Width = 145",
        "    Height = 21", "    Items.Strings = (", "      'Red')", "  end"});
  EXPECT_NE(Added("bodymidle").find("8,8,145,21, hWindow"), std::string::npos);
}

TEST_F(ListTest, ComboBoxHeightMustBeANumber) {
  Feed({"  object ComboBox1: TComboBox", "    Left = 8", "    Top = 8", "    Width = 145"});
  try {
    Feed("    Height = 2x");
    FAIL() << "no error";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'2x' is not a valid integer value");
  }
}

TEST_F(ListTest, MemoSetsItsLinesJoinedByLineBreaks) {
  Feed({"  object Memo1: TMemo", "    Left = 8", "    Top = 120", "    Width = 185",
        "    Height = 89", "    Lines.Strings = (", "      'A'", "      'B')", "  end"});
  const std::string indent(10, ' ');
  EXPECT_EQ(Added("bodymidle"),
            "\r\n" + Banner("Create a memo") +
                "\r\n  Memo1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE "
                "or WS_BORDER or\r\n" +
                indent +
                "ES_LEFT or ES_MULTILINE or ES_WANTRETURN or ES_AUTOVSCROLL or WS_VSCROLL,\r\n" +
                indent +
                "8,120,185,89, hWindow, 0, Inst, nil);"
                "\r\n  { add lines  to memo }"
                "\r\n  SendMessage(Memo1,WM_SETTEXT, 0, lParam(pChar('A'+#13#10+'B')));\r\n");
  EXPECT_EQ(Added("var"), "\r\n    Memo1: HWND;");
}

TEST_F(ListTest, MemoWithoutLinesSetsAnEmptyText) {
  Feed({"  object Memo1: TMemo", "    Left = 8", "    Top = 120", "    Width = 185",
        "    Height = 89", "  end"});
  EXPECT_NE(Added("bodymidle").find("lParam(pChar('')));\r\n"), std::string::npos);
}

// This list lost its ")": it ends at the object's end line, which is no entry.
TEST_F(ListTest, UnclosedListEndsAtTheEndLine) {
  Feed({"  object ListBox1: TListBox", "    Left = 1", "    Top = 2", "    Width = 3",
        "    Height = 4", "    Items.Strings = (", "      'one'", "  end"});
  const std::string body = Added("bodymidle");
  EXPECT_NE(body.find("PChar('one')"), std::string::npos);
  EXPECT_EQ(body.find("PChar(end)"), std::string::npos);
  EXPECT_EQ(builder_.ListMarker, "");
  EXPECT_EQ(builder_.ControlCount, 1);
}

TEST_F(ListTest, SkippedListBoxLeavesNoItemsToTheNext) {
  Feed({"  object ListBox1: TListBox", "    Left = 1", "    Items.Strings = (", "      'stale')",
        "  end", "  object ListBox2: TListBox", "    Left = 1", "    Top = 2", "    Width = 3",
        "    Height = 4", "    Items.Strings = (", "      'fresh')", "  end"});
  const std::string body = Added("bodymidle");
  EXPECT_EQ(body.find("'stale'"), std::string::npos);
  EXPECT_NE(body.find("PChar('fresh')"), std::string::npos);
  EXPECT_EQ(builder_.ControlCount, 1);
}

TEST_F(ListTest, SkippedMemoLeavesNoLinesOrGeometryToTheNext) {
  Feed({"  object Memo1: TMemo", "    Left = 1", "    Top = 2", "    Width = 3",
        "    Lines.Strings = (", "      'stale')", "  end", "  object Memo2: TMemo",
        "    Height = 4", "  end"});
  EXPECT_EQ(Added("bodymidle"), "");
  EXPECT_EQ(builder_.ControlCount, 0);
}

TEST_F(ListTest, ListInsideAContainerIsShifted) {
  Feed({"  object Panel1: TPanel", "    Left = 100", "    Top = 50",
        "    object ListBox1: TListBox", "      Left = 1", "      Top = 2", "      Width = 3",
        "      Height = 4", "    end", "  end"});
  EXPECT_NE(Added("bodymidle").find("101,52,3,4, hWindow"), std::string::npos);
}

}  // namespace
}  // namespace vornic
