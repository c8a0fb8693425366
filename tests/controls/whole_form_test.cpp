// A form holding one control of every translated class, some nested in group
// boxes and in a panel, converted line by line as the driver does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/control_fixture.h"

namespace vornic {
namespace {

class WholeFormTest : public ControlFixture {};

// Form text as the line parser reads it, one line per row.
constexpr char kForm[] = R"(object Form1: TForm1
  Left = 200
  Top = 100
  Width = 400
  Height = 300
  Caption = 'All controls'
  object Label1: TLabel
    Left = 8
    Top = 8
    Width = 30
    Height = 13
    Caption = 'Name:'
    Font.Height = -11
    Font.Name = 'Arial'
  end
  object Label2: TLabel
    Left = 8
    Top = 30
    Width = 30
    Height = 13
    Caption = 'Hot'
    Color = clYellow
  end
  object Edit1: TEdit
    Left = 50
    Top = 8
    Width = 100
    Height = 21
  end
  object GroupBox1: TGroupBox
    Left = 10
    Top = 20
    Width = 180
    Height = 120
    Caption = 'Group'
    object Button1: TButton
      Left = 8
      Top = 16
      Width = 75
      Height = 25
      Caption = 'OK'
    end
    object CheckBox1: TCheckBox
      Left = 8
      Top = 50
      Width = 75
      Height = 17
      Caption = 'Check'
      State = cbChecked
    end
    object RadioButton1: TRadioButton
      Left = 8
      Top = 80
      Width = 75
      Height = 17
      Caption = 'Radio'
    end
  end
  object Panel1: TPanel
    Left = 100
    Top = 200
    Width = 200
    Height = 90
    object ListBox1: TListBox
      Left = 4
      Top = 4
      Width = 50
      Height = 40
      Items.Strings = (
        'One'
        'Two')
    end
    object ComboBox1: TComboBox
      Left = 60
      Top = 4
      Width = 50
      Height = 21
      ItemHeight = 13
      Items.Strings = (
        'Red')
    end
    object Memo1: TMemo
      Left = 120
      Top = 4
      Width = 50
      Height = 40
      Lines.Strings = (
        'a'
        'b')
    end
    object GroupBox2: TGroupBox
      Left = 5
      Top = 10
      Width = 90
      Height = 30
      Caption = 'Inner'
      object ProgressBar1: TProgressBar
        Left = 1
        Top = 2
        Width = 80
        Height = 16
      end
    end
  end
  object TrackBar1: TTrackBar
    Left = 200
    Top = 8
    Width = 150
    Height = 45
  end
  object Shape1: TShape
    Left = 200
    Top = 60
    Width = 40
    Height = 40
  end
  object Bevel1: TBevel
    Left = 200
    Top = 110
    Width = 100
    Height = 2
  end
  object StatusBar1: TStatusBar
    SimplePanel = True
    SimpleText = 'Ready'
  end
end)";

TEST_F(WholeFormTest, EveryControlIsWrittenOnceInItsPlace) {
  FeedText(kForm);
  EXPECT_EQ(builder_.ControlCount, 16);
  const std::string body = Added("bodymidle");
  EXPECT_NE(body.find("8,8,30,13, hWindow"), std::string::npos);       // Label1
  EXPECT_NE(body.find("18,36,75,25, hWindow"), std::string::npos);     // Button1 in GroupBox1
  EXPECT_NE(body.find("104,204,50,40, hWindow"), std::string::npos);   // ListBox1 in Panel1
  EXPECT_NE(body.find("160,204,50,125, hWindow"), std::string::npos);  // ComboBox1
  EXPECT_NE(body.find("105,210,90,30, hWindow"), std::string::npos);   // GroupBox2 in Panel1
  EXPECT_NE(body.find("106,212,80,16, hWindow"), std::string::npos);   // ProgressBar1, deepest
  EXPECT_EQ(dpr_.FocusControl, "Edit1");
}

TEST_F(WholeFormTest, SectionsComeOutInComposeOrder) {
  FeedText(kForm);
  builder_.FinishGraphics(dpr_);
  builder_.FinishFonts(dpr_);
  dpr_.Compose();
  const std::string& program = dpr_.ComposedText;
  const std::vector<std::string> in_order = {
      "    Label1: HWND;",
      "    OldFont: HFONT;",
      "    StatusBar1: HWND;",
      "      InitCommonControls;",
      "      if HWND(lParam) = Button1 then",
      "      if HWND(lParam) = CheckBox1 then",
      "    WM_SIZE: begin",
      "      SendMessage(StatusBar1,WM_SIZE,wParam,lParam);",
      "    WM_PAINT: begin",
      "      { Paint Colors text: Label2 }",
      "      { Create shape: Shape1 }",
      "      { Create bevel: Bevel1 }",
      "      EndPaint(hWindow,PaintStruct);",
      "    WM_DESTROY: begin",
      "  Label1:= Createwindow('Static','Name:'",
      "  Edit1:= CreateWindowEx(",
      "  GroupBox1:= CreateWindow('Button','Group'",
      "  Button1:= CreateWindow('Button','OK'",
      "  CheckBox1:= CreateWindow('Button','Check'",
      "  SendMessage(CheckBox1,BM_SETCHECK,1,0);",
      "  RadioButton1:= CreateWindow('Button','Radio'",
      "  ListBox1:= CreateWindow('listbox'",
      "  ComboBox1:= CreateWindow('combobox'",
      "  Memo1:= CreateWindowEx(",
      "  GroupBox2:= CreateWindow('Button','Inner'",
      "  ProgressBar1:= CreateWindow('msctls_progress32'",
      "  TrackBar1:= CreateWindow('msctls_trackbar32'",
      "  StatusBar1:= CreateStatusWindow(WS_VISIBLE or WS_CHILD ,'Ready'",
      "  SetFocus(Edit1);",
      "  UpdateWindow(hWindow);",
  };
  size_t previous = 0;
  for (const std::string& text : in_order) {
    const size_t at = program.find(text, previous);
    ASSERT_NE(at, std::string::npos) << "missing or out of order: " << text;
    previous = at;
  }
  // Paint and common-control code appears once however many controls need it.
  EXPECT_EQ(program.find("InitCommonControls;", program.find("InitCommonControls;") + 1),
            std::string::npos);
  EXPECT_EQ(program.find("WM_PAINT", program.find("WM_PAINT") + 1), std::string::npos);
}

}  // namespace
}  // namespace vornic
