#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/builder.h"
#include "output/program_text.h"
#include "support/form_lines.h"

namespace vornic {
namespace {

std::string MainWindow(const std::string& caption, const std::string& place) {
  return "\r\n  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass'," + caption +
         ",\r\n            WS_OVERLAPPEDWINDOW or WS_VISIBLE,\r\n            " + place +
         ",0, 0, Inst, nil);\r\n\r\n";
}

class FormTest : public ::testing::Test {
 protected:
  // The usual form: every value the main window uses, in designer order.
  FormLines& Form1(const std::string& window_state = "") {
    lines_.Object("Form1", "TForm1").Set("Left", "200").Set("Top", "100");
    lines_.Set("Width", "400").Set("Height", "300").Set("Caption", "'Form1'");
    lines_.Set("Color", "clBtnFace");
    if (!window_state.empty()) lines_.Set("WindowState", window_state);
    return lines_;
  }

  std::string Body() const { return dpr_.Section("bodymidle"); }

  TSDPR dpr_{"form"};
  TBuilder builder_;
  FormLines lines_{builder_, dpr_};
};

TEST_F(FormTest, TextHeightWritesTheMainWindowAndItsShowMode) {
  Form1("wsMaximized").Set("TextHeight", "13");
  EXPECT_EQ(Body(), MainWindow("'Form1'", "200,100,400,300"));
  EXPECT_EQ(dpr_.ShowWindowLine, "  ShowWindow(hWindow,SW_SHOWMAXIMIZED);\r\n");
  EXPECT_EQ(builder_.Form.Name, "Form1:");
  EXPECT_EQ(builder_.Form.Color, "clBtnFace");
  EXPECT_EQ(builder_.Form.Caption, "");
  EXPECT_FALSE(builder_.Form.Complete);
  lines_.EndAll();
  EXPECT_EQ(Body(), MainWindow("'Form1'", "200,100,400,300")) << "written once";
  EXPECT_EQ(builder_.ControlCount, 0);
}

TEST_F(FormTest, ShowModes) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"wsMinimized", "SW_SHOWMINIMIZED"}, {"wsNormal", "SW_NORMAL"}, {"wsOther", "SW_NORMAL"}};
  for (const auto& [state, mode] : cases) {
    TSDPR dpr("form");
    TBuilder builder;
    FormLines(builder, dpr)
        .Object("Form1", "TForm1")
        .Set("WindowState", state)
        .Set("TextHeight", "13");
    EXPECT_EQ(dpr.ShowWindowLine, "  ShowWindow(hWindow," + mode + ");\r\n") << state;
  }
  Form1().Set("TextHeight", "13");
  EXPECT_EQ(dpr_.ShowWindowLine, "");
}

TEST_F(FormTest, CaptionWithBlanksIsWrittenUnchanged) {
  lines_.Object("Form1", "TForm1").Set("Caption", "'My first form'").Set("Left", "-8");
  lines_.Set("Top", "$10").Set("Width", "1").Set("Height", "2").Set("TextHeight", "13");
  EXPECT_EQ(Body(), MainWindow("'My first form'", "-8,$10,1,2"));
}

TEST_F(FormTest, FormWithoutTextHeightGetsItsWindowAtTheFirstChild) {
  lines_.Object("frmMain", "TfrmMain").Set("Caption", "'Old'").Set("Width", "320");
  lines_.Object("Panel1", "TPanel");
  // Before the child's own lines: every control is created after the window.
  EXPECT_EQ(Body(), MainWindow("'Old'", "CW_USEDEFAULT,CW_USEDEFAULT,320,CW_USEDEFAULT"));
  lines_.Set("TextHeight", "13").End();
  lines_.Object("Panel2", "TPanel").EndAll();
  EXPECT_EQ(Body(), MainWindow("'Old'", "CW_USEDEFAULT,CW_USEDEFAULT,320,CW_USEDEFAULT"));
}

TEST_F(FormTest, ChildlessFormWithoutTextHeightGetsItsWindowAtItsEnd) {
  lines_.Object("Form1", "TForm1").Set("Left", "5").Set("Height", "99");
  EXPECT_EQ(Body(), "");
  lines_.End();
  EXPECT_EQ(Body(), MainWindow("''", "5,0,CW_USEDEFAULT,99"));
}

