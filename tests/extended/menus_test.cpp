// The form's main menu as the extended translation writes it: the menu bar's
// calls, its click handlers, the window size that allows for it, and the
// menus that produce nothing.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "builder/builder.h"
#include "extended/shortcut_text.h"
#include "builder/program_names.h"
#include "support/program_fixture.h"

namespace vornic {
namespace {

class MenusTest : public ProgramFixture {
 protected:
  void Translate(const std::string& form, Translation translation = Translation::kExtended) {
    EXPECT_EQ(TranslateForm(form, translation), "");
  }
};

std::string Form(const std::string& menu_property, const std::string& objects) {
  return "object Form1: TForm1\n  ClientHeight = 200\n  ClientWidth = 300\n" + menu_property +
         "  TextHeight = 13\n" + objects + "end\n";
}

// Every rule of an item once: a submenu, the default, a shortcut, a grayed
// item, a separator, a hidden item and what it holds, a checked radio item,
// a check mark, breaks in a menu and on the bar, and clicks.
constexpr char kMenu[] = R"(  object MainMenu1: TMainMenu
    Left = 200
    Top = 8
    object File1: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Caption = '&Open'
        Default = True
        ShortCut = 16463
        OnClick = Open1Click
      end
      object Save1: TMenuItem
        Caption = 'Save '#39'as'#39
        Enabled = False
        ShortCut = 24659
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Old1: TMenuItem
        Caption = 'Old'
        Visible = False
        object Older1: TMenuItem
          Caption = 'Older'
          OnClick = Older1Click
        end
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
        Break = mbBarBreak
        OnClick = Exit1Click
      end
    end
    object View1: TMenuItem
      Caption = '&View'
      Enabled = False
      object Large1: TMenuItem
        Caption = 'Large'
        Checked = True
        RadioItem = True
      end
      object Grid1: TMenuItem
        Checked = True
        Break = mbBreak
      end
    end
    object Help1: TMenuItem
      Caption = 'Help'
      ShortCut = 112
      OnClick = Help1Click
    end
  end
)";

TEST_F(MenusTest, FormsMainMenuBecomesTheMenuBarWithEveryItemAsTheDesignerShowsIt) {
  Translate(Form("  Menu = MainMenu1\n", kMenu));
  EXPECT_EQ(
      Added("bodymidle").substr(Added("bodymidle").find("\r\n\r\n  { Create the menu") + 2),
      "\r\n  { Create the menu bar ============================================= }"
      "\r\n  MainMenu1 := CreateMenu;"
      "\r\n  File1 := CreatePopupMenu;"
      "\r\n  AppendMenuW(MainMenu1, MF_POPUP, File1, '&File');"
      "\r\n  AppendMenuW(File1, MF_STRING, 40001, '&Open'#9'Ctrl+O');"
      "\r\n  SetMenuDefaultItem(File1, 0, 1);"
      "\r\n  AppendMenuW(File1, MF_STRING or MF_GRAYED, 40002, 'Save ''as'''#9'Shift+Ctrl+S');"
      "\r\n  AppendMenuW(File1, MF_SEPARATOR, 0, nil);"
      "\r\n  AppendMenuW(File1, MF_STRING or MF_MENUBARBREAK, 40003, 'E&xit');"
      "\r\n  View1 := CreatePopupMenu;"
      "\r\n  AppendMenuW(MainMenu1, MF_POPUP or MF_GRAYED, View1, '&View');"
      "\r\n  AppendMenuW(View1, MF_STRING or MF_CHECKED, 40004, 'Large');"
      "\r\n  CheckMenuRadioItem(View1, 0, 0, 0, MF_BYPOSITION);"
      "\r\n  AppendMenuW(View1, MF_STRING or MF_CHECKED or MF_MENUBREAK, 40005, '');"
      "\r\n  AppendMenuW(MainMenu1, MF_STRING, 40006, 'Help'#9'F1');"
      "\r\n  SetMenu(hWindow, MainMenu1);\r\n");
  EXPECT_EQ(Added("windowproccommandmidle"),
            "\r\n      if (lParam = 0) and (wParam = 40001) then "
            "MessageBoxW(hWindow,'Open1Click','Check',MB_OK);"
            "\r\n      if (lParam = 0) and (wParam = 40003) then "
            "MessageBoxW(hWindow,'Exit1Click','Check',MB_OK);"
            "\r\n      if (lParam = 0) and (wParam = 40006) then "
            "MessageBoxW(hWindow,'Help1Click','Check',MB_OK);");
  EXPECT_EQ(Added("var").substr(0, Added("var").find("\r\n    PaintStruct")),
            "\r\n    WinRect: TRect;\r\n    WorkArea: TRect;\r\n    EraseRect: TRect;"
            "\r\n    WinLeft, WinTop, WinWidth, WinHeight: Integer;"
            "\r\n    MainMenu1: HMENU;\r\n    File1: HMENU;\r\n    View1: HMENU;");
  EXPECT_NE(Added("bodymidle").find("AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, True,"),
            std::string::npos);
}

// Only the main menu that the form names makes the bar: another main menu,
// a popup menu and a form without Menu give nothing, and neither does the
// exact translation. Menus have no place of their own, so nothing moves.
// A control named like anything the bar's code calls would hide it.
TEST_F(MenusTest, EveryIdentifierOfTheBarsCodeIsKeptFromControls) {
  Translate(Form("  Menu = MainMenu1\n", kMenu));
  const std::string code = Added("var") + Added("windowproccommandmidle") + Added("bodymidle");
  // Identifiers outside literals and comments; the form's names end in a digit.
  static const std::regex kWord("'[^']*'|\\{[^}]*\\}|([A-Za-z_][A-Za-z_0-9]*[A-Za-z_])\\b");
  std::set<std::string> words;
  for (std::sregex_iterator it(code.begin(), code.end(), kWord), end; it != end; ++it) {
    if ((*it)[1].matched) words.insert((*it)[1]);
  }
  ProgramNames names;
  names.ReserveExtendedIdentifiers();
  for (const std::string& word : words) EXPECT_EQ(names.Take(word), word + "_1") << word;
  EXPECT_GT(words.size(), 20u);
}

TEST_F(MenusTest, MenusThatMakeNoBarProduceNothing) {
  const std::string popup =
      "  object PopupMenu1: TPopupMenu\n    Left = 50\n    Top = 60\n"
      "    object Cut1: TMenuItem\n      Caption = 'Cut'\n      OnClick = Cut1Click\n"
      "    end\n  end\n";
  const std::string edit =
      "  object Edit1: TEdit\n    Left = 8\n    Top = 8\n    Width = 100\n    Height = 21\n"
      "  end\n";
  Translate(Form("", edit));
  const std::string plain = dpr_->Section("bodymidle") + dpr_->Section("var");
  Translate(Form("", popup + kMenu + edit));
  EXPECT_EQ(dpr_->Section("bodymidle") + dpr_->Section("var"), plain);
  EXPECT_EQ(Added("windowproccommandmidle"), "");
  // The window's size is settled before the menus come: a name is enough.
  Translate(Form("  Menu = MainMenu2\n", popup + kMenu + edit));
  EXPECT_EQ(Added("bodymidle").find("Menu"), std::string::npos);
  EXPECT_EQ(Added("windowproccommandmidle"), "");
  Translate(Form("", edit), Translation::kExact);
  const std::string exact = dpr_->Section("bodymidle") + dpr_->Section("var");
  Translate(Form("  Menu = MainMenu1\n", popup + kMenu + edit), Translation::kExact);
  EXPECT_EQ(dpr_->Section("bodymidle") + dpr_->Section("var"), exact);
}

TEST(ShortCutTextTest, DecodesTheKeyAndItsModifiersAsTheDesignerShowsThem) {
  const struct {
    int64_t value;
    const char* text;
  } cases[] = {
      {16467, "Ctrl+S"},
      {8304, "Shift+F1"},
      {32883, "Alt+F4"},
      {57390, "Shift+Ctrl+Alt+Del"},
      {16432, "Ctrl+0"},
      {16397, "Ctrl+Enter"},
      {16486, "Ctrl+Num 6"},
      {8379, "Shift+="},
      {16606, "Ctrl+'"},
      {135, "F24"},
      {0, ""},
      {16639, ""},
      {65536 + 83, ""},
      {-1, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortCutText(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace vornic
