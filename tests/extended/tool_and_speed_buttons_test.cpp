// Whole extended runs over speed buttons and tool bars: which buttons show a
// glyph and how, where a glyph not shown is warned about, and which tool
// buttons are written (and so take a name) at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/picture_files.h"
#include "support/run_fixture.h"

namespace vornic {
namespace {

class ToolAndSpeedButtonsTest : public RunFixture {};

std::string Geometry(int left) {
  return "    Left = " + std::to_string(left) + "\n    Top = 8\n    Width = 40\n    Height = 24\n";
}

// Glyph.Data of a 24-bit bitmap 8 by 4 pixels: its length in 4 bytes, then
// the file, 32 bytes a line.
std::string GlyphData() {
  DibLayout layout;
  layout.width = 8;
  layout.height = 4;
  layout.rows.assign(8 * 4 * 3, '\x40');
  const std::string file = BmpFile(layout);
  const std::string data = std::string{static_cast<char>(file.size()), 0, 0, 0} + file;
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string lines = "    Glyph.Data = {";
  for (size_t i = 0; i < data.size(); ++i) {
    if (i % 32 == 0) lines += "\n      ";
    lines += kDigits[static_cast<uint8_t>(data[i]) >> 4];
    lines += kDigits[static_cast<uint8_t>(data[i]) & 0xF];
  }
  return lines + "}\n";
}

std::string Object(const std::string& name, const std::string& type, const std::string& lines) {
  return "  object " + name + ": " + type + "\n" + lines + "  end\n";
}

// `objects` held by another object: two blanks deeper.
std::string Held(const std::string& objects) {
  std::string text;
  for (size_t start = 0; start < objects.size();) {
    const size_t end = objects.find('\n', start) + 1;
    text += "  " + objects.substr(start, end - start);
    start = end;
  }
  return text;
}

TEST_F(ToolAndSpeedButtonsTest, EachButtonIsWrittenAsItsGlyphGroupAndBarSay) {
  const struct {
    const char* rule;
    std::string controls;
    std::vector<std::string> present;  // in the program
    std::vector<std::string> absent;
    std::string report;  // the console between "Wait..." and the count
    int controls_written;
  } cases[] = {
      {"a grouped button without caption shows its one glyph as its bitmap",
       Object("Grouped", "TSpeedButton", Geometry(8) + GlyphData() + "    GroupIndex = 1\n"),
       {"BS_CHECKBOX or BS_PUSHLIKE or BS_BITMAP,",
        "SendMessageW(Grouped,BM_SETIMAGE,IMAGE_BITMAP,LParam(hGrouped));",
        "hGrouped := LoadBitmap(Inst,PChar('BMP_Grouped'));"},
       {"BS_OWNERDRAW", "DrawGlyphButton"},
       "",
       1},
      {"a grouped button of several glyphs or with a caption shows none",
       Object("Two", "TSpeedButton",
              Geometry(8) + GlyphData() + "    GroupIndex = 1\n    NumGlyphs = 2\n") +
           Object("Titled", "TSpeedButton",
                  Geometry(50) + GlyphData() + "    GroupIndex = 1\n    Caption = 'T'\n"),
       {"Two:= CreateWindowExW(0, 'Button','', WS_VISIBLE or WS_CHILD or BS_CHECKBOX or BS_PUSHLIKE,"},
       {"BS_BITMAP", "BS_OWNERDRAW"},
       "",
       2},
      {"a damaged glyph is warned about at the button's end line; the button is drawn",
       Object("Damaged", "TSpeedButton", Geometry(8) + "    Glyph.Data = {\n      0C000000424D}\n"),
       {"Damaged:= CreateWindowExW(0, 'Button','', WS_VISIBLE or WS_CHILD or BS_OWNERDRAW,",
        "DrawGlyphButton(PDrawItemStruct(lParam)^, 0, 0, 0, 0, 4, -1);"},
       {},
       "[Warning] form.txt(9): glyph of Damaged not shown: bitmap file ends inside its header\n",
       1},
      {"glyph data on the property's own line is the glyph too",
       Object("OneLine", "TSpeedButton", Geometry(8) + "    Glyph.Data = {00000000}\n"),
       {"OneLine:= CreateWindowExW(0, 'Button','', WS_VISIBLE or WS_CHILD or BS_OWNERDRAW,"},
       {"hOneLine"},
       "",
       1},
      {"tool buttons outside a written bar are not written and take no name",
       Object("Alone", "TToolButton", "    Caption = 'A'\n") +
           Object("Bar", "TToolBar", Held(Object("Held", "TToolButton", ""))) +
           Object("alone", "TButton", Geometry(8)) + Object("held", "TButton", Geometry(50)),
       {"alone:= CreateWindow", "held:= CreateWindow"},
       {"alone_1", "held_1", "ToolbarWindow32", "TB_ADDBUTTONSW"},
       "",
       2},
      {"each button of a written bar counts; a separator does not click",
       Object("Bar", "TToolBar",
              Geometry(8) +
                  Held(Object("One", "TToolButton", "") +
                       Object("Gap", "TToolButton", "    Style = tbsSeparator\n    Width = 6\n") +
                       Object("Two", "TToolButton", "    Style = tbsCheck\n"))),
       {"ToolBarButton.iBitmap := 6;\r\n  ToolBarButton.idCommand := 2;",
        "(LoWord(wParam) = 3) then MessageBoxW(hWindow,'TwoClick','Check',MB_OK);",
        "ToolBarButton.fsStyle := BTNS_CHECK;"},
       {"(LoWord(wParam) = 2)"},
       "",
       4},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.rule);
    WriteFile("form.txt", "object Form1: TForm1\n" + test.controls + "end\n");
    ASSERT_EQ(RunTool({"--extended", "--no-events", "form.txt"}), 0) << console_;
    const std::string program = ReadFile("form.dpr");
    for (const std::string& text : test.present) {
      EXPECT_NE(program.find(text), std::string::npos) << text;
    }
    for (const std::string& text : test.absent) {
      EXPECT_EQ(program.find(text), std::string::npos) << text;
    }
    const std::string count =
        std::to_string(test.controls_written) + " controls is constructed ok.";
    EXPECT_EQ(console_.substr(0, console_.find(count)), "Wait...\n" + test.report);
  }
}

}  // namespace
}  // namespace vornic
