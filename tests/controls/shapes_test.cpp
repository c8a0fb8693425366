// Shapes and bevels, drawn in WM_PAINT.
#include <gtest/gtest.h>

#include <string>

#include "controls/control_fixture.h"
#include "lib/errors.h"

namespace vornic {
namespace {

class ShapeTest : public ControlFixture {
 protected:
  std::string Draw(const std::string& class_name, const std::vector<std::string>& properties) {
    const std::string before = Added("windowprocpaintmidle");
    Feed("  object Item1: " + class_name);
    for (const std::string& property : properties) Feed("    " + property);
    Feed("  end");
    return Added("windowprocpaintmidle").substr(before.size());
  }
};

TEST_F(ShapeTest, DefaultShapeIsAWhiteRectangleWithABlackFrame) {
  EXPECT_EQ(Draw("TShape", {"Left = 10", "Top = 20", "Width = 65", "Height = 30"}),
            "\r\n      { Create shape: Item1 }"
            "\r\n      OldBrush := SelectObject(PaintDC,Brush1);"
            "\r\n      OldPen := SelectObject(PaintDC,Pen1);"
            "\r\n      Rectangle(PaintDC,10,20,75,50);");
  EXPECT_TRUE(builder_.PaintNeeded);
  EXPECT_FALSE(builder_.BevelPainted);
  EXPECT_EQ(Added("var"), "");
  EXPECT_EQ(builder_.ControlCount, 1);
}

TEST_F(ShapeTest, DrawingCallFollowsTheShape) {
  const std::vector<std::string> box = {"Left = 0", "Top = 0", "Width = 50", "Height = 30"};
  auto with = [&](const std::string& shape) {
    std::vector<std::string> properties = box;
    properties.push_back("Shape = " + shape);
    const std::string text = Draw("TShape", properties);
    return text.substr(text.rfind("\r\n") + 2);
  };
  EXPECT_EQ(with("stCircle"), "      Ellipse(PaintDC,0,0,50,30);");
  EXPECT_EQ(with("stSquare"), "      Rectangle(PaintDC,0,0,50,30);");
  EXPECT_EQ(with("stRoundRect"), "      RoundRect(PaintDC,0,0,50,30,10,10);");
  EXPECT_EQ(with("stRoundSquare"), "      ");
}

TEST_F(ShapeTest, FarCornerWrapsLikeA32BitSum) {
  const std::string text =
      Draw("TShape", {"Left = 2147483647", "Top = 0", "Width = 1", "Height = 1"});
  EXPECT_EQ(text.substr(text.rfind("\r\n") + 2),
            "      Rectangle(PaintDC,2147483647,0,-2147483648,1);");
}

TEST_F(ShapeTest, EqualPensAndBrushesAreShared) {
  Draw("TShape", {"Left = 0", "Top = 0", "Width = 1", "Height = 1", "Pen.Color = clRed"});
  const std::string second =
      Draw("TShape", {"Left = 0", "Top = 0", "Width = 1", "Height = 1", "Pen.Color = clRed"});
  const std::string third = Draw("TShape", {"Left = 0", "Top = 0", "Width = 1", "Height = 1"});
  EXPECT_NE(second.find("(PaintDC,Brush1);"), std::string::npos);
  EXPECT_NE(second.find("(PaintDC,Pen1);"), std::string::npos);
  EXPECT_NE(third.find("(PaintDC,Pen2);"), std::string::npos);
}

TEST_F(ShapeTest, SkippedShapeLeavesNoPenToTheNext) {
  Draw("TShape", {"Left = 0", "Top = 0", "Width = 1", "Pen.Color = clRed", "Shape = stCircle"});
  EXPECT_EQ(builder_.ControlCount, 0);
  const std::string text = Draw("TShape", {"Left = 0", "Top = 0", "Width = 1", "Height = 1"});
  EXPECT_NE(text.find("Rectangle(PaintDC,0,0,1,1);"), std::string::npos);
  // The default black pen is the first one registered: the red one never was.
  EXPECT_NE(text.find("(PaintDC,Pen1);"), std::string::npos);
}

TEST_F(ShapeTest, BevelBoxIsDrawnWithTheGrayAndWhitePens) {
  EXPECT_EQ(Draw("TBevel", {"Left = 10", "Top = 20", "Width = 100", "Height = 2"}),
            "\r\n      { Create bevel: Item1 }"
            "\r\n      OldPen  := SelectObject(PaintDC,Pen1);"
            "\r\n      MoveToEx(PaintDC,10,22,OldPoint);"
            "\r\n      LineTo(PaintDC,10,20); LineTo(PaintDC,110,20);"
            "\r\n      OldPen  := SelectObject(PaintDC,Pen2);"
            "\r\n      MoveToEx(PaintDC,111,21,OldPoint);"
            "\r\n      LineTo(PaintDC,111,23); LineTo(PaintDC,11,23);");
  EXPECT_TRUE(builder_.BevelPainted);
  EXPECT_FALSE(builder_.PaintNeeded);
}

TEST_F(ShapeTest, BevelShapesPickTheirEdges) {
  const std::vector<std::string> box = {"Left = 10", "Top = 20", "Width = 100", "Height = 2"};
  auto lines = [&](const std::string& shape) {
    std::vector<std::string> properties = box;
    properties.push_back("Shape = " + shape);
    std::string text = Draw("TBevel", properties);
    text.erase(0, text.find("\r\n", 2) + 2);  // the comment
    text.erase(0, text.find("\r\n") + 2);     // the gray pen
    const size_t white = text.find("\r\n      OldPen");
    return text.substr(0, white) + " |" + text.substr(text.find("\r\n", white + 2) + 2);
  };
  EXPECT_EQ(lines("bsSpacer"), lines("bsBox"));
  EXPECT_EQ(lines("bsFrame"),
            "      MoveToEx(PaintDC,10,20,OldPoint);\r\n      LineTo(PaintDC,110,20); "
            "LineTo(PaintDC,110,22); LineTo(PaintDC,10,22); LineTo(PaintDC,10,20);  |"
            "      MoveToEx(PaintDC,11,21,OldPoint);\r\n      LineTo(PaintDC,111,21); "
            "LineTo(PaintDC,111,23); LineTo(PaintDC,11,23); LineTo(PaintDC,11,21);");
  EXPECT_EQ(lines("bsLeftLine"),
            "      MoveToEx(PaintDC,10,20,OldPoint);\r\n      LineTo(PaintDC,10,22); |"
            "      MoveToEx(PaintDC,11,23,OldPoint);\r\n      LineTo(PaintDC,11,21);");
  EXPECT_EQ(lines("bsRightLine"),
            "      MoveToEx(PaintDC,110,20,OldPoint);\r\n      LineTo(PaintDC,110,22); |"
            "      MoveToEx(PaintDC,111,23,OldPoint);\r\n      LineTo(PaintDC,111,21);");
  EXPECT_EQ(lines("bsTopLine"),
            "      MoveToEx(PaintDC,10,20,OldPoint);\r\n      LineTo(PaintDC,110,20); |"
            "      MoveToEx(PaintDC,11,21,OldPoint);\r\n      LineTo(PaintDC,111,21);");
  EXPECT_EQ(lines("bsBottomLine"),
            "      MoveToEx(PaintDC,10,22,OldPoint);\r\n      LineTo(PaintDC,110,22); |"
            "      MoveToEx(PaintDC,11,23,OldPoint);\r\n      LineTo(PaintDC,111,23);");
  EXPECT_EQ(lines("bsOther"), "      \r\n       |      \r\n      ");
}

TEST_F(ShapeTest, NestedShapeCornersFollowTheShiftedPosition) {
  Feed({"  object Panel1: TPanel", "    Left = 100", "    Top = 50", "    object Shape1: TShape",
        "      Left = 1", "      Top = 2", "      Width = 10", "      Height = 20", "    end",
        "  end"});
  EXPECT_NE(Added("windowprocpaintmidle").find("Rectangle(PaintDC,101,52,111,72);"),
            std::string::npos);
}

TEST_F(ShapeTest, SizeMustBeANumber) {
  try {
    Draw("TBevel", {"Left = 10", "Top = 20", "Width = wide", "Height = 2"});
    FAIL() << "no error";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'wide' is not a valid integer value");
  }
}

}  // namespace
}  // namespace vornic
