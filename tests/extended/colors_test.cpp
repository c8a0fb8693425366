// Every colour property the extended program writes shows the colour the
// form gives, whether a name, a system colour or a number in any of the
// layouts a colour is stored in.
#include <gtest/gtest.h>

#include <string>

#include "extended/writer_fixture.h"

namespace vornic {
namespace {

class ColorsTest : public WriterFixture {};

struct ColorValue {
  const char* value;
  const char* expression;
};

constexpr ColorValue kValues[] = {
    {"clNavy", "RGB(0,0,128)"},
    {"14803425", "RGB(225,225,225)"},  // decimal, $00BBGGRR
    {"16711401", "RGB(233,254,254)"},
    {"$0080FF40", "RGB(64,255,128)"},  // hexadecimal
    {"$02123456", "RGB(86,52,18)"},    // the nearest palette colour: the same RGB
    {"clBtnShadow", "GetSysColor(COLOR_BTNSHADOW)"},
    {"$FF00000D", "GetSysColor(COLOR_HIGHLIGHT)"},  // a system colour, newer encoding
    {"-2147483633", "GetSysColor(COLOR_BTNFACE)"},  // $8000000F
    {"$80000018", "GetSysColor(COLOR_INFOBK)"},
};

struct ColorProperty {
  const char* what;
  const char* object;  // form text of the object; %s stands for the colour
  const char* found;   // what the program holds before the colour's expression
  const char* section;
};

constexpr ColorProperty kProperties[] = {
    {"shape brush",
     "  object Shape1: TShape\n    Left = 8\n    Top = 8\n    Width = 50\n    Height = 50\n"
     "    Brush.Color = %s\n  end\n",
     "Brush1 := CreateSolidBrush(", "windowproccreatemidle"},
    {"shape pen",
     "  object Shape1: TShape\n    Left = 8\n    Top = 8\n    Width = 50\n    Height = 50\n"
     "    Pen.Color = %s\n  end\n",
     "Pen1 := CreatePen(PS_INSIDEFRAME,1,", "windowproccreatemidle"},
    {"label font",
     "  object Label1: TLabel\n    Left = 8\n    Top = 8\n    Width = 50\n    Height = 13\n"
     "    Caption = 'L'\n    Font.Color = %s\n  end\n",
     "SetTextColor(PaintDC,", "windowprocpaintmidle"},
    {"label background",
     "  object Label1: TLabel\n    Left = 8\n    Top = 8\n    Width = 50\n    Height = 13\n"
     "    Caption = 'L'\n    Color = %s\n  end\n",
     "ColorBrush1 := CreateSolidBrush(", "windowproccreatemidle"},
    {"edit background",
     "  object Edit1: TEdit\n    Left = 8\n    Top = 8\n    Width = 50\n    Height = 21\n"
     "    Color = %s\n  end\n",
     "SetBkColor(HDC(wParam),", "windowprocmidle"},
    {"check box font",
     "  object CheckBox1: TCheckBox\n    Left = 8\n    Top = 8\n    Width = 50\n    Height = 17\n"
     "    Caption = 'C'\n    Font.Color = %s\n  end\n",
     "SetTextColor(HDC(wParam),", "windowprocmidle"},
    {"memo background",
     "  object Memo1: TMemo\n    Left = 8\n    Top = 8\n    Width = 50\n    Height = 50\n"
     "    Color = %s\n  end\n",
     "SetBkColor(HDC(wParam),", "windowprocmidle"},
};

std::string WithColor(const std::string& object, const std::string& value) {
  std::string text = object;
  text.replace(text.find("%s"), 2, value);
  return text;
}

TEST_F(ColorsTest, EveryColourPropertyShowsNamesSystemColoursAndNumbersAsTheFormGivesThem) {
  for (const ColorProperty& property : kProperties) {
    for (const ColorValue& color : kValues) {
      SCOPED_TRACE(std::string(property.what) + " = " + color.value);
      WriteForm(WithColor(property.object, color.value));
      const std::string expected = std::string(property.found) + color.expression;
      EXPECT_NE(Added(property.section).find(expected), std::string::npos)
          << expected << " in:\n"
          << Added(property.section);
    }
  }
}

}  // namespace
}  // namespace vornic
