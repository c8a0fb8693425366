// Controls of other libraries: the standard class each is written as, and
// the framed placeholder (with a console line per class) of a visual control
// whose class nothing translates.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "extended/class_table.h"
#include "extended/writer_fixture.h"

namespace vornic {
namespace {

TEST(OtherLibrariesTest, ClassesOfOtherLibrariesAreWrittenAsTheStandardClassTheyStandFor) {
  ClassAliases aliases;
  std::istringstream file(
      "TWebBrowser = TPanel\n"  // a class nothing translates, mapped by the user
      "TCoolBar = TToolBar\n"   // the user's choice wins over the built-in table
      "TTntMemo = TEdit\n");    // and over the wrappers' rule
  aliases.ReadClassFile(file, "classes.txt");
  const ClassTable table(aliases);
  const struct {
    const char* class_name;
    const char* row;  // "none" when nothing writes it
    bool guessed;     // a stand-in: a value it cannot hold leaves it out
  } cases[] = {
      // Unicode wrappers, also of data-aware controls.
      {"TTntEdit", "TEDIT", true},
      {"TTntPageControl", "TPAGECONTROL", true},
      {"TTntDBEdit", "TEDIT", true},
      {"TTnt", "none", false},
      // Trees, grids and value list editors.
      {"TVirtualStringTree", "TTREEVIEW", true},
      {"TcxDBTreeList", "TTREEVIEW", true},
      {"TDBGridEh", "TSTRINGGRID", true},
      {"TValueListEditor", "TSTRINGGRID", true},
      {"TcxGrid", "TSTRINGGRID", true},
      // Tool bars, docks and bars that hold them.
      {"TTBDock", "TPANEL", true},
      {"TTBXToolbar", "TTOOLBAR", true},
      {"TActionMainMenuBar", "TTOOLBAR", true},
      {"TControlBar", "TPANEL", true},
      // Page controls, notebooks, their pages and tab sets.
      {"TTabbedNotebook", "TPAGECONTROL", true},
      {"TTabPage", "TTABSHEET", true},
      {"TRzPageControl", "TPAGECONTROL", true},
      {"TTabSet", "TTABCONTROL", true},
      {"TcxTabControl", "TTABCONTROL", true},
      // Button groups, navigators, gauges, splitters.
      {"TButtonGroup", "TPANEL", true},
      {"TRzCheckGroup", "TRADIOGROUP", true},
      {"TDBNavigator", "TPANEL", true},
      {"TcxDBNavigator", "TPANEL", true},
      {"TGauge", "TPROGRESSBAR", true},
      {"TOvcPictureField", "TEDIT", true},
      {"TJvNetscapeSplitter", "TSPLITTER", true},
      // Standard and data-aware classes are no guess.
      {"TEdit", "TEDIT", false},
      {"TDBEdit", "TEDIT", false},
      // The class file.
      {"TWebBrowser", "TPANEL", false},
      {"TCoolBar", "TTOOLBAR", false},
      {"TTntMemo", "TEDIT", false},
      {"TQuickRep", "none", false},
  };
  for (const auto& c : cases) {
    bool guessed = false;
    const WrittenClass* row = table.Find(c.class_name, &guessed);
    EXPECT_EQ(row == nullptr ? "none" : row->class_name, std::string(c.row)) << c.class_name;
    EXPECT_EQ(guessed, c.guessed) << c.class_name;
  }
}

class PlaceholderTest : public WriterFixture {
 protected:
  std::string Console() const {
    std::string lines;
    for (const std::string& line : translation_->warnings()) lines += line + "\n";
    return lines;
  }
};

std::string Object(const std::string& name, const std::string& class_name,
                   const std::string& values, const std::string& inside = "",
                   const char* kind = "object") {
  return std::string("  ") + kind + " " + name + ": " + class_name + "\n" + values + inside +
         "  end\n";
}

constexpr char kBox[] = "    Left = 10\n    Top = 20\n    Width = 100\n    Height = 50\n";

TEST_F(PlaceholderTest, VisualControlsOfClassesNothingTranslatesArePaintedAsFramedBoxes) {
  const std::string button =
      "    object Inner: TButton\n      Left = 4\n      Top = 4\n      Width = 75\n"
      "      Height = 25\n    end\n";
  const struct {
    const char* what;
    std::string objects;
    const char* paint;    // the placeholder's lines in the paint code; empty: none
    const char* console;  // the lines after the warnings
  } cases[] = {
      {"an unknown visual control", Object("Browser1", "TWebBrowser", kBox),
       "\n{ Placeholder of Browser1, a control of a class not translated }\nSaveDC(PaintDC);"
       "\nSetRect(PaintRect,10,20,110,70);"
       "\nFillRect(PaintDC,PaintRect,GetSysColorBrush(COLOR_WINDOW));"
       "\nDrawEdge(PaintDC,PaintRect,EDGE_ETCHED,BF_RECT or BF_ADJUST);"
       "\nSelectObject(PaintDC,hFont1);\nSetBkMode(PaintDC,TRANSPARENT);"
       "\nSetTextColor(PaintDC,GetSysColor(COLOR_GRAYTEXT));"
       "\nDrawTextW(PaintDC,'TWebBrowser',-1,PaintRect,DT_SINGLELINE or DT_VCENTER or DT_CENTER or "
       "DT_NOPREFIX or DT_END_ELLIPSIS);\nRestoreDC(PaintDC,-1);",
       "[Placeholder] TWebBrowser: 1 control of a class not translated is shown as a framed box\n"},
      {"one inside a panel, its contents written above it",
       Object("Panel1", "TPanel",
              "    Left = 30\n    Top = 40\n    Width = 300\n    Height = 200\n",
              "  " + Object("Chart1", "TChart", "  " + std::string(kBox), button)),
       "SetRect(PaintRect,40,60,140,110);",
       "[Placeholder] TChart: 1 control of a class not translated is shown as a framed box\n"},
      {"a guessed class with a value its stand-in cannot hold",
       Object("Spin1", "TRxSpinEdit", std::string(kBox) + "    Value = 1.5\n"),
       "DrawTextW(PaintDC,'TRxSpinEdit'",
       "[Placeholder] TRxSpinEdit: 1 control of a class not translated is shown as a framed box\n"},
      {"a frame whose file is not found", Object("Frame1", "TFrame2", kBox, "", "inline"),
       "{ Placeholder of Frame1,",
       "[Placeholder] TFrame2: 1 control of a class not translated is shown as a framed box\n"},
      {"a frame of which the form stores only changes",
       Object("Frame1", "TFrame2", kBox,
              "    inherited Changed: TButton\n      Caption = 'Go'\n    end\n", "inline"),
       "{ Placeholder of Frame1,",
       "[Placeholder] TFrame2: 1 control of a class not translated is shown as a framed box\n"},
      {"a frame whose controls the form stores whole",
       Object("Frame1", "TFrame2", kBox, button, "inline"), "", ""},
      {"an image list, whose size is that of its images", Object("Images1", "TImageList", kBox), "",
       ""},
      {"an unknown component without a size",
       Object("Gadget1", "TGadget", "    Left = 10\n    Top = 20\n"), "", ""},
      {"a size that is no number",
       Object("Gadget1", "TGadget",
              "    Left = 10\n    Top = 20\n    Width = 1.5\n"
              "    Height = 50\n"),
       "", ""},
      {"classes counted once each, in the order met, hidden ones too",
       Object("B1", "TWebBrowser", kBox) + Object("C1", "TChart", kBox) +
           Object("B2", "twebbrowser", std::string(kBox) + "    Visible = False\n"),
       "if B2Shown then begin",
       "[Placeholder] TWebBrowser: 2 controls of a class not translated are shown as framed "
       "boxes\n[Placeholder] TChart: 1 control of a class not translated is shown as a framed "
       "box\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteForm(c.objects);
    const std::string paint = Lines("windowprocpaintmidle");
    if (*c.paint == '\0') {
      EXPECT_EQ(paint.find("Placeholder"), std::string::npos) << paint;
    } else {
      EXPECT_NE(paint.find(c.paint), std::string::npos) << paint;
    }
    EXPECT_EQ(Console(), c.console);
    if (c.objects.find("Inner") != std::string::npos) {
      EXPECT_NE(Added("bodymidle").find("Inner:= CreateWindowExW(0, 'Button'"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace vornic
