// What the form's values make of edits, memos, list boxes, labels, tabs and
// the main window in the extended translation: each rule one table of small
// forms and the fragments of the program they must (or must not) give.
#include <gtest/gtest.h>

#include <string>

#include "extended/writer_fixture.h"

namespace vornic {
namespace {

// An object at 10,20 of 120 by 40 with `values` (form text lines separated
// by "\n"), two blanks in from `indent`.
std::string Object(const std::string& name, const std::string& klass, const std::string& values,
                   const std::string& indent = "  ") {
  std::string text = indent + "object " + name + ": " + klass + "\n" + indent + "  Left = 10\n" +
                     indent + "  Top = 20\n" + indent + "  Width = 120\n" + indent +
                     "  Height = 40\n";
  for (size_t start = 0; start < values.size();) {
    size_t end = values.find('\n', start);
    if (end == std::string::npos) end = values.size();
    text += indent + "  " + values.substr(start, end - start) + "\n";
    start = end + 1;
  }
  return text + indent + "end\n";
}

struct Case {
  const char* rule;
  std::string objects;
  const char* section;
  const char* fragment;
  bool present = true;
};

class BehaviourTest : public WriterFixture {
 protected:
  void Check(const Case& c, const std::string& form_values = "") {
    SCOPED_TRACE(c.rule);
    WriteForm(c.objects, form_values);
    const std::string text = Lines(c.section);
    if (c.present) {
      EXPECT_NE(text.find(c.fragment), std::string::npos) << text;
    } else {
      EXPECT_EQ(text.find(c.fragment), std::string::npos) << text;
    }
  }
};

TEST_F(BehaviourTest, EditsMemosAndListsTakeTheirBehaviourAndBorderFromTheForm) {
  const Case cases[] = {
      {"an edit hides what is typed behind the form's character",
       Object("Edit1", "TEdit", "PasswordChar = '*'"), "bodymidle",
       "ES_AUTOHSCROLL or ES_PASSWORD,\n10,20,120,40, hWindow, 0, Inst, nil);\n"
       "SendMessageW(Edit1, EM_SETPASSWORDCHAR, 42, 0);"},
      {"a password character given as a code beyond one byte",
       Object("Edit1", "TEdit", "PasswordChar = #9679"), "bodymidle", "EM_SETPASSWORDCHAR, 9679,"},
      {"no password character: no password style", Object("Edit1", "TEdit", "PasswordChar = #0"),
       "bodymidle", "ES_PASSWORD", false},
      {"read only, upper case, numbers only and right aligned",
       Object("Edit1", "TEdit",
              "Alignment = taRightJustify\nCharCase = ecUpperCase\nNumbersOnly = True\n"
              "ReadOnly = True"),
       "bodymidle", "ES_AUTOHSCROLL or ES_RIGHT or ES_READONLY or ES_UPPERCASE or ES_NUMBER"},
      {"a length limit", Object("Edit1", "TEdit", "MaxLength = 8"), "bodymidle",
       "SendMessageW(Edit1, EM_LIMITTEXT, 8, 0);"},
      {"no length limit at zero", Object("Edit1", "TEdit", "MaxLength = 0"), "bodymidle",
       "EM_LIMITTEXT", false},
      {"an edit has the sunken edge and no line around it", Object("Edit1", "TEdit", ""),
       "bodymidle",
       "Edit1:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or "
       "WS_TABSTOP or ES_AUTOHSCROLL,"},
      {"bsNone: no border at all", Object("Edit1", "TEdit", "BorderStyle = bsNone"), "bodymidle",
       "CreateWindowExW(0, 'Edit','', WS_CHILD or WS_VISIBLE or WS_TABSTOP"},
      {"Ctl3D False: a flat line", Object("Edit1", "TEdit", "Ctl3D = False"), "bodymidle",
       "CreateWindowExW(0, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP"},
      {"Ctl3D False passes from a container",
       "  object Panel1: TPanel\n    Left = 0\n    Top = 0\n    Width = 200\n    Height = 100\n"
       "    Ctl3D = False\n" +
           Object("Edit1", "TEdit", "", "    ") + "  end\n",
       "bodymidle", "CreateWindowExW(0, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER"},
      {"ParentCtl3D False keeps the sunken edge inside a flat container",
       "  object Panel1: TPanel\n    Left = 0\n    Top = 0\n    Width = 200\n    Height = 100\n"
       "    Ctl3D = False\n" +
           Object("Edit1", "TEdit", "ParentCtl3D = False", "    ") + "  end\n",
       "bodymidle", "CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit'"},
      {"a flat masked edit", Object("MaskEdit1", "TMaskEdit", "Ctl3D = False"), "bodymidle",
       "CreateWindowExW(0, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP"},
      {"a memo wraps and shows no scroll bars unless told", Object("Memo1", "TMemo", ""),
       "bodymidle", "ES_MULTILINE or ES_AUTOVSCROLL or ES_WANTRETURN or WS_TABSTOP,"},
      {"a memo without word wrap scrolls sideways, with the scroll bars it asks for",
       Object("Memo1", "TMemo", "ScrollBars = ssBoth\nWordWrap = False\nWantReturns = False"),
       "bodymidle", "ES_MULTILINE or ES_AUTOVSCROLL or ES_AUTOHSCROLL or WS_HSCROLL or WS_VSCROLL"},
      {"a centred read-only memo with a limit",
       Object("Memo1", "TMemo", "Alignment = taCenter\nMaxLength = 100\nReadOnly = True"),
       "bodymidle", "ES_CENTER or ES_READONLY or WS_TABSTOP,"},
      {"a memo takes no password style", Object("Memo1", "TMemo", "PasswordChar = '*'"),
       "bodymidle", "PASSWORD", false},
      {"a list box keeps the form's order and height, with the sunken edge",
       Object("ListBox1", "TListBox", ""), "bodymidle",
       "CreateWindowExW(WS_EX_CLIENTEDGE, 'listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or "
       "LBS_NOTIFY or WS_VSCROLL or WS_TABSTOP or LBS_NOINTEGRALHEIGHT,"},
      {"a sorted, flat list box of whole items",
       Object("ListBox1", "TListBox", "Ctl3D = False\nIntegralHeight = True\nSorted = True"),
       "bodymidle",
       "CreateWindowExW(0, 'listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or "
       "LBS_NOTIFY or WS_VSCROLL or WS_BORDER or WS_TABSTOP or LBS_SORT,"},
  };
  for (const Case& c : cases) Check(c);
}

TEST_F(BehaviourTest, LabelsAreStaticWindowsOrPaintedAsTheyLook) {
  const Case cases[] = {
      {"a plain label does not break words", Object("Label1", "TLabel", "Caption = 'a b'"),
       "bodymidle", "'Static','a b', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,"},
      {"a label that wraps", Object("Label1", "TLabel", "WordWrap = True"), "bodymidle",
       "WS_VISIBLE or WS_CHILD or SS_LEFT,"},
      {"centred both ways, without accelerator",
       Object("Label1", "TLabel", "Alignment = taCenter\nLayout = tlCenter\nShowAccelChar = False"),
       "bodymidle", "WS_VISIBLE or WS_CHILD or SS_CENTER or SS_CENTERIMAGE or SS_NOPREFIX,"},
      {"a transparent label is painted over what lies beneath, without filling its box",
       Object("Label1", "TLabel", "Caption = 'T'\nTransparent = True"), "windowprocpaintmidle",
       "{ Paint label: Label1 }\nPaintRect := LayoutRow[0].Placed;\n"
       "OldFont := SelectObject(PaintDC,hFont1);\nSetBkMode(PaintDC,TRANSPARENT);"
       "\nSetTextColor(PaintDC,GetSysColor(COLOR_WINDOWTEXT));\nDrawTextW(PaintDC,"
       "PWideChar(WideString('T')),-1,PaintRect,DT_EXPANDTABS or DT_LEFT or DT_NOCLIP);"},
      {"a transparent label is no window", Object("Label1", "TLabel", "Transparent = True"),
       "bodymidle", "Label1", false},
      {"an opaque label with colours fills its box with its colour",
       Object("Label1", "TLabel", "Color = clYellow\nFont.Color = $000000FF"),
       "windowprocpaintmidle",
       "PaintRect := LayoutRow[0].Placed;\nFillRect(PaintDC,PaintRect,ColorBrush1);"},
      {"the text colour as the form gives it, a number included",
       Object("Label1", "TLabel", "Color = clYellow\nFont.Color = $000000FF"),
       "windowprocpaintmidle", "SetTextColor(PaintDC,RGB(255,0,0));"},
      {"a label at the bottom of its box, right aligned, wrapping",
       Object("Label1", "TLabel",
              "Alignment = taRightJustify\nAutoSize = False\nLayout = tlBottom\nWordWrap = True"),
       "windowprocpaintmidle",
       "TextRect := PaintRect;\nDrawTextW(PaintDC,PWideChar(WideString('')),-1,TextRect,"
       "DT_EXPANDTABS or DT_RIGHT or DT_WORDBREAK or DT_CALCRECT);\n"
       "OffsetRect(PaintRect,0,PaintRect.Bottom - TextRect.Bottom);"},
      {"a wrapping label centred upright is painted centred",
       Object("Label1", "TLabel", "Layout = tlCenter\nWordWrap = True\nTransparent = True"),
       "windowprocpaintmidle",
       "OffsetRect(PaintRect,0,(PaintRect.Bottom - TextRect.Bottom) div 2);"},
      {"labels are painted after a shape before them",
       Object("Shape1", "TShape", "") + Object("Label1", "TLabel", "Transparent = True"),
       "windowprocpaintmidle",
       "Rectangle(PaintDC,PaintRect.Left,PaintRect.Top,PaintRect.Right,PaintRect.Bottom);\n"
       "{ Paint label: Label1 }"},
  };
  for (const Case& c : cases) Check(c);
}

// Pages at 10,20 of 200 by 150 with `values`, one sheet holding an edit.
std::string Pages(const std::string& values) {
  return "  object Pages1: TPageControl\n    Left = 10\n    Top = 20\n    Width = 200\n"
         "    Height = 150\n" +
         values + "    object Sheet1: TTabSheet\n      Caption = 'One'\n" +
         Object("Edit1", "TEdit", "", "      ") + Object("Shape1", "TShape", "", "      ") +
         "    end\n  end\n";
}

TEST_F(BehaviourTest, TabsTakeTheirSizeAndPagesStartBelowEveryRow) {
  const Case cases[] = {
      {"a fixed tab width and height", Pages("    TabHeight = 30\n    TabWidth = 80\n"),
       "bodymidle",
       "TCS_FIXEDWIDTH,\n10,20,200,150, hWindow, 0, Inst, nil);\n"
       "SendMessageW(Pages1, TCM_SETITEMSIZE, 0, MAKELPARAM(80, 30));"},
      {"a fixed height alone leaves each tab its own width", Pages("    TabHeight = 30\n"),
       "bodymidle", "TCS_FIXEDWIDTH", false},
      {"a multi-line control's pages start below every row, as the layout places them",
       Pages("    MultiLine = True\n"), "bodylast",
       "if TabCtrl_GetRowCount(Pages1) > 1 then begin\nPages1Shift.Y := PageRect.Top - 24;\nend;"},
      {"and the sheet's row moves by as much", Pages("    MultiLine = True\n"), "bodylast",
       "with LayoutRow[1] do begin Inc(Left, Pages1Shift.X); Inc(Top, Pages1Shift.Y); "
       "Dec(Width, Pages1Shift.X); Dec(Height, Pages1Shift.Y); end;"},
      {"so what it paints moves with its row, not by the viewport", Pages("    MultiLine = True\n"),
       "windowprocpaintmidle", "OffsetViewportOrgEx", false},
      {"tabs on the left push the pages to the right", Pages("    TabPosition = tpLeft\n"),
       "bodylast", "Pages1Shift.X := PageRect.Left - 24;"},
      {"tabs at the bottom leave the pages where they are",
       Pages("    MultiLine = True\n    TabPosition = tpBottom\n"), "bodylast", "Shift", false},
      {"one row of tabs leaves the pages where they are", Pages(""), "bodylast", "Shift", false},
  };
  for (const Case& c : cases) Check(c);
}

TEST_F(BehaviourTest, AFrameIsSizedByItsClientArea) {
  const struct {
    const char* rule;
    std::string form;
    const char* size;  // the lines that size the window
  } cases[] = {
      {"a frame's Width and Height are its client area",
       "object Frame1: TFrame1\n  Left = 0\n  Top = 0\n  Width = 320\n  Height = 240\n"
       "  TabOrder = 0\nend\n",
       "SetRect(WinRect, 0, 0, ScaleToScreen(320), ScaleToScreen(240));\nAdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, "
       "False, WS_EX_WINDOWEDGE);\nWinWidth := WinRect.Right - WinRect.Left;\n"
       "WinHeight := WinRect.Bottom - WinRect.Top;"},
      {"a form's Width and Height are its outer size",
       "object Form1: TForm1\n  Width = 320\n  Height = 240\n  PixelsPerInch = 96\n"
       "  TextHeight = 13\nend\n",
       "WinWidth := ScaleToScreen(320);\nWinHeight := ScaleToScreen(240);"},
      {"a form without an outer size is sized by its client area",
       "object Form1: TForm1\n  ClientWidth = 300\n  ClientHeight = 200\n  TextHeight = 13\nend\n",
       "SetRect(WinRect, 0, 0, ScaleToScreen(300), ScaleToScreen(200));"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    ASSERT_EQ(TranslateForm(c.form), "");
    const std::string body = Lines("bodymidle");
    EXPECT_NE(body.find(c.size), std::string::npos) << body;
  }
}

}  // namespace
}  // namespace vornic
