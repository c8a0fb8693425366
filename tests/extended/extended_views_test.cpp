// Whole forms through the extended translation for the date controls, list
// and tree views, grids and the edit and list variants: the program text
// each writes, the values it refuses, and the exact translation unchanged.
#include <gtest/gtest.h>

#include <string>

#include "support/program_fixture.h"

namespace vornic {
namespace {

class ExtendedViewsTest : public ProgramFixture {
 protected:
  // Translates a form of `controls` (lines at the form's level) and returns
  // the error report, empty when the form passes.
  std::string Translate(const std::string& controls,
                        Translation translation = Translation::kExtended) {
    return TranslateForm("object Form1: TForm1\n  TextHeight = 13\n" + controls + "end\n",
                         translation);
  }

  // The creation text of the controls, without the main window's.
  std::string Controls() const {
    const std::string body = Added("bodymidle");
    return body.substr(body.find("\r\n\r\n  { Create a") + 2);
  }
};

TEST_F(ExtendedViewsTest, ListViewGetsItsColumnsItemsAndStyles) {
  // One stored item "ab" with the further text "c", its image last.
  ASSERT_EQ(Translate("  object ListView1: TListView\n"
                      "    Left = 8\n    Top = 8\n    Width = 300\n    Height = 120\n"
                      "    BorderStyle = bsNone\n"
                      "    Columns = <\n"
                      "      item\n        Caption = 'Name'\n        Width = 100\n      end\n"
                      "      item\n        Alignment = taRightJustify\n        Width = -1\n"
                      "      end>\n"
                      "    GridLines = True\n    HideSelection = False\n    ReadOnly = True\n"
                      "    Items.Data = {\n"
                      "      250000000100000000000000FFFFFFFFFFFFFFFF0100000000000000\n"
                      "      0261620163FFFFFFFF}\n"
                      "    ViewStyle = vsReport\n"
                      "  end\n"),
            "");
  EXPECT_EQ(Controls(),
            "\r\n  { Create a list view ============================================== }"
            "\r\n  ListView1:= CreateWindowExW(0, 'SysListView32','', WS_VISIBLE or WS_CHILD or "
            "WS_TABSTOP or LVS_REPORT or LVS_SINGLESEL or LVS_SHOWSELALWAYS,"
            "\r\n              8,8,300,120, hWindow, 0, Inst, nil);"
            "\r\n  SendMessageW(ListView1,LVM_SETEXTENDEDLISTVIEWSTYLE,0,LVS_EX_GRIDLINES);"
            "\r\n  { add columns to list view }"
            "\r\n  ListColumn.mask := LVCF_TEXT or LVCF_WIDTH or LVCF_FMT;"
            "\r\n  ListColumn.fmt := LVCFMT_LEFT; ListColumn.cx := 100; "
            "ListColumn.pszText := PWideChar('Name');"
            "\r\n  SendMessageW(ListView1,LVM_INSERTCOLUMNW,0,LParam(@ListColumn));"
            "\r\n  ListColumn.fmt := LVCFMT_RIGHT; ListColumn.cx := 50; "
            "ListColumn.pszText := PWideChar('');"
            "\r\n  SendMessageW(ListView1,LVM_INSERTCOLUMNW,1,LParam(@ListColumn));"
            "\r\n  SendMessageW(ListView1,LVM_SETCOLUMNWIDTH,1,-1);"
            "\r\n  { add items to list view }"
            "\r\n  ListItem.mask := LVIF_TEXT;"
            "\r\n  ListItem.iItem := 0; ListItem.iSubItem := 0; ListItem.pszText := PWideChar('ab');"
            "\r\n  SendMessageW(ListView1,LVM_INSERTITEMW,0,LParam(@ListItem));"
            "\r\n  ListItem.iSubItem := 1; ListItem.pszText := PWideChar('c');"
            "\r\n  SendMessageW(ListView1,LVM_SETITEMTEXTW,0,LParam(@ListItem));\r\n");
  EXPECT_EQ(Added("windowproccreatemidle"), "\r\n      InitCommonControls;");
}

TEST_F(ExtendedViewsTest, TreeViewInsertsEachNodeBelowItsParent) {
  // Root "R" with the child "c", then the root "d".
  ASSERT_EQ(Translate("  object TreeView1: TTreeView\n"
                      "    Left = 8\n    Top = 8\n    Width = 200\n    Height = 120\n"
                      "    Indent = 19\n    ShowLines = False\n    RowSelect = True\n"
                      "    Items.Data = {\n"
                      "      020000001A0000000000000000000000FFFFFFFFFFFFFFFF0000000001000000\n"
                      "      01521A0000000000000000000000FFFFFFFFFFFFFFFF000000000000000001\n"
                      "      631A0000000000000000000000FFFFFFFFFFFFFFFF00000000000000000164}\n"
                      "  end\n"),
            "");
  EXPECT_EQ(Controls(),
            "\r\n  { Create a tree view ============================================== }"
            "\r\n  TreeView1:= CreateWindowExW(WS_EX_CLIENTEDGE, 'SysTreeView32','', WS_VISIBLE "
            "or WS_CHILD or WS_TABSTOP or TVS_HASBUTTONS or TVS_LINESATROOT or TVS_EDITLABELS or "
            "TVS_FULLROWSELECT,"
            "\r\n              8,8,200,120, hWindow, 0, Inst, nil);"
            "\r\n  SendMessageW(TreeView1,TVM_SETINDENT,19,0);"
            "\r\n  { add items to tree view }"
            "\r\n  TreeInsert.hInsertAfter := TVI_LAST; TreeInsert.item.mask := TVIF_TEXT;"
            "\r\n  TreeInsert.hParent := TVI_ROOT; TreeInsert.item.pszText := PWideChar('R');"
            "\r\n  TreeNodes[0] := HTREEITEM(SendMessageW(TreeView1,TVM_INSERTITEMW,0,"
            "LParam(@TreeInsert)));"
            "\r\n  TreeInsert.hParent := TreeNodes[0]; TreeInsert.item.pszText := PWideChar('c');"
            "\r\n  SendMessageW(TreeView1,TVM_INSERTITEMW,0,LParam(@TreeInsert));"
            "\r\n  TreeInsert.hParent := TVI_ROOT; TreeInsert.item.pszText := PWideChar('d');"
            "\r\n  SendMessageW(TreeView1,TVM_INSERTITEMW,0,LParam(@TreeInsert));\r\n");
  EXPECT_NE(Added("var").find("\r\n    TreeNodes: array[0..63] of HTREEITEM;"), std::string::npos);
}

// Column widths with the grid line, runs of equal columns in a loop, no
// header without a fixed row, and one empty row per row.
TEST_F(ExtendedViewsTest, GridBecomesAListViewOfItsColumnsAndRows) {
  ASSERT_EQ(Translate("  object StringGrid1: TStringGrid\n"
                      "    Left = 8\n    Top = 8\n    Width = 300\n    Height = 120\n"
                      "    ColCount = 4\n    DefaultColWidth = 40\n    DefaultRowHeight = 18\n"
                      "    FixedRows = 0\n    RowCount = 3\n"
                      "    Options = [goFixedVertLine, goRowSelect]\n"
                      "    ColWidths = (\n      80\n      40\n      40)\n"
                      "  end\n"),
            "");
  EXPECT_EQ(Controls(),
            "\r\n  { Create a grid =================================================== }"
            "\r\n  StringGrid1:= CreateWindowExW(WS_EX_CLIENTEDGE, 'SysListView32','', "
            "WS_VISIBLE or WS_CHILD or WS_TABSTOP or LVS_REPORT or LVS_SINGLESEL or "
            "LVS_NOCOLUMNHEADER,"
            "\r\n                8,8,300,120, hWindow, 0, Inst, nil);"
            "\r\n  SendMessageW(StringGrid1,LVM_SETEXTENDEDLISTVIEWSTYLE,0,LVS_EX_FULLROWSELECT);"
            "\r\n  SendMessageW(StringGrid1,LVM_SETIMAGELIST,LVSIL_SMALL,"
            "LParam(ImageList_Create(1,18,ILC_COLOR,0,1)));"
            "\r\n  { add columns to grid }"
            "\r\n  ListColumn.mask := LVCF_WIDTH;"
            "\r\n  ListColumn.cx := 81; SendMessageW(StringGrid1,LVM_INSERTCOLUMNW,0,"
            "LParam(@ListColumn));"
            "\r\n  ListColumn.cx := 41; for ListIndex := 1 to 3 do SendMessageW(StringGrid1,"
            "LVM_INSERTCOLUMNW,ListIndex,LParam(@ListColumn));"
            "\r\n  { add rows to grid }"
            "\r\n  ListItem.mask := LVIF_TEXT; ListItem.iSubItem := 0; ListItem.pszText := '';"
            "\r\n  for ListIndex := 0 to 2 do begin ListItem.iItem := ListIndex; "
            "SendMessageW(StringGrid1,LVM_INSERTITEMW,0,LParam(@ListItem)); end;\r\n");
}

// Two pickers share the variables and the set-up of the date classes; a
// picker whose box is unchecked shows no date.
TEST_F(ExtendedViewsTest, DateControlsShowTheStoredMoment) {
  ASSERT_EQ(Translate("  object DateTimePicker1: TDateTimePicker\n"
                      "    Left = 8\n    Top = 8\n    Width = 186\n    Height = 21\n"
                      "    Date = 36585.5\n    Time = 36585.5\n    DateFormat = dfLong\n"
                      "    MinDate = 36526.000000000000000000\n    MaxDate = 0\n"
                      "    Format = 'dd.MM.yyyy'\n    ShowCheckbox = True\n    Checked = False\n"
                      "  end\n"
                      "  object DateTimePicker2: TDateTimePicker\n"
                      "    Left = 8\n    Top = 40\n    Width = 80\n    Height = 21\n"
                      "    Date = 1e9\n    Kind = dtkTime\n    DateFormat = dfLong\n"
                      "  end\n"
                      "  object MonthCalendar1: TMonthCalendar\n"
                      "    Left = 8\n    Top = 70\n    Width = 200\n    Height = 160\n"
                      "    Date = 36526d\n    ShowToday = False\n    WeekNumbers = True\n"
                      "  end\n"),
            "");
  EXPECT_EQ(Controls(),
            "\r\n  { Create a date and time picker =================================== }"
            "\r\n  DateTimePicker1:= CreateWindowExW(0, 'SysDateTimePick32','', WS_VISIBLE or "
            "WS_CHILD or WS_TABSTOP or DTS_LONGDATEFORMAT or DTS_SHOWNONE,"
            "\r\n                    8,8,186,21, hWindow, 0, Inst, nil);"
            "\r\n  SendMessageW(DateTimePicker1,DTM_SETFORMATW,0,LParam(PWideChar('dd.MM.yyyy')));"
            "\r\n  { keep the dates within the stored range }"
            "\r\n  PickerRange[0].wYear := 2000; PickerRange[0].wMonth := 1; "
            "PickerRange[0].wDay := 1; PickerRange[0].wDayOfWeek := 6;"
            "\r\n  PickerRange[0].wHour := 0; PickerRange[0].wMinute := 0; "
            "PickerRange[0].wSecond := 0; PickerRange[0].wMilliseconds := 0;"
            "\r\n  SendMessageW(DateTimePicker1,DTM_SETRANGE,GDTR_MIN,LParam(@PickerRange));"
            "\r\n  { show the stored date }"
            "\r\n  PickerTime.wYear := 2000; PickerTime.wMonth := 2; PickerTime.wDay := 29; "
            "PickerTime.wDayOfWeek := 2;"
            "\r\n  PickerTime.wHour := 12; PickerTime.wMinute := 0; PickerTime.wSecond := 0; "
            "PickerTime.wMilliseconds := 0;"
            "\r\n  SendMessageW(DateTimePicker1,DTM_SETSYSTEMTIME,GDT_VALID,LParam(@PickerTime));"
            "\r\n  SendMessageW(DateTimePicker1,DTM_SETSYSTEMTIME,GDT_NONE,LParam(@PickerTime));\r\n"
            "\r\n  { Create a date and time picker =================================== }"
            "\r\n  DateTimePicker2:= CreateWindowExW(0, 'SysDateTimePick32','', WS_VISIBLE or "
            "WS_CHILD or WS_TABSTOP or DTS_TIMEFORMAT,"
            "\r\n                    8,40,80,21, hWindow, 0, Inst, nil);\r\n"
            "\r\n  { Create a month calendar ========================================= }"
            "\r\n  MonthCalendar1:= CreateWindowExW(0, 'SysMonthCal32','', WS_VISIBLE or WS_CHILD or "
            "WS_TABSTOP or MCS_WEEKNUMBERS or MCS_NOTODAY,"
            "\r\n                   8,70,200,160, hWindow, 0, Inst, nil);"
            "\r\n  { show the stored date }"
            "\r\n  PickerTime.wYear := 2000; PickerTime.wMonth := 1; PickerTime.wDay := 1; "
            "PickerTime.wDayOfWeek := 6;"
            "\r\n  PickerTime.wHour := 0; PickerTime.wMinute := 0; PickerTime.wSecond := 0; "
            "PickerTime.wMilliseconds := 0;"
            "\r\n  SendMessageW(MonthCalendar1,MCM_SETCURSEL,0,LParam(@PickerTime));\r\n");
  EXPECT_EQ(Added("windowproccreatemidle"),
            "\r\n      CommonClasses.dwSize := SizeOf(CommonClasses);"
            "\r\n      CommonClasses.dwICC := ICC_DATE_CLASSES;"
            "\r\n      InitCommonControlsEx(CommonClasses);"
            "\r\n      InitCommonControls;");
  EXPECT_NE(Added("var").find("\r\n    CommonClasses: TInitCommonControlsEx;"
                              "\r\n    PickerRange: array[0..1] of TSystemTime;"
                              "\r\n    PickerTime: TSystemTime;"
                              "\r\n    DateTimePicker1: HWND;\r\n    DateTimePicker2: HWND;"
                              "\r\n    MonthCalendar1: HWND;\r\n"),
            std::string::npos);
}

// A collection item's Width is the entry's, not the control's; a list entry
// continued over lines keeps every piece.
TEST_F(ExtendedViewsTest, EditAndListVariantsKeepTheirTextsAndEntries) {
  const std::string long_entry(70, 'x');
  ASSERT_EQ(Translate("  object RichEdit1: TRichEdit\n"
                      "    Left = 8\n    Top = 8\n    Width = 200\n    Height = 80\n"
                      "    Lines.Strings = (\n      'one'\n      '" +
                      long_entry +
                      "' +\n"
                      "        'y''s')\n"
                      "    ReadOnly = True\n    ScrollBars = ssBoth\n    WordWrap = False\n"
                      "  end\n"
                      "  object MaskEdit1: TMaskEdit\n"
                      "    Left = 8\n    Top = 100\n    Width = 121\n    Height = 21\n"
                      "    CharCase = ecUpperCase\n    MaxLength = 10\n    PasswordChar = '*'\n"
                      "    Text = '  /  /    '\n"
                      "  end\n"
                      "  object ComboBoxEx1: TComboBoxEx\n"
                      "    Left = 8\n    Top = 130\n    Width = 145\n    Height = 22\n"
                      "    ItemsEx = <\n"
                      "      item\n        Caption = 'First'\n        Width = 999\n      end\n"
                      "      item\n      end>\n"
                      "    Style = csExDropDownList\n    ItemIndex = 0\n"
                      "  end\n"
                      "  object CheckListBox1: TCheckListBox\n"
                      "    Left = 8\n    Top = 160\n    Width = 120\n    Height = 80\n"
                      "    IntegralHeight = True\n    ItemHeight = 16\n    Sorted = True\n"
                      "    Items.Strings = (\n      'One')\n"
                      "  end\n"
                      "  object ColorBox1: TColorBox\n"
                      "    Left = 8\n    Top = 250\n    Width = 120\n    Height = 22\n"
                      "    Selected = clWhite\n    Style = [cbStandardColors, cbCustomColor]\n"
                      "  end\n"),
            "");
  const std::string controls = Controls();
  const auto block = [&controls](const std::string& banner) {
    const size_t start = controls.find("  { Create " + banner);
    return controls.substr(start, controls.find("\r\n\r\n", start) - start);
  };
  EXPECT_EQ(block("a rich edit"),
            "  { Create a rich edit ============================================== }"
            "\r\n  RichEdit1:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or "
            "WS_VISIBLE or WS_TABSTOP or ES_READONLY or ES_MULTILINE or ES_AUTOVSCROLL or "
            "WS_HSCROLL or WS_VSCROLL or ES_AUTOHSCROLL or ES_WANTRETURN,"
            "\r\n              8,8,200,80, hWindow, 0, Inst, nil);"
            "\r\n  { add lines to rich edit }"
            "\r\n  SendMessageW(RichEdit1,WM_SETTEXT,0,LParam(PWideChar('one'+#13#10+'" +
                long_entry + "y''s')));");
  EXPECT_EQ(block("a masked edit"),
            "  { Create a masked edit field ====================================== }"
            "\r\n  MaskEdit1:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','  /  /    ', WS_CHILD or "
            "WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL or ES_UPPERCASE or ES_PASSWORD,"
            "\r\n              8,100,121,21, hWindow, 0, Inst, nil);"
            "\r\n  SendMessageW(MaskEdit1,EM_LIMITTEXT,10,0);"
            "\r\n  SendMessageW(MaskEdit1,EM_SETPASSWORDCHAR,42,0);");
  EXPECT_EQ(block("an extended combo box"),
            "  { Create an extended combo box ==================================== }"
            "\r\n  ComboBoxEx1:= CreateWindowExW(0, 'combobox','', WS_VISIBLE or WS_CHILD or WS_TABSTOP "
            "or WS_VSCROLL or CBS_DROPDOWNLIST,"
            "\r\n                8,130,145,150, hWindow, 0, Inst, nil);"
            "\r\n  { add items to combo box }"
            "\r\n  SendMessageW(ComboBoxEx1,CB_ADDSTRING,0,LParam(PWideChar('First')));"
            "\r\n  SendMessageW(ComboBoxEx1,CB_ADDSTRING,0,LParam(PWideChar('')));"
            "\r\n  SendMessageW(ComboBoxEx1,CB_SETCURSEL,0,0);");
  EXPECT_EQ(block("a check list box"),
            "  { Create a check list box ========================================= }"
            "\r\n  CheckListBox1:= CreateWindowExW(WS_EX_CLIENTEDGE, 'listbox','', WS_VISIBLE or "
            "WS_CHILD or WS_TABSTOP or WS_VSCROLL or LBS_NOTIFY or LBS_SORT,"
            "\r\n                  8,160,120,80, hWindow, 0, Inst, nil);"
            "\r\n  SendMessageW(CheckListBox1,LB_SETITEMHEIGHT,0,16);"
            "\r\n  { add items to check list box }"
            "\r\n  SendMessageW(CheckListBox1,LB_ADDSTRING,0,LParam(PWideChar('One')));");
  const std::string colors = block("a colour box");
  EXPECT_NE(colors.find("\r\n  SendMessageW(ColorBox1,CB_ADDSTRING,0,LParam(PWideChar('Custom...')));"
                        "\r\n  SendMessageW(ColorBox1,CB_ADDSTRING,0,LParam(PWideChar('clBlack')));"),
            std::string::npos);
  EXPECT_NE(colors.find("\r\n  SendMessageW(ColorBox1,CB_SETCURSEL,16,0);"), std::string::npos);
}

// Values these classes write are checked like every other value, in the
// extended translation only and only for the class that writes them.
TEST_F(ExtendedViewsTest, ValuesTheyWriteAreCheckedInTheExtendedTranslationOnly) {
  struct Case {
    const char* writer;  // the class that writes the value
    const char* lines;   // line 4 on
    const char* report;
  };
  const Case cases[] = {
      {"TListView", "    Columns = <\n      item\n        Caption = Halt\n      end>\n",
       "[Error] form.txt(6):         Caption = Halt"},
      {"TStringGrid", "    ColCount = 5x\n", "[Error] form.txt(4):     ColCount = 5x"},
      {"TStringGrid", "    ColWidths = (\n      64\n      6);Halt;(x)\n",
       "[Error] form.txt(6):       6);Halt;(x)"},
      {"TCheckListBox", "    Items.Strings = (\n      'a'\n      Halt)\n",
       "[Error] form.txt(6):       Halt)"},
      {"TDateTimePicker", "    Format = Now\n", "[Error] form.txt(4):     Format = Now"},
  };
  for (const char* class_name : {"TListView", "TStringGrid", "TCheckListBox", "TDateTimePicker"}) {
    for (const Case& c : cases) {
      const std::string form = std::string("  object Control1: ") + class_name + "\n" + c.lines +
                               "    Left = 1\n    Top = 1\n    Width = 9\n    Height = 9\n  end\n";
      const bool written = std::string(class_name) == c.writer;
      EXPECT_EQ(Translate(form), written ? c.report : "") << class_name << "\n" << c.lines;
      EXPECT_EQ(Translate(form, Translation::kExact), "") << class_name << "\n" << c.lines;
      EXPECT_EQ(Added("bodymidle").find("Control1"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace vornic
