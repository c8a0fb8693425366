// Non-visual components (image lists, timers, datasets and their fields,
// actions, dialogs, popup menus, a main menu the form does not name) produce
// nothing and move nothing, wherever they stand among the controls.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/program_fixture.h"

namespace vornic {
namespace {

std::string Program(const std::string& form, Translation translation) {
  return TranslatedProgram(form, translation);
}

// `components` goes between the controls on the form and inside a panel.
std::string Form(const std::string& components) {
  return "object Form1: TForm1\n  Caption = 'Form'\n  ClientHeight = 200\n"
         "  ClientWidth = 300\n  TextHeight = 13\n" +
         components +
         "  object Panel1: TPanel\n    Left = 20\n    Top = 30\n    Width = 200\n"
         "    Height = 100\n" +
         components +
         "    object Button1: TButton\n      Left = 8\n      Top = 8\n      Width = 75\n"
         "      Height = 25\n      Caption = 'OK'\n      OnClick = Button1Click\n    end\n"
         "  end\n" +
         components +
         "  object Label1: TLabel\n    Left = 8\n    Top = 150\n    Width = 40\n"
         "    Height = 13\n    Caption = 'Text'\n  end\nend\n";
}

constexpr char kComponents[] = R"(  object ImageList1: TImageList
    Left = 240
    Top = 8
    Bitmap = {
      494C010102000400040010001000FFFFFFFFFF10FFFFFFFFFFFFFFFF424D3600
      0000000000003600000028000000}
  end
  object Timer1: TTimer
    Interval = 500
    OnTimer = Timer1Timer
    Left = 240
    Top = 40
  end
  object Query1: TADOQuery
    Left = 240
    Top = 72
    object Query1Name: TStringField
      FieldName = 'Name'
      Size = 40
    end
  end
  object ActionList1: TActionList
    Left = 240
    Top = 104
    object Action1: TAction
      Caption = 'Run'
      OnExecute = Action1Execute
    end
  end
  object FontDialog1: TFontDialog
    Font.Charset = DEFAULT_CHARSET
    Font.Height = -20
    Font.Name = 'Courier New'
    Left = 240
    Top = 136
  end
  object PopupMenu1: TPopupMenu
    Left = 240
    Top = 168
    object Copy1: TMenuItem
      Caption = 'Copy'
      ShortCut = 16451
      OnClick = Copy1Click
    end
  end
  object MainMenu2: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
    end
  end
)";

TEST(NonVisualComponentsTest, ProduceNothingAndMoveNothingInEitherTranslation) {
  for (Translation translation : {Translation::kExact, Translation::kExtended}) {
    std::string components = kComponents;
    std::string nested;  // the same, one level deeper
    for (size_t start = 0; start < components.size();) {
      const size_t end = components.find('\n', start) + 1;
      nested += "  " + components.substr(start, end - start);
      start = end;
    }
    const std::string expected = Program(Form(""), translation);
    std::string form = Form(components);
    // Inside the panel the components stand one level deeper.
    form.replace(form.find(components, form.find("Panel1")), components.size(), nested);
    EXPECT_EQ(Program(form, translation), expected) << static_cast<int>(translation);
  }
}

}  // namespace
}  // namespace vornic
