// The extended translation's main window and the designer's state of its
// controls: client size, place, border and background of the window;
// hidden, disabled, tab stops, Enter and Escape, and colours of the controls.
#include <gtest/gtest.h>

#include <string>

#include "builder/builder.h"
#include "output/program_text.h"
#include "support/form_lines.h"
#include "support/program_fixture.h"

namespace vornic {
namespace {

class ExtendedWindowTest : public ProgramFixture {
 protected:
  // Translates `form`, which must pass, and keeps the program.
  void Translate(const std::string& form, Translation translation = Translation::kExtended) {
    EXPECT_EQ(TranslateForm(form, translation), "");
  }

  // The two lines that create the control `name`: its call and its arguments.
  std::string Creation(const std::string& name) const {
    const std::string body = Added("bodymidle");
    const size_t start = body.find("\r\n  " + name + ":= ");
    if (start == std::string::npos) return "(not created)";
    const size_t second = body.find("\r\n", start + 2);
    return body.substr(start + 4, body.find("\r\n", second + 2) - start - 4);
  }
};

// A form of `root_lines` (two blanks in) with one edit.
std::string FormWith(const std::string& root_lines) {
  return "object Form1: TForm1\n" + root_lines +
         "  TextHeight = 13\n"
         "  object Edit1: TEdit\n    Left = 8\n    Top = 8\n    Width = 100\n    Height = 21\n"
         "  end\nend\n";
}

TEST_F(ExtendedWindowTest, ClientSizeBecomesTheOuterSizeAndPositionCentresOnTheWorkArea) {
  Translate(
      FormWith("  Left = 200\n  Top = 120\n  BorderStyle = bsDialog\n  Caption = 'Order'\n"
               "  ClientHeight = 236\n  ClientWidth = 352\n  Position = poScreenCenter\n"));
  const std::string body = Added("bodymidle");
  EXPECT_EQ(body.substr(0, body.find("\r\n\r\n")),
            "\r\n  ReadScreenDpi;"
            "\r\n  SetRect(WinRect, 0, 0, ScaleToScreen(352), ScaleToScreen(236));"
            "\r\n  AdjustWindowRectEx(WinRect, WS_CAPTION or WS_SYSMENU, False, "
            "WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE);"
            "\r\n  WinWidth := WinRect.Right - WinRect.Left;"
            "\r\n  WinHeight := WinRect.Bottom - WinRect.Top;"
            "\r\n  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);"
            "\r\n  WinLeft := WorkArea.Left + (WorkArea.Right - WorkArea.Left - WinWidth) div 2;"
            "\r\n  WinTop := WorkArea.Top + (WorkArea.Bottom - WorkArea.Top - WinHeight) div 2;"
            "\r\n  hWindow := CreateWindowExW(WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE, "
            "'MyWindowClass','Order',"
            "\r\n            WS_CAPTION or WS_SYSMENU or WS_VISIBLE,"
            "\r\n            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);");
}

// One row per rule: the form's values, then what the program must hold.
TEST_F(ExtendedWindowTest, PlaceAndBorderFollowTheForm) {
  struct Case {
    const char* root_lines;
    const char* expected;
  };
  const Case cases[] = {
      // Designed: where the form says, kept on the work area.
      {"  Left = 900\n  Top = 700\n  Width = 400\n  Height = 300\n",
       "\r\n  WinWidth := ScaleToScreen(400);\r\n  WinHeight := ScaleToScreen(300);"
       "\r\n  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);"
       "\r\n  WinLeft := 900;\r\n  WinTop := 700;"
       "\r\n  if WinLeft + WinWidth > WorkArea.Right then WinLeft := WorkArea.Right - WinWidth;"
       "\r\n  if WinTop + WinHeight > WorkArea.Bottom then WinTop := WorkArea.Bottom - WinHeight;"
       "\r\n  if WinLeft < WorkArea.Left then WinLeft := WorkArea.Left;"
       "\r\n  if WinTop < WorkArea.Top then WinTop := WorkArea.Top;"},
      // The system places a form that asks for it, has no Left, or cannot be
      // centred without a size.
      {"  Left = 10\n  Top = 10\n  Width = 400\n  Height = 300\n  Position = poDefaultPosOnly\n",
       "\r\n  WinLeft := CW_USEDEFAULT;\r\n  WinTop := CW_USEDEFAULT;"},
      {"  Width = 400\n  Height = 300\n  Position = poDesigned\n",
       "\r\n  WinLeft := CW_USEDEFAULT;\r\n  WinTop := CW_USEDEFAULT;"},
      {"  Left = 10\n  Top = 10\n  Position = poOwnerFormCenter\n",
       "\r\n  WinWidth := CW_USEDEFAULT;\r\n  WinHeight := CW_USEDEFAULT;"
       "\r\n  WinLeft := CW_USEDEFAULT;"},
      // Only a client width: the height stays the outer one.
      {"  Left = 10\n  Top = 10\n  Height = 300\n  ClientWidth = 200\n",
       "\r\n  SetRect(WinRect, 0, 0, ScaleToScreen(200), 0);"
       "\r\n  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);"
       "\r\n  WinWidth := WinRect.Right - WinRect.Left;\r\n  WinHeight := ScaleToScreen(300);"},
      // No size at all (a frame whose ancestor holds it): the client size its
      // anchors were set in.
      {"  DesignSize = (\n    362\n    235)\n",
       "\r\n  SetRect(WinRect, 0, 0, ScaleToScreen(362), ScaleToScreen(235));"},
      // Border styles and icons.
      {"  BorderIcons = [biSystemMenu, biMinimize]\n  BorderStyle = bsSingle\n",
       "CreateWindowExW(WS_EX_WINDOWEDGE, 'MyWindowClass','',"
       "\r\n            WS_CAPTION or WS_SYSMENU or WS_MINIMIZEBOX or WS_VISIBLE,"},
      {"  BorderIcons = [biSystemMenu, biHelp]\n",
       "CreateWindowExW(WS_EX_WINDOWEDGE or WS_EX_CONTEXTHELP, 'MyWindowClass','',"
       "\r\n            WS_CAPTION or WS_THICKFRAME or WS_SYSMENU or WS_VISIBLE,"},
      {"  BorderIcons = []\n", "\r\n            WS_CAPTION or WS_THICKFRAME or WS_VISIBLE,"},
      {"  BorderStyle = bsDialog\n  BorderIcons = [biSystemMenu, biMaximize, biHelp]\n",
       "CreateWindowExW(WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE or WS_EX_CONTEXTHELP, "
       "'MyWindowClass','',\r\n            WS_CAPTION or WS_SYSMENU or WS_VISIBLE,"},
      {"  BorderStyle = bsSizeToolWin\n",
       "CreateWindowExW(WS_EX_TOOLWINDOW or WS_EX_WINDOWEDGE, 'MyWindowClass','',"
       "\r\n            WS_CAPTION or WS_THICKFRAME or WS_SYSMENU or WS_VISIBLE,"},
      {"  BorderStyle = bsNone\n  BorderIcons = [biSystemMenu]\n",
       "CreateWindowExW(0, 'MyWindowClass','',\r\n            WS_POPUP or WS_VISIBLE,"},
      {"  BorderStyle = Halt\n  Position = Halt\n",
       "\r\n            WS_OVERLAPPEDWINDOW or WS_VISIBLE,"},
  };
  for (const Case& c : cases) {
    Translate(FormWith(c.root_lines));
    EXPECT_NE(Added("bodymidle").find(c.expected), std::string::npos) << c.root_lines << "\n"
                                                                      << Added("bodymidle");
  }
}

TEST_F(ExtendedWindowTest, FormColorOtherThanTheButtonFacePaintsTheBackground) {
  Translate(FormWith("  Color = 15262169\n"));
  const std::string erase =
      "\r\n    WM_ERASEBKGND: begin"
      "\r\n      GetClientRect(hWindow, EraseRect);"
      "\r\n      FillRect(HDC(wParam), EraseRect, ColorBrush1);"
      "\r\n      Result := 1;"
      "\r\n    end;";
  EXPECT_EQ(Added("windowprocmidle").substr(0, erase.size()), erase);
  EXPECT_EQ(Added("windowproccreatemidle"),
            "\r\n      ColorBrush1 := CreateSolidBrush(RGB(217,225,232));");
  EXPECT_NE(Added("windowprocdestroymidle").find("DeleteObject(ColorBrush1);"), std::string::npos);

  for (const char* unpainted : {"  Color = clBtnFace\n", "  Color = clNone\n", ""}) {
    Translate(FormWith(unpainted));
    EXPECT_EQ(Added("windowprocmidle").find("WM_ERASEBKGND"), std::string::npos) << unpainted;
  }
}

// Visible and Enabled pass from containers (classes with a generator or
// not) to what they hold; the form's own do not. A hidden or disabled
// control takes neither the focus nor Enter or Escape, nor does one that is
// no tab stop take the focus.
constexpr char kStateForm[] = R"(object Form1: TForm1
  Enabled = False
  Visible = False
  TextHeight = 13
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 100
    Visible = False
    object Edit1: TEdit
      Left = 8
      Top = 8
      Width = 100
      Height = 21
      Columns = <
        item
          Visible = True
        end>
    end
  end
  object GroupBox1: TGroupBox
    Left = 0
    Top = 100
    Width = 300
    Height = 100
    Caption = 'Pay'
    Enabled = False
    object RadioButton1: TRadioButton
      Left = 8
      Top = 20
      Width = 100
      Height = 17
      Caption = 'Card'
      Checked = True
      TabStop = True
    end
  end
  object RadioButton2: TRadioButton
    Left = 8
    Top = 220
    Width = 100
    Height = 17
    Caption = 'Cash'
  end
  object Edit2: TEdit
    Left = 8
    Top = 240
    Width = 100
    Height = 21
    TabStop = False
    Visible = True
  end
  object Button1: TButton
    Left = 8
    Top = 270
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    Visible = False
  end
  object Button2: TButton
    Left = 90
    Top = 270
    Width = 75
    Height = 25
    Caption = 'Go'
    Default = True
  end
  object Button3: TButton
    Left = 170
    Top = 270
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Stop'
  end
  object Memo1: TMemo
    Left = 8
    Top = 300
    Width = 100
    Height = 40
  end
end
)";

TEST_F(ExtendedWindowTest, ControlsTakeTheDesignersVisibleEnabledTabStopDefaultAndCancel) {
  Translate(kStateForm);
  EXPECT_EQ(Creation("Edit1"),
            "Edit1:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_TABSTOP or "
            "ES_AUTOHSCROLL,\r\n          8,8,100,21, hWindow, 0, Inst, nil);");
  EXPECT_EQ(Creation("GroupBox1"),
            "GroupBox1:= CreateWindowExW(0, 'Button','Pay',WS_VISIBLE or WS_CHILD or BS_GROUPBOX or "
            "WS_DISABLED,\r\n              0,100,300,100, hWindow, 0, Inst, nil);");
  EXPECT_EQ(Creation("RadioButton1"),
            "RadioButton1:= CreateWindowExW(0, 'Button','Card',WS_VISIBLE or WS_CHILD or "
            "BS_AUTORADIOBUTTON or WS_TABSTOP or WS_DISABLED,"
            "\r\n                 8,120,100,17, hWindow, 0, Inst, nil);");
  // A radio button is no tab stop unless the form says so.
  EXPECT_EQ(Creation("RadioButton2"),
            "RadioButton2:= CreateWindowExW(0, 'Button','Cash',WS_VISIBLE or WS_CHILD or "
            "BS_AUTORADIOBUTTON,\r\n                 8,220,100,17, hWindow, 0, Inst, nil);");
  EXPECT_EQ(Creation("Edit2"),
            "Edit2:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or "
            "ES_AUTOHSCROLL,\r\n          8,240,100,21, hWindow, 0, Inst, nil);");
  EXPECT_EQ(Creation("Button1"),
            "Button1:= CreateWindowExW(0, 'Button','OK',WS_CHILD or BS_PUSHLIKE or BS_TEXT or "
            "WS_TABSTOP,\r\n            8,270,75,25, hWindow, 0, Inst, nil);");
  EXPECT_EQ(Creation("Button2"),
            "Button2:= CreateWindowExW(0, 'Button','Go',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or "
            "BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,"
            "\r\n            90,270,75,25, hWindow, IDOK, Inst, nil);");
  EXPECT_EQ(Creation("Button3"),
            "Button3:= CreateWindowExW(0, 'Button','Stop',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or "
            "BS_TEXT or WS_TABSTOP,\r\n            170,270,75,25, hWindow, IDCANCEL, Inst, nil);");
  // A memo is a tab stop unless the form says otherwise, as in the designer.
  EXPECT_NE(Creation("Memo1").find("ES_WANTRETURN or WS_TABSTOP,"), std::string::npos)
      << Creation("Memo1");
  EXPECT_EQ(dpr_->FocusControl, "Button2");

  // The exact translation knows none of it.
  Translate(kStateForm, Translation::kExact);
  EXPECT_EQ(dpr_->FocusControl, "Edit1");
  EXPECT_EQ(Added("bodymidle").find("WS_DISABLED"), std::string::npos);
}

// The first focus goes where the designer gives it: the form's
// ActiveControl when it can take it, else the control first in the tab
// order, containers' TabOrder first; the exact translation keeps the first
// control created.
TEST_F(ExtendedWindowTest, FirstFocusFollowsActiveControlThenTabOrder) {
  // An edit on the form; `extra` lines stand two blanks deeper than its object line.
  const auto edit = [](const std::string& name, const std::string& extra,
                       const std::string& in = "  ") {
    return in + "object " + name + ": TEdit\n" + in + "  Left = 8\n" + in + "  Top = 8\n" + in +
           "  Width = 100\n" + in + "  Height = 21\n" + extra + in + "end\n";
  };
  const std::string panel =
      "  object Panel1: TPanel\n    Left = 0\n    Top = 40\n    Width = 200\n"
      "    Height = 60\n    TabOrder = 0\n" +
      edit("Edit3", "      TabOrder = 5\n", "    ") + "  end\n";
  const struct {
    const char* what;
    std::string root;
    std::string children;
    const char* extended;
    const char* exact;
  } cases[] = {
      {"tab order over file order", "",
       edit("Edit1", "    TabOrder = 1\n") + edit("Edit2", "    TabOrder = 0\n"), "Edit2",
       "Edit1"},
      {"a container's tab order counts first", "",
       edit("Edit1", "    TabOrder = 1\n") + panel, "Edit3", "Edit1"},
      {"ActiveControl over tab order", "  ActiveControl = Edit1\n",
       edit("Edit1", "    TabOrder = 1\n") + edit("Edit2", "    TabOrder = 0\n"), "Edit1",
       "Edit1"},
      {"a hidden ActiveControl cannot take it", "  ActiveControl = Edit2\n",
       edit("Edit1", "    TabOrder = 1\n") +
           edit("Edit2", "    TabOrder = 0\n    Visible = False\n"),
       "Edit1", "Edit1"},
      {"a frame's control named with its frame", "  ActiveControl = Frame1.Edit2\n",
       edit("Edit1", "    TabOrder = 0\n") + edit("Edit2", "    TabOrder = 1\n"), "Edit2",
       "Edit1"},
  };
  for (const auto& c : cases) {
    const std::string form =
        "object Form1: TForm1\n" + c.root + "  TextHeight = 13\n" + c.children + "end\n";
    Translate(form);
    EXPECT_EQ(dpr_->FocusControl, c.extended) << c.what;
    Translate(form, Translation::kExact);
    EXPECT_EQ(dpr_->FocusControl, c.exact) << c.what;
  }
}

TEST_F(ExtendedWindowTest, HiddenPaintedControlsArePaintedOnlyOnceTheirFlagIsSet) {
  const std::string form =
      "object Form1: TForm1\n  TextHeight = 13\n"
      "  object Panel1: TPanel\n    Left = 0\n    Top = 0\n    Width = 300\n    Height = 100\n"
      "    Visible = False\n"
      "    object Label1: TLabel\n      Left = 8\n      Top = 8\n      Width = 40\n"
      "      Height = 13\n      Caption = 'Hot'\n      Font.Color = clRed\n    end\n"
      "    object Shape1: TShape\n      Left = 8\n      Top = 30\n      Width = 40\n"
      "      Height = 40\n    end\n"
      "    object Bevel1: TBevel\n      Left = 60\n      Top = 30\n      Width = 40\n"
      "      Height = 40\n    end\n"
      "  end\n"
      "  object Label2: TLabel\n    Left = 8\n    Top = 108\n    Width = 40\n    Height = 13\n"
      "    Caption = 'Shown'\n    Font.Color = clRed\n  end\nend\n";
  Translate(form);
  const std::string paint = Added("windowprocpaintmidle");
  const std::string var = Added("var");
  for (const char* name : {"Panel1", "Label1", "Shape1", "Bevel1"}) {
    EXPECT_NE(paint.find(std::string("if ") + name + "Shown then begin"), std::string::npos) << name;
    EXPECT_NE(var.find(std::string(name) + "Shown: Boolean = False;"), std::string::npos) << name;
  }
  EXPECT_NE(paint.find("end;\r\n      { Paint label: Label2 }"), std::string::npos);
  EXPECT_EQ(var.find("Label2Shown"), std::string::npos);

  Translate(form, Translation::kExact);
  EXPECT_NE(Added("windowprocpaintmidle").find("{ Create bevel: Bevel1 }"), std::string::npos);
}

// The designer keeps a list box at its height; the system would shorten it
// to whole items, as the exact translation leaves it.
TEST_F(ExtendedWindowTest, ListBoxesKeepTheirHeightUnlessIntegralHeightIsTrue) {
  const std::string form =
      "object Form1: TForm1\n  TextHeight = 13\n"
      "  object ListBox1: TListBox\n    Left = 8\n    Top = 8\n    Width = 100\n"
      "    Height = 45\n  end\n"
      "  object ListBox2: TListBox\n    Left = 8\n    Top = 60\n    Width = 100\n"
      "    Height = 45\n    IntegralHeight = True\n  end\nend\n";
  Translate(form);
  const std::string body = Added("bodymidle");
  const size_t second = body.find("ListBox2:=");
  EXPECT_LT(body.find("WS_TABSTOP or LBS_NOINTEGRALHEIGHT,"), second);
  EXPECT_EQ(body.find("LBS_NOINTEGRALHEIGHT", second), std::string::npos);
  Translate(form, Translation::kExact);
  EXPECT_EQ(Added("bodymidle").find("LBS_NOINTEGRALHEIGHT"), std::string::npos);
}

// A status bar on the form docks at the window's bottom edge; one that the
// form docks inside a container stands where the form puts it, whatever
// the widths of its panels.
TEST_F(ExtendedWindowTest, StatusBarsInContainersStandWhereTheFormPutsThem) {
  const std::string form =
      "object Form1: TForm1\n  TextHeight = 13\n"
      "  object Panel1: TPanel\n    Left = 10\n    Top = 20\n    Width = 200\n"
      "    Height = 100\n"
      "    object StatusBar2: TStatusBar\n      Left = 0\n      Top = 81\n"
      "      Width = 200\n      Height = 19\n      Panels = <\n        item\n"
      "          Width = 50\n        end>\n    end\n"
      "  end\n"
      "  object StatusBar1: TStatusBar\n    Left = 0\n    Top = 181\n    Width = 300\n"
      "    Height = 19\n    Panels = <\n      item\n        Width = 50\n      end>\n"
      "  end\nend\n";
  Translate(form);
  std::string body = Added("bodymidle");
  EXPECT_NE(body.find("StatusBar2:= CreateWindowExW(0, 'msctls_statusbar32','',WS_VISIBLE or WS_CHILD "
                      "or CCS_NOPARENTALIGN or CCS_NORESIZE,\r\n"
                      "               10,101,200,19, hWindow, 0, Inst, nil);"),
            std::string::npos)
      << body;
  EXPECT_NE(body.find("StatusBar1:= CreateStatusWindowW("), std::string::npos);
  Translate(form, Translation::kExact);
  body = Added("bodymidle");
  EXPECT_NE(body.find("StatusBar2:= CreateStatusWindow("), std::string::npos);
}

// The font colour passes from container to control like the font; the
// background is the control's own Color, else its class's (an edit's
// clWindow, a panel's clBtnFace), else its container's.
TEST_F(ExtendedWindowTest, ColorMessagesPaintWhatTheWindowsWouldNot) {
  Translate(R"(object Form1: TForm1
  Color = clWhite
  Font.Color = clNavy
  TextHeight = 13
  object Label1: TLabel
    Left = 8
    Top = 8
    Width = 40
    Height = 13
    Caption = 'On white'
  end
  object Edit1: TEdit
    Left = 8
    Top = 30
    Width = 100
    Height = 21
  end
  object Panel1: TPanel
    Left = 0
    Top = 60
    Width = 300
    Height = 100
    Font.Color = clWindowText
    object CheckBox1: TCheckBox
      Left = 8
      Top = 8
      Width = 100
      Height = 17
      Caption = 'Plain'
    end
    object Memo1: TMemo
      Left = 8
      Top = 30
      Width = 100
      Height = 40
      Color = clInfoBk
    end
  end
end
)");
  const std::string branches = Added("windowprocmidle");
  const size_t colors = branches.find("    WM_CTLCOLOR");
  EXPECT_EQ(branches.substr(colors, branches.find("\r\n    WM_GETMINMAXINFO") - colors),
            "    WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORBTN: begin"
            "\r\n      if HWND(lParam) = Label1 then begin"
            "\r\n        SetTextColor(HDC(wParam),RGB(0,0,128));"
            "\r\n        SetBkColor(HDC(wParam),RGB(255,255,255));"
            "\r\n        Result := Integer(ColorBrush1);"
            "\r\n        Exit;"
            "\r\n      end;"
            "\r\n      if HWND(lParam) = Edit1 then begin"
            "\r\n        SetTextColor(HDC(wParam),RGB(0,0,128));"
            "\r\n        SetBkColor(HDC(wParam),GetSysColor(COLOR_WINDOW));"
            "\r\n        Result := Integer(ColorBrush2);"
            "\r\n        Exit;"
            "\r\n      end;"
            "\r\n      if HWND(lParam) = Memo1 then begin"
            "\r\n        SetTextColor(HDC(wParam),GetSysColor(COLOR_WINDOWTEXT));"
            "\r\n        SetBkColor(HDC(wParam),GetSysColor(COLOR_INFOBK));"
            "\r\n        Result := Integer(ColorBrush3);"
            "\r\n        Exit;"
            "\r\n      end;"
            "\r\n      Result := DefWindowProcW(hWindow, Message, wParam, lParam);"
            "\r\n    end;");
  // One brush per colour, the form's background included.
  EXPECT_EQ(Added("windowproccreatemidle"),
            "\r\n      ColorBrush1 := CreateSolidBrush(RGB(255,255,255));"
            "\r\n      ColorBrush2 := CreateSolidBrush(GetSysColor(COLOR_WINDOW));"
            "\r\n      ColorBrush3 := CreateSolidBrush(GetSysColor(COLOR_INFOBK));");
}

}  // namespace
}  // namespace vornic
