// The extended translation against the exact one on the same forms: the
// fonts the designer shows, the classes only it writes, and its value checks.
#include <gtest/gtest.h>

#include <string>

#include "support/program_fixture.h"

namespace vornic {
namespace {

class ExtendedTranslationTest : public ProgramFixture {
 protected:
  std::string Translate(const std::string& form, Translation translation) {
    return TranslateForm(form, translation);
  }

  // What the program creates and assigns of fonts: after the controls, or in
  // the extended program's procedure that makes them again for another
  // resolution (up to where it deletes the old ones).
  std::string Fonts() const {
    const std::string procedures = dpr_->Section("procedures");
    const size_t start = procedures.find("\r\n  { Create Font Handle");
    if (start == std::string::npos) return dpr_->Section("bodymidleend");
    return procedures.substr(start, procedures.find("\r\n  for FontIndex") - start);
  }

};

// The form's font, a panel's own font passed on through a class without a
// generator, a font of which only the style is stored, ParentFont after Font
// values, Font values of a collection item, which are no object's, and a
// status bar written at the end line of its first panel item.
constexpr char kFontForm[] = R"(object Form1: TForm1
  Caption = 'Fonts'
  Font.Charset = DEFAULT_CHARSET
  Font.Height = -13
  Font.Name = 'Arial'
  Font.Style = []
  TextHeight = 16
  object Edit1: TEdit
    Left = 8
    Top = 8
    Width = 100
    Height = 21
  end
  object Panel1: TPanel
    Left = 0
    Top = 40
    Width = 200
    Height = 100
    Font.Charset = DEFAULT_CHARSET
    Font.Height = -11
    Font.Name = 'Courier New'
    Font.Style = []
    ParentFont = False
    object Button1: TButton
      Left = 8
      Top = 8
      Width = 75
      Height = 25
      Caption = 'OK'
    end
    object Button2: TButton
      Left = 8
      Top = 40
      Width = 75
      Height = 25
      Caption = 'Bold'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object CheckBox1: TCheckBox
      Left = 8
      Top = 70
      Width = 75
      Height = 17
      Caption = 'Check'
      Font.Height = -20
      ParentFont = True
    end
  end
  object Grid1: TPanel
    Left = 0
    Top = 150
    Width = 200
    Height = 50
    Columns = <
      item
        Font.Name = 'Wingdings'
      end
      item
        Font.Height = -30
      end>
    object Edit2: TEdit
      Left = 8
      Top = 8
      Width = 100
      Height = 21
    end
  end
  object StatusBar1: TStatusBar
    Panels = <
      item
        Width = 50
      end
      item
      end>
  end
end
)";

TEST_F(ExtendedTranslationTest, EveryWindowControlGetsTheFontTheDesignerShows) {
  ASSERT_EQ(Translate(kFontForm, Translation::kExtended), "");
  EXPECT_EQ(Fonts(),
            "\r\n  { Create Font Handle =================================================== }"
            "\r\n  hFont1 := CreateFontW(ScaleToScreen(-13),0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Arial');"
            "\r\n  hFont2 := CreateFontW(ScaleToScreen(-11),0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Courier New');"
            "\r\n  hFont3 := CreateFontW(ScaleToScreen(-11),0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Courier New');"
            "\r\n\r\n  { Change fonts ============================================== }"
            "\r\n  if hFont1 <> 0 then SendMessageW(Edit1,WM_SETFONT,hFont1,0);"
            "\r\n  if hFont2 <> 0 then SendMessageW(Button1,WM_SETFONT,hFont2,0);"
            "\r\n  if hFont3 <> 0 then SendMessageW(Button2,WM_SETFONT,hFont3,0);"
            "\r\n  if hFont2 <> 0 then SendMessageW(CheckBox1,WM_SETFONT,hFont2,0);"
            "\r\n  if hFont1 <> 0 then SendMessageW(Edit2,WM_SETFONT,hFont1,0);"
            "\r\n  if hFont1 <> 0 then SendMessageW(StatusBar1,WM_SETFONT,hFont1,0);");
}

TEST_F(ExtendedTranslationTest, ExactTranslationSendsOnlyFontsTheControlsStore) {
  ASSERT_EQ(Translate(kFontForm, Translation::kExact), "");
  // A font without a height of its own is none.
  EXPECT_EQ(Fonts(),
            "\r\n  { Create Font Handle =================================================== }"
            "\r\n  hFont1 := CreateFont(-20,0,0,0,400,0,0,0,0,0,0,0,0,'MS Sans Serif');"
            "\r\n\r\n  { Change fonts ============================================== }"
            "\r\n  if hFont1 <> 0 then SendMessage(CheckBox1,WM_SETFONT,hFont1,0);\r\n");
}

// A form that stores no font has the designer's default; a painted label
// selects it around its text like a window control gets it.
TEST_F(ExtendedTranslationTest, FormWithoutFontGivesTheDefaultFontToPaintedLabelsToo) {
  ASSERT_EQ(Translate("object Form1: TForm1\n"
                      "  TextHeight = 13\n"
                      "  object Label1: TLabel\n"
                      "    Left = 8\n    Top = 8\n    Width = 40\n    Height = 13\n"
                      "    Caption = 'Hot'\n"
                      "    Color = clYellow\n"
                      "  end\n"
                      "  object Label2: TLabel\n"
                      "    Left = 8\n    Top = 30\n    Width = 40\n    Height = 13\n"
                      "    Caption = 'Cold'\n"
                      "  end\n"
                      "end\n",
                      Translation::kExtended),
            "");
  EXPECT_EQ(Fonts(),
            "\r\n  { Create Font Handle =================================================== }"
            "\r\n  hFont1 := CreateFontW(ScaleToScreen(-11),0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,"
            "'MS Sans Serif');"
            "\r\n\r\n  { Change fonts ============================================== }"
            "\r\n  if hFont1 <> 0 then SendMessageW(Label2,WM_SETFONT,hFont1,0);");
  EXPECT_NE(Added("windowprocpaintmidle").find("OldFont := SelectObject(PaintDC,hFont1);"),
            std::string::npos);
}

TEST_F(ExtendedTranslationTest, StaticTextIsWrittenOnlyByTheExtendedTranslation) {
  const std::string form =
      "object Form1: TForm1\n"
      "  TextHeight = 13\n"
      "  object Panel1: TPanel\n"
      "    Left = 10\n    Top = 20\n    Width = 300\n    Height = 200\n"
      "    object StaticText1: TStaticText\n"
      "      Left = 4\n      Top = 5\n      Width = 120\n      Height = 17\n"
      "      Alignment = taCenter\n"
      "      BorderStyle = sbsSunken\n"
      "      Caption = 'Ready'\n"
      "    end\n"
      "    object StaticText2: TStaticText\n"
      "      Left = 4\n      Top = 30\n      Width = 120\n      Height = 17\n"
      "      Alignment = taJustify\n"
      "    end\n"
      "  end\n"
      "end\n";
  ASSERT_EQ(Translate(form, Translation::kExact), "");
  EXPECT_EQ(control_count_, 0);

  ASSERT_EQ(Translate(form, Translation::kExtended), "");
  EXPECT_EQ(control_count_, 2);
  // Placed in the form's coordinates; an unknown alignment keeps the default.
  const std::string body = Added("bodymidle");
  EXPECT_EQ(body.substr(body.find("\r\n\r\n  { Create a static text") + 2),
            "\r\n  { Create a static text ============================================ }"
            "\r\n  StaticText1:= CreateWindowExW(0, 'Static','Ready', "
            "WS_VISIBLE or WS_CHILD or SS_CENTER or SS_SUNKEN,"
            "\r\n                14,25,120,17, hWindow, 0, Inst, nil);\r\n"
            "\r\n  { Create a static text ============================================ }"
            "\r\n  StaticText2:= CreateWindowExW(0, 'Static','', WS_VISIBLE or WS_CHILD or SS_LEFT,"
            "\r\n                14,50,120,17, hWindow, 0, Inst, nil);\r\n");
}

// Only the extended translation writes controls of other libraries' classes
// as the standard class their name ends in, and controls whose form stores
// no Caption. A class taken by its ending whose values do not fit that class,
// or a component without geometry, gives nothing, and the form is accepted;
// the items of a collection its standard class lacks do not move it.
TEST_F(ExtendedTranslationTest, OtherLibrariesControlsAndControlsWithoutCaptionsAreWritten) {
  const std::string form =
      "object Form1: TForm1\n  TextHeight = 13\n"
      "  object GroupBox1: TGroupBox\n    Left = 8\n    Top = 8\n    Width = 200\n"
      "    Height = 100\n"
      "    object CheckBox1: TCheckBox\n      Left = 8\n      Top = 20\n      Width = 100\n"
      "      Height = 17\n    end\n"
      "  end\n"
      "  object Label1: TLabel\n    Left = 8\n    Top = 120\n    Width = 60\n"
      "    Height = 13\n  end\n"
      "  object RzButton1: TRzButton\n    Left = 8\n    Top = 140\n    Width = 75\n"
      "    Height = 25\n    Caption = 'Go'\n  end\n"
      "  object YearEdit: TRxSpinEdit\n    Left = 90\n    Top = 140\n    Width = 60\n"
      "    Height = 21\n    Value = 2000.000000000000000000\n  end\n"
      "  object Source1: TMyDataEdit\n    Left = 240\n    Top = 8\n  end\n"
      "  object Panel1: TPanel\n    Left = 200\n    Top = 40\n    Width = 100\n"
      "    Height = 100\n"
      "    object ArtCombo1: TArtComboBox\n      Left = 10\n      Top = 8\n"
      "      Width = 80\n      Height = 21\n      Columns = <\n        item\n"
      "          Width = 40\n        end>\n    end\n"
      "  end\n"
      "end\n";
  ASSERT_EQ(Translate(form, Translation::kExact), "");
  EXPECT_EQ(control_count_, 0);

  ASSERT_EQ(Translate(form, Translation::kExtended), "");
  EXPECT_EQ(control_count_, 5);
  const std::string body = Added("bodymidle");
  for (const char* call : {"GroupBox1:= CreateWindowExW(0, 'Button','',",
                           "CheckBox1:= CreateWindowExW(0, 'Button','',",
                           "Label1:= CreateWindowExW(0, 'Static','',",
                           "RzButton1:= CreateWindowExW(0, 'Button','Go',",
                           "ArtCombo1:= CreateWindowExW(0, 'combobox','',"}) {
    EXPECT_NE(body.find(call), std::string::npos) << call;
  }
  EXPECT_NE(body.find("210,48,80,"), std::string::npos) << body;
  EXPECT_EQ(body.find("YearEdit"), std::string::npos);
  EXPECT_EQ(body.find("Source1"), std::string::npos);
}

// Values that only the extended translation writes are checked only there,
// so the exact translation accepts every form it always accepted.
TEST_F(ExtendedTranslationTest, ValuesReachingOnlyTheExtendedProgramAreCheckedThere) {
  struct Case {
    const char* lines;  // inside a panel on the form, line 3 on
    const char* report;
  };
  const Case cases[] = {
      {"    Font.Name = Arial\n", "[Error] form.txt(3):     Font.Name = Arial"},
      {"    Font.Height = 1);Halt;(\n", "[Error] form.txt(3):     Font.Height = 1);Halt;("},
      {"    object StaticText1: TStaticText\n      Caption = Halt\n",
       "[Error] form.txt(4):       Caption = Halt"},
      {"    object X(: TStaticText\n", "[Error] form.txt(3):     object X(: TStaticText"},
      {"    Font.Name = 'Arial'\n    Font.Charset = RUSSIAN_CHARSET\n", ""},
  };
  for (const Case& c : cases) {
    const std::string form =
        std::string("object Form1: TForm1\n  object Panel1: TPanel\n") + c.lines + "  end\nend\n";
    EXPECT_EQ(Translate(form, Translation::kExtended), c.report) << c.lines;
    EXPECT_EQ(Translate(form, Translation::kExact), "") << c.lines;
  }
  EXPECT_EQ(Translate("object Form1: TForm1\n  Font.Name = Halt\nend\n", Translation::kExtended),
            "[Error] form.txt(2):   Font.Name = Halt");
}

}  // namespace
}  // namespace vornic
