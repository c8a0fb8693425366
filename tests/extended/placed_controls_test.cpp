// The extended writers' rules that the example forms leave out: where a
// status bar stands, which window an up-down takes as its buddy, which
// painted controls wait until they are shown, the styles of a static text,
// and that a control left out takes no variable name.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "driver/translator.h"
#include "input/form_text_sink.h"
#include "lib/errors.h"
#include "output/program_text.h"

namespace vornic {
namespace {

const char kFormStart[] = "object Form1: TForm1\n  Width = 400\n  Height = 300\n";

// The section `section` of the program the extended translation writes for
// a form holding `controls`.
std::string SectionOf(const std::string& controls, const std::string& section) {
  std::unique_ptr<Translator> translator =
      MakeExtendedTranslator("form.txt", "form.dpr", ClassAliases());
  translator->text().Add(kFormStart + controls + "end\n");
  translator->Finish();
  return translator->program().Section(section);
}

std::string Object(const std::string& name, const std::string& class_name,
                   const std::string& values, const std::string& indent = "  ") {
  std::string text = indent + "object " + name + ": " + class_name + "\n";
  for (size_t start = 0, end; start < values.size(); start = end + 1) {
    end = values.find(';', start);
    if (end == std::string::npos) end = values.size();
    text += indent + "  " + values.substr(start, end - start) + "\n";
  }
  return text + indent + "end\n";
}

TEST(PlacedControlsTest, EachRuleShowsInItsSection) {
  const std::string box = "Left = 5;Top = 6;Width = 50;Height = 20";
  const std::string panel =
      "  object Panel1: TPanel\n    Left = 20\n    Top = 30\n"
      "    Width = 200\n    Height = 150\n" +
      Object("StatusBar1", "TStatusBar", box, "    ") + "  end\n";
  const struct {
    const char* rule;
    std::string controls;
    const char* section;
    const char* text;  // expected in the section
    bool present;
  } cases[] = {
      {"a status bar inside a container stands where the form puts it", panel, "bodymidle",
       "CCS_NORESIZE,\r\n               25,36,50,20, hWindow", true},
      {"a status bar aligned elsewhere than the bottom stands where the form puts it",
       Object("StatusBar1", "TStatusBar", box + ";Align = alTop"), "bodymidle",
       "CCS_NORESIZE,\r\n               5,6,50,20, hWindow", true},
      {"a status bar on the form docks at its bottom edge and follows its size",
       Object("StatusBar1", "TStatusBar", box + ";SimplePanel = True;SimpleText = 'ready'"),
       "windowprocwmsizemidle", "SendMessageW(StatusBar1,WM_SIZE,wParam,lParam);", true},
      {"an up-down's buddy may come later in the form",
       Object("UpDown1", "TUpDown", box + ";Associate = Edit1") + Object("Edit1", "TEdit", box),
       "bodymidleend", "SendMessageW(UpDown1,UDM_SETBUDDY,Edit1,0);", true},
      {"an associate without a window is no buddy",
       Object("UpDown1", "TUpDown", box + ";Associate = Shape1") + Object("Shape1", "TShape", box),
       "bodymidleend", "UDM_SETBUDDY", false},
      {"a hidden shape is painted once it is shown",
       Object("Shape1", "TShape", box + ";Visible = False"), "windowprocpaintmidle",
       "if Shape1Shown then begin\r\n      { Create shape: Shape1 }", true},
      {"a hidden splitter is painted all the same",
       Object("Splitter1", "TSplitter", box + ";Visible = False"), "windowprocpaintmidle", "Shown",
       false},
      {"a static text takes its alignment and border as styles",
       Object("StaticText1", "TStaticText",
              box + ";Alignment = taCenter;BorderStyle = sbsSunken;Caption = 'Hi'"),
       "bodymidle", "'Static','Hi', WS_VISIBLE or WS_CHILD or SS_CENTER or SS_SUNKEN,", true},
      {"a control left out for want of a size takes no name",
       Object("Box", "TStaticText", "Left = 5") + Object("box", "TEdit", box), "var",
       "\r\n    box: HWND;", true},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.rule);
    const std::string section = SectionOf(test.controls, test.section);
    EXPECT_EQ(section.find(test.text) != std::string::npos, test.present) << section;
  }
}

// A control inside a container whose position is no integer cannot be
// placed: the run fails at the line where the control is written, its end
// line, or for a container the first object it holds.
TEST(PlacedControlsTest, PlacingFailsAtTheLineWhereTheControlIsWritten) {
  const std::string shape =
      Object("Shape1", "TShape", "Left = 1;Top = 2;Width = 3;Height = 4", "    ");
  const struct {
    std::string inside;  // what the container at Left = 1.5 holds
    const char* report;
  } cases[] = {
      {shape, "[Error] form.txt(11):     end"},
      {"    object Panel1: TPanel\n      Left = 1\n      Top = 2\n      Width = 3\n"
       "      Height = 4\n" +
           Object("Thing1", "TThing", "Left = 1", "      ") + "    end\n",
       "[Error] form.txt(11):       object Thing1: TThing"},
  };
  for (const auto& test : cases) {
    std::unique_ptr<Translator> translator =
        MakeExtendedTranslator("form.txt", "form.dpr", ClassAliases());
    translator->text().Add(kFormStart + std::string("  object Box1: TThing\n    Left = 1.5\n") +
                           test.inside + "  end\nend\n");
    try {
      translator->Finish();
      ADD_FAILURE() << test.report << " was not reported";
    } catch (const EParserError& failure) {
      EXPECT_EQ(std::string(failure.what()), test.report);
    }
  }
}

}  // namespace
}  // namespace vornic
