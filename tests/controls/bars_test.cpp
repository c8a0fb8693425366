// Progress bars, track bars and status bars.
#include <gtest/gtest.h>

#include <string>

#include "controls/control_fixture.h"

namespace vornic {
namespace {

class BarTest : public ControlFixture {};

TEST_F(BarTest, ProgressBarDefaultsToARangeOfAHundred) {
  Feed({"  object ProgressBar1: TProgressBar", "    Left = 8", "    Top = 200", "    Width = 150",
        "    Height = 16", "    Font.Height = -11", "  end"});
  EXPECT_EQ(Added("var"), "\r\n    ProgressBar1: HWND;");
  EXPECT_EQ(Added("bodymidle"),
            "\r\n" + Banner("Create a progressbar") +
                "\r\n  ProgressBar1:= CreateWindow('msctls_progress32','progressbar',WS_VISIBLE or "
                "WS_CHILD or WS_BORDER,\r\n" +
                std::string(17, ' ') +
                "8,200,150,16, hWindow, 0, Inst, nil);"
                "\r\n  SendMessage(ProgressBar1,PBM_SETRANGE,0,MakeLong(0,100));"
                "\r\n  SendMessage(ProgressBar1,PBM_SETPOS,0,0) ;\r\n");
  EXPECT_EQ(Added("windowproccreatemidle"), "\r\n      InitCommonControls;");
  // Progress bars never take the focus and collect no font.
  EXPECT_EQ(dpr_.FocusControl, "");
  EXPECT_FALSE(builder_.HasFont());
  EXPECT_EQ(builder_.ControlCount, 1);
}

TEST_F(BarTest, TrackBarRangeAlwaysStartsAtZero) {
  Feed({"  object TrackBar1: TTrackBar", "    Left = 8", "    Top = 230", "    Width = 150",
        "    Height = 45", "    Min = 5", "    Max = 20", "    Position = 7", "  end",
        "  object TrackBar2: TTrackBar", "    Left = 8", "    Top = 280", "    Width = 150",
        "    Height = 45", "  end"});
  EXPECT_EQ(Added("bodymidle"),
            "\r\n" + Banner("Create a trackbar") +
                "\r\n  TrackBar1:= CreateWindow('msctls_trackbar32','trackbar',WS_VISIBLE or "
                "WS_CHILD or WS_BORDER,\r\n" +
                std::string(14, ' ') +
                "8,230,150,45, hWindow, 0, Inst, nil);"
                "\r\n  SendMessage(TrackBar1,TBM_SETRANGE,1,MakeLong( 0,20));"
                "\r\n  SendMessage(TrackBar1,TBM_SETPOS,1,7);\r\n" +
                "\r\n" + Banner("Create a trackbar") +
                "\r\n  TrackBar2:= CreateWindow('msctls_trackbar32','trackbar',WS_VISIBLE or "
                "WS_CHILD or WS_BORDER,\r\n" +
                std::string(14, ' ') +
                "8,280,150,45, hWindow, 0, Inst, nil);"
                "\r\n  SendMessage(TrackBar2,TBM_SETRANGE,1,MakeLong( 0,10));"
                "\r\n  SendMessage(TrackBar2,TBM_SETPOS,1,0);\r\n");
  EXPECT_EQ(dpr_.FocusControl, "TrackBar1");
}

TEST_F(BarTest, CommonControlsAreInitialisedOnce) {
  Feed({"  object ProgressBar1: TProgressBar",
        "    Left = 1",
        "    Top = 2",
        "    Width = 3",
        "    Height = 4",
        "  end",
        "  object ProgressBar2: TProgressBar",
        "    Left = 1",
        "    Top = 2",
        "    Width = 3",
        "    Height = 4",
        "  end",
        "  object TrackBar1: TTrackBar",
        "    Left = 1",
        "    Top = 2",
        "    Width = 3",
        "    Height = 4",
        "  end",
        "  object StatusBar1: TStatusBar",
        "  end"});
  EXPECT_EQ(Added("windowproccreatemidle"), "\r\n      InitCommonControls;");
  EXPECT_EQ(builder_.ControlCount, 4);
}

TEST_F(BarTest, StatusBarShowsItsSimpleTextOnlyInSimplePanelMode) {
  Feed({"  object StatusBar1: TStatusBar", "    Left = 0", "    Top = 300", "    SimpleText = 'x'",
        "  end", "  object StatusBar2: TStatusBar", "    SimplePanel = True",
        "    SimpleText = 'Ready'", "    Font.Height = -11", "  end",
        "  object StatusBar3: TStatusBar", "    SimplePanel = True", "  end"});
  EXPECT_EQ(
      Added("bodymidle"),
      "\r\n" + Banner("Create a statusbar") +
          "\r\n  StatusBar1:= CreateStatusWindow(WS_VISIBLE or WS_CHILD ,''\r\n" +
          std::string(15, ' ') + ", hWindow, 0);\r\n" + "\r\n" + Banner("Create a statusbar") +
          "\r\n  StatusBar2:= CreateStatusWindow(WS_VISIBLE or WS_CHILD ,'Ready'\r\n" +
          std::string(15, ' ') + ", hWindow, 0);\r\n" + "\r\n" + Banner("Create a statusbar") +
          "\r\n  StatusBar3:= CreateStatusWindow(WS_VISIBLE or WS_CHILD ,''\r\n" +
          std::string(15, ' ') + ", hWindow, 0);\r\n");
  EXPECT_EQ(Added("windowprocwmsizemidle"),
            "\r\n      SendMessage(StatusBar1,WM_SIZE,wParam,lParam);"
            "\r\n      SendMessage(StatusBar2,WM_SIZE,wParam,lParam);"
            "\r\n      SendMessage(StatusBar3,WM_SIZE,wParam,lParam);");
  EXPECT_TRUE(dpr_.HasSizeHandler);
  EXPECT_EQ(dpr_.FocusControl, "");
  EXPECT_EQ(builder_.ControlCount, 3);
}

TEST_F(BarTest, StatusBarInsideAContainerIsCreatedAsOnTheForm) {
  Feed({"  object Panel1: TPanel", "    Left = 2x", "    object StatusBar1: TStatusBar",
        "      Left = 5", "    end", "  end"});
  EXPECT_NE(Added("bodymidle").find("StatusBar1:= CreateStatusWindow"), std::string::npos);
}

TEST_F(BarTest, SkippedBarLeavesNoRangeToTheNext) {
  Feed({"  object ProgressBar1: TProgressBar", "    Left = 1", "    Max = 50", "  end",
        "  object ProgressBar2: TProgressBar", "    Top = 2", "    Width = 3", "    Height = 4",
        "  end"});
  EXPECT_EQ(Added("bodymidle"), "");
  EXPECT_EQ(Added("windowproccreatemidle"), "");
}

}  // namespace
}  // namespace vornic
