// How an image control shows its picture: the designer's rectangle for each
// combination of options, the resampling filter, and the rendered bitmap.
#include "pictures/bitmap_scale.h"

#include <gtest/gtest.h>

#include "support/picture_files.h"

namespace vornic {
namespace {

TEST(BitmapScaleTest, PictureRectFollowsTheDesignersRules) {
  const struct {
    int picture_width, picture_height;
    ImageDisplay display;
    PlacedRect expected;
  } cases[] = {
      // No option: the picture's own size at the top left, even when larger.
      {40, 20, {100, 80}, {0, 0, 40, 20}},
      {400, 20, {100, 80}, {0, 0, 400, 20}},
      // Stretch fills the control whatever the shape.
      {40, 20, {100, 80, true}, {0, 0, 100, 80}},
      {400, 300, {100, 80, true}, {0, 0, 100, 80}},
      // Proportional alone only shrinks, fitting the longer side first...
      {40, 20, {100, 80, false, true}, {0, 0, 40, 20}},
      {400, 100, {100, 80, false, true}, {0, 0, 100, 25}},
      {100, 400, {100, 80, false, true}, {0, 0, 20, 80}},
      // ... then the other side when it still overflows (truncating).
      {300, 290, {100, 80, false, true}, {0, 0, 82, 80}},
      {150, 160, {100, 80, false, true}, {0, 0, 75, 80}},
      // Proportional with stretch also grows.
      {40, 20, {100, 80, true, true}, {0, 0, 100, 50}},
      {20, 40, {100, 80, true, true}, {0, 0, 40, 80}},
      // Center moves the rectangle, also to negative offsets for a larger picture.
      {40, 20, {100, 80, false, false, true}, {30, 30, 40, 20}},
      {400, 20, {100, 80, false, false, true}, {-150, 30, 400, 20}},
      {40, 20, {100, 80, true, true, true}, {0, 15, 100, 50}},
      {41, 21, {100, 81, false, false, true}, {29, 30, 41, 21}},
  };
  for (const auto& c : cases) {
    const PlacedRect rect = PictureRect(c.picture_width, c.picture_height, c.display);
    SCOPED_TRACE(std::to_string(c.picture_width) + "x" + std::to_string(c.picture_height) + " in " +
                 std::to_string(c.display.width) + "x" + std::to_string(c.display.height) +
                 " stretch " + std::to_string(c.display.stretch) + " proportional " +
                 std::to_string(c.display.proportional) + " center " +
                 std::to_string(c.display.center));
    EXPECT_EQ(rect.left, c.expected.left);
    EXPECT_EQ(rect.top, c.expected.top);
    EXPECT_EQ(rect.width, c.expected.width);
    EXPECT_EQ(rect.height, c.expected.height);
  }
}

Raster Solid(int width, int height, Rgba colour) {
  return PaintRaster(width, height, [colour](int, int) { return colour; });
}

TEST(BitmapScaleTest, ShrinkingAveragesAndGrowingInterpolates) {
  const Raster checker = PaintRaster(4, 4, [](int x, int y) {
    return (x + y) % 2 ? Rgba{255, 255, 255} : Rgba{};
  });
  EXPECT_EQ(ScaleRaster(checker, 2, 2).rgba, Solid(2, 2, {128, 128, 128}).rgba);
  EXPECT_EQ(ScaleRaster(checker, 1, 1).rgba, Solid(1, 1, {128, 128, 128}).rgba);
  // Three columns into two: each output takes one and a half input columns.
  const Raster steps = PaintRaster(3, 1, [](int x, int) { return Rgba{uint8_t(x * 90), 0, 0}; });
  const Raster two = ScaleRaster(steps, 2, 1);
  EXPECT_EQ(PixelAt(two, 0, 0).red, 30);   // (0 + 0.5 * 90) / 1.5
  EXPECT_EQ(PixelAt(two, 1, 0).red, 150);  // (0.5 * 90 + 180) / 1.5

  const Raster pair = PaintRaster(2, 1, [](int x, int) {
    return x ? Rgba{255, 255, 255} : Rgba{};
  });
  const Raster wide = ScaleRaster(pair, 4, 1);
  EXPECT_EQ(PixelAt(wide, 0, 0).red, 0);
  EXPECT_EQ(PixelAt(wide, 1, 0).red, 64);
  EXPECT_EQ(PixelAt(wide, 2, 0).red, 191);
  EXPECT_EQ(PixelAt(wide, 3, 0).red, 255);

  // A transparent pixel lends no colour, only transparency.
  const Raster half = PaintRaster(2, 1, [](int x, int) {
    return x ? Rgba{0, 0, 0, 0} : Rgba{200, 0, 0};
  });
  EXPECT_EQ(PixelAt(ScaleRaster(half, 1, 1), 0, 0), (Rgba{200, 0, 0, 128}));

  const Rgba colour{12, 34, 56, 78};
  EXPECT_EQ(ScaleRaster(Solid(3, 5, colour), 7, 2).rgba, Solid(7, 2, colour).rgba);
  EXPECT_EQ(ScaleRaster(Solid(1, 1, colour), 9, 9).rgba, Solid(9, 9, colour).rgba);
}

// A 4 x 2 picture: red, with a transparent pixel at the top right.
Raster SmallPicture() {
  return PaintRaster(4, 2, [](int x, int y) {
    return x == 3 && y == 0 ? Rgba{0, 0, 0, 0} : Rgba{200, 0, 0};
  });
}

TEST(BitmapScaleTest, RenderedBitmapShowsThePictureOnItsBackground) {
  const Rgb face{240, 240, 240};
  const Rgba background{240, 240, 240};
  const Rgba red{200, 0, 0};
  Raster shown;
  std::string error;

  // Plain: the picture's own size, the transparent pixel in the background colour.
  ASSERT_TRUE(RenderImage(SmallPicture(), {8, 6}, face, &shown, &error));
  EXPECT_EQ(shown.width, 4);
  EXPECT_EQ(shown.height, 2);
  EXPECT_EQ(PixelAt(shown, 3, 0), background);
  EXPECT_EQ(PixelAt(shown, 2, 1), red);

  // Centred: the whole control, the picture in the middle.
  ASSERT_TRUE(RenderImage(SmallPicture(), {8, 6, false, false, true}, face, &shown, &error));
  EXPECT_EQ(shown.width, 8);
  EXPECT_EQ(shown.height, 6);
  EXPECT_EQ(PixelAt(shown, 1, 1), background);
  EXPECT_EQ(PixelAt(shown, 2, 2), red);
  EXPECT_EQ(PixelAt(shown, 5, 3), red);
  EXPECT_EQ(PixelAt(shown, 6, 3), background);

  // Stretched: the whole control, every pixel covered by the picture.
  ASSERT_TRUE(RenderImage(SmallPicture(), {8, 6, true}, face, &shown, &error));
  EXPECT_EQ(shown.width, 8);
  EXPECT_EQ(PixelAt(shown, 0, 5), red);
  EXPECT_EQ(PixelAt(shown, 7, 0), background);

  // Larger than the control: cut at its edges.
  ASSERT_TRUE(RenderImage(SmallPicture(), {3, 1}, face, &shown, &error));
  EXPECT_EQ(shown.width, 3);
  EXPECT_EQ(shown.height, 1);

  // Proportional into a sliver: still a pixel high.
  ASSERT_TRUE(RenderImage(Solid(400, 2, red), {50, 50, false, true}, face, &shown, &error));
  EXPECT_EQ(shown.width, 50);
  EXPECT_EQ(shown.height, 1);

  EXPECT_FALSE(RenderImage(SmallPicture(), {0, 6}, face, &shown, &error));
  EXPECT_EQ(error, "image of 0 x 6 pixels shows nothing");
  EXPECT_FALSE(RenderImage(SmallPicture(), {20000, 6, true}, face, &shown, &error));
  EXPECT_EQ(error, "image of 20000 x 6 pixels is too large for a bitmap");
}

}  // namespace
}  // namespace vornic
