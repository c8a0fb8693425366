// Page controls in the extended translation: where a control on a sheet
// stands, whether it shows when the window opens, and the tab change that
// shows it later.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "extended/writer_fixture.h"

namespace vornic {
namespace {

// Every line of `text` two blanks further in.
std::string Nested(const std::string& text) {
  static const std::regex kLineStart("(^|\n)(?=.)");
  return std::regex_replace(text, kLineStart, "$1  ");
}

std::string Object(const std::string& name, const std::string& klass, const std::string& body) {
  return "object " + name + ": " + klass + "\n" + Nested(body) + "end\n";
}

std::string Sheet(const std::string& name, const std::string& body) {
  return Object(name, "TTabSheet", "Caption = '" + name + "'\n" + body);
}

// Pages at 10,20 of 200 by 150, holding `sheets`.
std::string Pages(const std::string& name, const std::string& values, const std::string& sheets) {
  return Object(name, "TPageControl",
                "Left = 10\nTop = 20\nWidth = 200\n" + values + "Height = 150\n" + sheets);
}

const std::string kButton =
    Object("Button1", "TButton", "Left = 8\nTop = 8\nWidth = 75\nHeight = 25\nCaption = 'B'\n");
const std::string kEmpty = Sheet("Other", "");

class PagesTest : public WriterFixture {
 protected:
  // "L,T shown" or "L,T hidden": where Button1 is created, and whether it shows at once.
  std::string Button() const {
    static const std::regex kCall(
        "Button1:= CreateWindowExW\\(0, 'Button','B',([^\n]*),\n(-?[0-9]+,-?[0-9]+),");
    std::smatch match;
    const std::string body = Lines("bodymidle");
    if (!std::regex_search(body, match, kCall)) return "not created";
    const bool shown = match[1].str().find("WS_VISIBLE") != std::string::npos;
    return match[2].str() + (shown ? " shown" : " hidden");
  }

  // The tab change line of Button1, without what it shows and hides.
  std::string ShownWhen() const {
    static const std::regex kLine("\nif ([^\n]*) then ShowWindow\\(Button1, SW_SHOW\\)");
    std::smatch match;
    const std::string notify = Lines("windowprocnotifymidle");
    return std::regex_search(notify, match, kLine) ? match[1].str() : "";
  }
};

// The pages lie 4 pixels inside the window's border and below (or beside) a
// row of tabs 24 pixels deep on the tabs' side.
TEST_F(PagesTest, ControlOnASheetShowsWhileItsTabIsChosen) {
  struct Case {
    const char* rule;
    std::string objects;
    std::string button;
    std::string shown_when;
  } cases[] = {
      {"first sheet chosen", Pages("Pages", "", Sheet("One", kButton) + kEmpty), "22,52 shown",
       "(TabCtrl_GetCurSel(Pages) = 0)"},
      {"ActivePage chooses another sheet",
       Pages("Pages", "ActivePage = other\n", Sheet("One", kButton) + kEmpty), "22,52 hidden",
       "(TabCtrl_GetCurSel(Pages) = 0)"},
      {"a sheet without a tab has no index, and is not chosen",
       Pages("Pages", "",
             Object("Gone", "TTabSheet", "TabVisible = False\n") + Sheet("One", kButton)),
       "22,52 shown", "(TabCtrl_GetCurSel(Pages) = 0)"},
      {"on a sheet without a tab it never shows",
       Pages("Pages", "", Object("Gone", "TTabSheet", "TabVisible = False\n" + kButton)),
       "22,52 hidden", ""},
      {"tabs at the bottom take the bottom edge",
       Pages("Pages", "TabPosition = tpBottom\n", Sheet("One", kButton)), "22,32 shown",
       "(TabCtrl_GetCurSel(Pages) = 0)"},
      {"tabs on the left take the left edge",
       Pages("Pages", "TabPosition = tpLeft\n", Sheet("One", kButton)), "42,32 shown",
       "(TabCtrl_GetCurSel(Pages) = 0)"},
      {"pages on pages: the inner window stands for the outer pages",
       Pages("Outer", "", kEmpty + Sheet("Two", Pages("Inner", "", Sheet("In", kButton)))),
       "36,96 hidden", "IsWindowVisible(Inner) and (TabCtrl_GetCurSel(Inner) = 0)"},
      {"without its height the window is not written: its sheets hold plainly",
       Object("Pages", "TPageControl",
              "Left = 10\nTop = 20\nWidth = 200\n" + Sheet("One", kButton)),
       "18,28 shown", ""},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.rule);
    WriteForm(Nested(test.objects));
    EXPECT_EQ(Button(), test.button);
    EXPECT_EQ(ShownWhen(), test.shown_when);
  }
}

}  // namespace
}  // namespace vornic