// One row per combination of place and size values that matters: which of
// them the form gives, and the window's creation text that follows.
TEST_F(FormTest, PlaceAndSizeComeFromWhatTheFormGives) {
  const std::string kAdjust =
      ");\r\n  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);";
  const std::string kClientWidth = "WinRect.Right - WinRect.Left";
  const std::string kClientHeight = "WinRect.Bottom - WinRect.Top";
  struct Case {
    std::vector<std::pair<std::string, std::string>> values;
    std::string set_rect;  // the SetRect call's last two arguments, empty for none
    std::string place;     // the four arguments of CreateWindowEx
  };
  const std::vector<Case> cases = {
      {{{"Left", "5"}, {"Top", "6"}, {"Width", "7"}, {"Height", "8"}}, "", "5,6,7,8"},
      // Without Left the system places the window, wherever Top says.
      {{{"Top", "6"}, {"Width", "7"}, {"Height", "8"}}, "", "CW_USEDEFAULT,CW_USEDEFAULT,7,8"},
      {{{"Left", "5"}, {"Width", "7"}, {"Height", "8"}}, "", "5,0,7,8"},
      {{{"Left", "5"}, {"Top", "6"}}, "", "5,6,CW_USEDEFAULT,CW_USEDEFAULT"},
      // A client size stands in for a missing size only.
      {{{"Left", "5"}, {"Top", "6"}, {"ClientWidth", "320"}, {"ClientHeight", "240"}},
       "320, 240",
       "5,6," + kClientWidth + "," + kClientHeight},
      {{{"Left", "5"},
        {"Top", "6"},
        {"Width", "400"},
        {"ClientWidth", "392"},
        {"ClientHeight", "273"}},
       "0, 273",
       "5,6,400," + kClientHeight},
      {{{"Left", "5"}, {"Top", "6"}, {"ClientWidth", "320"}, {"Height", "300"}},
       "320, 0",
       "5,6," + kClientWidth + ",300"},
      {{{"ClientHeight", "240"}},
       "0, 240",
       "CW_USEDEFAULT,CW_USEDEFAULT,CW_USEDEFAULT," + kClientHeight},
  };
  for (const Case& c : cases) {
    TSDPR dpr("form");
    TBuilder builder;
    FormLines lines(builder, dpr);
    lines.Object("Form1", "TForm1").Set("Caption", "'C'");
    for (const auto& [name, value] : c.values) lines.Set(name, value);
    lines.Set("TextHeight", "13").EndAll();
    const std::string adjust =
        c.set_rect.empty() ? "" : "\r\n  SetRect(WinRect, 0, 0, " + c.set_rect + kAdjust;
    EXPECT_EQ(dpr.Section("bodymidle"), adjust + MainWindow("'C'", c.place)) << c.place;
    const TSDPR frame("form");
    EXPECT_EQ(dpr.Section("var"),
              frame.Section("var") + (c.set_rect.empty() ? "" : "\r\n    WinRect: TRect;"))
        << c.place;
  }
}

TEST_F(FormTest, EveryTextHeightLineWritesTheWindowAgain) {
  Form1("wsMinimized").Set("TextHeight", "13").Set("TextHeight", "13");
  lines_.Object("Button1", "TButton").EndAll();
  // The first call used up the values; the second falls back to the defaults.
  EXPECT_EQ(Body(),
            MainWindow("'Form1'", "200,100,400,300") +
                MainWindow("''", "CW_USEDEFAULT,CW_USEDEFAULT,CW_USEDEFAULT,CW_USEDEFAULT"));
  EXPECT_EQ(dpr_.ShowWindowLine, "  ShowWindow(hWindow,SW_SHOWMINIMIZED);\r\n");
}

TEST_F(FormTest, EmptyFormIsTheFrameWithItsMainWindow) {
  TSDPR frame("form");
  frame.Compose();
  const std::vector<std::string> frame_lines = SplitCrLf(frame.ComposedText + "\r\n");
  ASSERT_EQ(frame_lines.size(), 62u);

  Form1("wsMaximized").Set("TextHeight", "13").End();
  const std::vector<std::string> lines = SplitCrLf(FinishProgram(builder_, dpr_) + "\r\n");
  // Paint variables (2), the two deletion comments (2), the main window (5),
  // the empty font texts (3) and the ShowWindow line (1).
  ASSERT_EQ(lines.size(), 62u + 13u);
  const std::vector<std::string> body(lines.begin() + 50, lines.begin() + 64);
  const std::vector<std::string> expected = {
      "  { Create Main Window }",
      "  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','Form1',",
      "            WS_OVERLAPPEDWINDOW or WS_VISIBLE,",
      "            200,100,400,300,0, 0, Inst, nil);",
      "",
      "",
      "",
      "",
      "",
      "",
      "",
      "  ShowWindow(hWindow,SW_SHOWMAXIMIZED);",
      "",
      "  UpdateWindow(hWindow);",
  };
  EXPECT_EQ(body, expected);
  // Everything else is the frame, apart from the finishing texts.
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8),
            std::vector<std::string>(frame_lines.begin(), frame_lines.begin() + 8));
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 64, lines.end()),
            std::vector<std::string>(frame_lines.begin() + 51, frame_lines.end()));
}

}  // namespace
}  // namespace vornic
