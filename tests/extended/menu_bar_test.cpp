// The menu bar in the extended translation: only the main menu the form's
// Menu names becomes the bar, and only items that show take their names.
#include <gtest/gtest.h>

#include <string>

#include "extended/writer_fixture.h"

namespace vornic {
namespace {

constexpr char kMenus[] = R"(  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = 'File'
      OnClick = File1Click
    end
  end
  object PopupMenu1: TPopupMenu
    object Copy1: TMenuItem
      Caption = 'Copy'
    end
  end
  object MainMenu2: TMainMenu
    object Help1: TMenuItem
      Caption = 'Help'
      object About1: TMenuItem
        Caption = 'About'
      end
    end
  end
)";

class MenuBarTest : public WriterFixture {};

TEST_F(MenuBarTest, OnlyTheMainMenuTheFormNamesBecomesTheBar) {
  const struct {
    const char* menu;
    const char* bar;
  } cases[] = {
      {"MainMenu2",
       "\nMainMenu2 := CreateMenu;\nHelp1 := CreatePopupMenu;"
       "\nAppendMenuW(MainMenu2, MF_POPUP, Help1, 'Help');"
       "\nAppendMenuW(Help1, MF_STRING, 40001, 'About');\nSetMenu(hWindow, MainMenu2);"},
      // Names are compared without regard to case.
      {"mainmenu1",
       "\nMainMenu1 := CreateMenu;\nAppendMenuW(MainMenu1, MF_STRING, 40001, 'File');"
       "\nSetMenu(hWindow, MainMenu1);"},
      {"PopupMenu1", ""},
      {"Missing", ""},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.menu);
    WriteForm(kMenus, std::string("  Menu = ") + test.menu + "\n");
    const std::string body = Lines("bodymidle");
    const size_t banner = body.find("{ Create the menu bar");
    const size_t start = body.find('\n', banner);
    const size_t end = body.find(';', body.find("\nSetMenu(", banner)) + 1;
    EXPECT_EQ(banner == std::string::npos ? "" : body.substr(start, end - start), test.bar);
  }
}

// Objects inside an item make it a submenu; an item held by an object of
// another class is no item; a hidden item hides what it holds and leaves
// its name to the controls.
TEST_F(MenuBarTest, ItemsThatDoNotShowTakeNoName) {
  WriteForm(R"(  object MainMenu1: TMainMenu
    object Tools1: TMenuItem
      Caption = 'Tools'
      object TMenuItem
        Caption = 'Nameless'
      end
    end
    object Old1: TMenuItem
      Caption = 'Old'
      Visible = False
      object Button1: TMenuItem
        Caption = 'Older'
        OnClick = Button1Click
      end
    end
    object Holder1: TTimer
      object Inner1: TMenuItem
        Caption = 'Inner'
        OnClick = Inner1Click
      end
    end
  end
  object Button1: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
  end
)",
            "  Menu = MainMenu1\n");
  const std::string body = Lines("bodymidle");
  EXPECT_NE(body.find("\nTools1 := CreatePopupMenu;\nAppendMenuW(MainMenu1, MF_POPUP, Tools1, "
                      "'Tools');\nSetMenu(hWindow, MainMenu1);"),
            std::string::npos)
      << body;
  EXPECT_NE(body.find("\nButton1:= CreateWindowExW(0, 'Button'"), std::string::npos);
  EXPECT_EQ(Lines("windowproccommandmidle"),
            "\nif HWND(lParam) = Button1 then "
            "MessageBoxW(hWindow,'Button1Click','Check',MB_OK);");
}

}  // namespace
}  // namespace vornic
