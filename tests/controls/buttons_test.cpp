// Push buttons, check boxes, group boxes and radio buttons.
#include <gtest/gtest.h>

#include <string>

#include "controls/control_fixture.h"

namespace vornic {
namespace {

class ButtonTest : public ControlFixture {};

TEST_F(ButtonTest, ButtonGetsDeclarationHandlerAndCreation) {
  Feed({"  object Button1: TButton", "    Left = 8", "    Top = 16", "    Width = 75",
        "    Height = 25", "    Caption = 'OK'", "    TabOrder = 0", "  end"});
  EXPECT_EQ(Added("var"), "\r\n    Button1: HWND;");
  EXPECT_EQ(Added("windowproccommandmidle"),
            "\r\n      if HWND(lParam) = Button1 then "
            "MessageBox(hWindow,'Button1Click','Check',MB_OK);");
  EXPECT_EQ(Added("bodymidle"), "\r\n" + Banner("Create a button") +
                                    "\r\n  Button1:= CreateWindow('Button','OK',WS_VISIBLE or "
                                    "WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,\r\n" +
                                    std::string(12, ' ') +
                                    "8,16,75,25, hWindow, 0, Inst, nil);\r\n");
  EXPECT_EQ(dpr_.FocusControl, "Button1");
  EXPECT_EQ(builder_.ControlCount, 1);
}

TEST_F(ButtonTest, FirstWrittenControlKeepsTheFocus) {
  Feed({"  object Button1: TButton", "    Left = 1", "    Top = 2", "    Width = 3",
        "    Height = 4", "    Caption = 'A'", "  end", "  object Radio1: TRadioButton",
        "    Left = 1", "    Top = 2", "    Width = 3", "    Height = 4", "    Caption = 'B'",
        "  end"});
  EXPECT_EQ(dpr_.FocusControl, "Button1");
}

TEST_F(ButtonTest, ChecksFollowAnyStateOrCheckedValue) {
  Feed({"  object CheckBox1: TCheckBox",
        "    Left = 1",
        "    Top = 2",
        "    Width = 3",
        "    Height = 4",
        "    Caption = 'Save as...'",
        "    State = cbGrayed",
        "  end",
        "  object RadioButton1: TRadioButton",
        "    Left = 1",
        "    Top = 2",
        "    Width = 3",
        "    Height = 4",
        "    Caption = 'R'",
        "    Checked = True",
        "  end",
        "  object CheckBox2: TCheckBox",
        "    Left = 1",
        "    Top = 2",
        "    Width = 3",
        "    Height = 4",
        "    Caption = 'C'",
        "  end"});
  const std::string body = Added("bodymidle");
  EXPECT_NE(
      body.find("\r\n  CheckBox1:= CreateWindow('Button','Save as...',WS_VISIBLE or "
                "WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,\r\n" +
                std::string(14, ' ') +
                "1,2,3,4, hWindow, 0, Inst, nil);\r\n  SendMessage(CheckBox1,BM_SETCHECK,1,0);"
                "\r\n"),
      std::string::npos);
  EXPECT_NE(body.find("BS_AUTORADIOBUTTON or WS_TABSTOP,\r\n" + std::string(17, ' ') +
                      "1,2,3,4, hWindow, 0, Inst, nil);\r\n  "
                      "SendMessage(RadioButton1,BM_SETCHECK,1,0);\r\n"),
            std::string::npos);
  EXPECT_EQ(body.find("SendMessage(CheckBox2"), std::string::npos);
  EXPECT_NE(body.find(Banner("Create a checkbox")), std::string::npos);
  EXPECT_NE(body.find(Banner("Create a radiobox")), std::string::npos);
  // Only push buttons and check boxes answer a click.
  EXPECT_EQ(Added("windowproccommandmidle"),
            "\r\n      if HWND(lParam) = CheckBox1 then "
            "MessageBox(hWindow,'CheckBox1Click','Check',MB_OK);"
            "\r\n      if HWND(lParam) = CheckBox2 then "
            "MessageBox(hWindow,'CheckBox2Click','Check',MB_OK);");
  EXPECT_EQ(builder_.ControlCount, 3);
}

TEST_F(ButtonTest, GroupBoxIsWrittenBeforeTheControlsInsideIt) {
  Feed({"  object GroupBox1: TGroupBox", "    Left = 10", "    Top = 20", "    Width = 200",
        "    Height = 100", "    Caption = 'Options'", "    object CheckBox1: TCheckBox",
        "      Left = 5", "      Top = 15", "      Width = 97", "      Height = 17",
        "      Caption = 'Bold'", "    end", "  end"});
  EXPECT_EQ(Added("bodymidle"),
            "\r\n" + Banner("Create a groupbox") +
                "\r\n  GroupBox1:= CreateWindow('Button','Options',WS_VISIBLE or WS_CHILD or "
                "BS_GROUPBOX,\r\n" +
                std::string(14, ' ') + "10,20,200,100, hWindow, 0, Inst, nil);\r\n" + "\r\n" +
                Banner("Create a checkbox") +
                "\r\n  CheckBox1:= CreateWindow('Button','Bold',WS_VISIBLE or WS_CHILD or "
                "BS_AUTOCHECKBOX or WS_TABSTOP,\r\n" +
                std::string(14, ' ') + "15,35,97,17, hWindow, 0, Inst, nil);\r\n");
  EXPECT_EQ(Added("var"), "\r\n    GroupBox1: HWND;\r\n    CheckBox1: HWND;");
  // A group box never takes the focus.
  EXPECT_EQ(dpr_.FocusControl, "CheckBox1");
  EXPECT_EQ(builder_.ControlCount, 2);
}

TEST_F(ButtonTest, EmptyAndNestedGroupBoxes) {
  Feed({"  object Outer: TGroupBox",
        "    Left = 10",
        "    Top = 20",
        "    Width = 9",
        "    Height = 9",
        "    Caption = 'o'",
        "    object Inner: TGroupBox",
        "      Left = 1",
        "      Top = 2",
        "      Width = 9",
        "      Height = 9",
        "      Caption = 'i'",
        "      object Button1: TButton",
        "        Left = 100",
        "        Top = 200",
        "        Width = 9",
        "        Height = 9",
        "        Caption = 'b'",
        "      end",
        "    end",
        "  end",
        "  object Empty: TGroupBox",
        "    Left = 1",
        "    Top = 1",
        "    Width = 9",
        "    Height = 9",
        "    Caption = 'e'",
        "  end"});
  const std::string body = Added("bodymidle");
  const size_t outer = body.find("Outer:= ");
  const size_t inner = body.find("Inner:= ");
  const size_t button = body.find("Button1:= ");
  const size_t empty = body.find("Empty:= ");
  ASSERT_NE(empty, std::string::npos);
  EXPECT_LT(outer, inner);
  EXPECT_LT(inner, button);
  EXPECT_LT(button, empty);
  EXPECT_NE(body.find("11,22,9,9, hWindow"), std::string::npos);
  EXPECT_NE(body.find("111,222,9,9, hWindow"), std::string::npos);
  EXPECT_EQ(builder_.ControlCount, 4);
}

TEST_F(ButtonTest, FontNeedsAHeightToBeRegistered) {
  Feed({"  object Button1: TButton", "    Left = 1", "    Top = 2", "    Width = 3",
        "    Height = 4", "    Caption = 'A'", "    Font.Name = 'Arial'", "  end"});
  EXPECT_EQ(builder_.Fonts.GetFontDeclarations(), TIFontBase().GetFontDeclarations());
}

TEST_F(ButtonTest, IncompleteButtonLeavesNoCaptionOrFontToTheNext) {
  Feed({"  object Button1: TButton", "    Left = 1", "    Caption = 'stale'",
        "    Font.Height = -20", "  end", "  object Button2: TButton", "    Left = 1",
        "    Top = 2", "    Width = 3", "    Height = 4", "  end"});
  EXPECT_EQ(Added("bodymidle"), "");
  EXPECT_EQ(Added("var"), "");
  EXPECT_EQ(builder_.ControlCount, 0);
  EXPECT_FALSE(builder_.HasFont());
}

TEST_F(ButtonTest, IncompleteGroupBoxLeavesNothingToTheNext) {
  Feed({"  object GroupBox1: TGroupBox", "    Left = 10", "    Top = 20", "    Width = 9",
        "    Height = 9", "    object Label1: TLabel", "    end", "  end",
        "  object GroupBox2: TGroupBox", "    Caption = 'g'", "  end"});
  EXPECT_EQ(Added("bodymidle"), "");
  EXPECT_EQ(builder_.ControlCount, 0);
}

}  // namespace
}  // namespace vornic
