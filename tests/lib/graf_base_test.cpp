#include "lib/graf_base.h"

#include <gtest/gtest.h>

namespace vornic {
namespace {

const char kPaintDeclarations[] = "\r\n    PaintStruct: TPaintStruct;\r\n    PaintDC: HDC;";

TEST(GrafBaseTest, RectangleAndBevelGiveThreePensAndOneBrush) {
  TIGrafBase graphics;
  EXPECT_EQ(graphics.RegisterPen("psInsideFrame", "1", "clBlack"), "Pen1");
  EXPECT_EQ(graphics.RegisterBrush("bsSolid", "clWhite"), "Brush1");
  EXPECT_EQ(graphics.RegisterPen("psInsideFrame", "1", "clGray"), "Pen2");
  EXPECT_EQ(graphics.RegisterPen("psInsideFrame", "1", "clWhite"), "Pen3");
  // A second bevel registers nothing new.
  EXPECT_EQ(graphics.RegisterPen("psInsideFrame", "1", "clGray"), "Pen2");
  EXPECT_EQ(graphics.RegisterPen("psInsideFrame", "1", "clWhite"), "Pen3");

  EXPECT_EQ(graphics.GetGraphicsCreation(),
            "\r\n      { Create Pens }"
            "\r\n      Pen1 := CreatePen(PS_INSIDEFRAME,1,RGB(0,0,0));"
            "\r\n      Pen2 := CreatePen(PS_INSIDEFRAME,1,RGB(128,128,128));"
            "\r\n      Pen3 := CreatePen(PS_INSIDEFRAME,1,RGB(255,255,255));"
            "\r\n      { Create Brushes }"
            "\r\n      Brush1 := CreateSolidBrush(RGB(255,255,255));");
  EXPECT_EQ(graphics.GetGraphicsDeclarations(false),
            std::string(kPaintDeclarations) +
                "\r\n    OldPen: HPEN;\r\n    Pen1: HPEN;\r\n    Pen2: HPEN;\r\n    Pen3: HPEN;"
                "\r\n    OldBrush: HBRUSH;\r\n    Brush1: HBRUSH;");
  EXPECT_EQ(
      graphics.GetGraphicsDeletion(),
      "\r\n      { Delete Pens and Brushes }"
      "\r\n      DeleteObject(Pen1);\r\n      DeleteObject(Pen2);\r\n      DeleteObject(Pen3);"
      "\r\n      DeleteObject(Brush1);");
}

TEST(GrafBaseTest, NothingRegisteredGivesOnlyTheFixedParts) {
  const TIGrafBase graphics;
  EXPECT_EQ(graphics.GetGraphicsDeclarations(false), kPaintDeclarations);
  EXPECT_EQ(graphics.GetGraphicsDeclarations(true),
            std::string(kPaintDeclarations) + "\r\n    OldPoint: PPoint;");
  EXPECT_EQ(graphics.GetGraphicsCreation(), "");
  EXPECT_EQ(graphics.GetGraphicsDeletion(), "\r\n      { Delete Pens and Brushes }");
}

TEST(GrafBaseTest, PensAndBrushesAreComparedAsTexts) {
  TIGrafBase graphics;
  EXPECT_EQ(graphics.RegisterPen("psSolid", "1", "clRed"), "Pen1");
  EXPECT_EQ(graphics.RegisterPen("psSolid", "2", "clRed"), "Pen2");
  EXPECT_EQ(graphics.RegisterPen("psSolid", "01", "clRed"), "Pen3");
  EXPECT_EQ(graphics.RegisterPen("psDash", "1", "clRed"), "Pen4");
  EXPECT_EQ(graphics.RegisterPen("psSolid", "1", "clred"), "Pen5");
  EXPECT_EQ(graphics.RegisterBrush("bsSolid", "clRed"), "Brush1");
  EXPECT_EQ(graphics.RegisterBrush("bsSolid", "clBlue"), "Brush2");
  EXPECT_EQ(graphics.RegisterBrush("bsCross", "clRed"), "Brush3");
  EXPECT_EQ(graphics.RegisterBrush("bsSolid", "clRed"), "Brush1");
  // Texts that read the same run together are still different.
  EXPECT_EQ(graphics.RegisterPen("ps", "1", "2"), "Pen6");
  EXPECT_EQ(graphics.RegisterPen("ps1", "", "2"), "Pen7");
  EXPECT_EQ(graphics.RegisterPen("ps", "12", ""), "Pen8");
  EXPECT_EQ(graphics.RegisterPen("ps1", "", "2"), "Pen7");
  EXPECT_EQ(graphics.RegisterBrush("bs", "Solid"), "Brush4");
  EXPECT_EQ(graphics.RegisterBrush("bsSolid", ""), "Brush5");
}

TEST(GrafBaseTest, EveryBrushButSolidIsHatched) {
  TIGrafBase graphics;
  graphics.RegisterBrush("bsClear", "clWhite");
  graphics.RegisterBrush("bsDiagCross", "clBlack");
  graphics.RegisterBrush("bssolid", "clBlack");
  EXPECT_EQ(graphics.GetGraphicsCreation(),
            "\r\n      { Create Brushes }"
            "\r\n      Brush1 := CreateHatchBrush(HS_HORIZONTAL,RGB(255,255,255));"
            "\r\n      Brush2 := CreateHatchBrush(HS_DIAGCROSS,RGB(0,0,0));"
            "\r\n      Brush3 := CreateHatchBrush(HS_HORIZONTAL,RGB(0,0,0));");
  EXPECT_EQ(graphics.GetGraphicsDeclarations(true),
            std::string(kPaintDeclarations) +
                "\r\n    OldPoint: PPoint;\r\n    OldBrush: HBRUSH;\r\n    Brush1: HBRUSH;"
                "\r\n    Brush2: HBRUSH;\r\n    Brush3: HBRUSH;");
}

}  // namespace
}  // namespace vornic
