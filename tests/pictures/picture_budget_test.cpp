// The pixel budget of a picture: what the rule plans for each size of
// picture, control and option, and what each decoder then delivers of it.
#include "pictures/picture_budget.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <string>

#include "pictures/bitmap_file.h"
#include "pictures/bitmap_scale.h"
#include "pictures/picture_bitmap.h"
#include "pictures/picture_decode.h"
#include "support/large_pictures.h"
#include "support/picture_files.h"

namespace vornic {
namespace {

// Stands in the table below for the planner of whole pictures.
constexpr ImageDisplay kWhole{};

bool IsWhole(const ImageDisplay& d) {
  return d.width == 0 && d.height == 0 && !d.stretch && !d.proportional && !d.center;
}

TEST(PictureBudgetTest, PlanKeepsWhatTheControlShowsWithinTheBudget) {
  const struct {
    int picture_width, picture_height;
    ImageDisplay display;
    PixelWindow window;
    int width, height;
    std::string refusal;
  } cases[] = {
      // At its own size the picture is cut to the part inside the control.
      {40, 20, {100, 80}, {0, 0, 40, 20}, 40, 20, ""},
      {400, 300, {100, 80}, {0, 0, 100, 80}, 100, 80, ""},
      {400, 300, {100, 80, false, false, true}, {150, 110, 100, 80}, 100, 80, ""},
      {401, 301, {100, 81, false, false, true}, {150, 110, 100, 81}, 100, 81, ""},
      {40, 20, {100, 80, false, true}, {0, 0, 40, 20}, 40, 20, ""},
      // Scaled, it is needed whole: up to a megapixel as it is...
      {40, 20, {100, 80, true}, {0, 0, 40, 20}, 40, 20, ""},
      {1000, 1000, {100, 80, true}, {0, 0, 1000, 1000}, 1000, 1000, ""},
      // ... beyond that shrunk to four times the control's area or the
      // megapixel, whichever is more, keeping its shape...
      {2048, 2048, {100, 80, true}, {0, 0, 2048, 2048}, 1024, 1024, ""},
      {4096, 1024, {100, 80, false, true}, {0, 0, 4096, 1024}, 2048, 512, ""},
      {8192, 8192, {1024, 1024, true}, {0, 0, 8192, 8192}, 2048, 2048, ""},
      // ... to 16 megapixels at most...
      {16384, 4096, {3000, 2000, true}, {0, 0, 16384, 4096}, 8192, 2048, ""},
      // ... and never to fewer rows or columns than it is drawn at.
      {16384, 100, {50, 100, true}, {0, 0, 16384, 100}, 10485, 100, ""},
      // Controls that cannot show a picture.
      {40, 20, {0, 80}, {}, 0, 0, "image of 0 x 80 pixels shows nothing"},
      {40, 20, {-5, 80, true}, {}, 0, 0, "image of -5 x 80 pixels shows nothing"},
      {40,
       20,
       {30000, 10, false, false, true},
       {},
       0,
       0,
       "image of 30000 x 10 pixels is too large for a bitmap"},
      {40, 20, {16000, 16000}, {}, 0, 0, "image of 16000 x 16000 pixels is too large for a bitmap"},
      {40,
       20,
       {5000, 4000, true},
       {},
       0,
       0,
       "image of 5000 x 4000 pixels is too large for a bitmap"},
      {40,
       20,
       {5000, 4000, false, false, true},
       {},
       0,
       0,
       "image of 5000 x 4000 pixels is too large for a bitmap"},
      // A large control is fine where the bitmap only takes the picture's size.
      {40, 20, {5000, 4000}, {0, 0, 40, 20}, 40, 20, ""},
      // Whole pictures, as glyphs need them, up to the cap.
      {4096, 4096, kWhole, {0, 0, 4096, 4096}, 4096, 4096, ""},
      {4097, 4096, kWhole, {}, 0, 0, "picture of 4097 x 4096 pixels is too large to decode whole"},
  };
  for (const auto& c : cases) {
    const ImageDisplay& d = c.display;
    SCOPED_TRACE(std::to_string(c.picture_width) + "x" + std::to_string(c.picture_height) + " in " +
                 std::to_string(d.width) + "x" + std::to_string(d.height) + " stretch " +
                 std::to_string(d.stretch) + " proportional " + std::to_string(d.proportional) +
                 " center " + std::to_string(d.center));
    const PicturePlanner planner = IsWhole(d) ? PicturePlanner() : PicturePlanner(d);
    DecodePlan plan;
    std::string error;
    const bool planned = planner.Plan(c.picture_width, c.picture_height, &plan, &error);
    EXPECT_EQ(planned, c.refusal.empty());
    EXPECT_EQ(error, c.refusal);
    if (!planned) continue;
    EXPECT_EQ(plan.window.left, c.window.left);
    EXPECT_EQ(plan.window.top, c.window.top);
    EXPECT_EQ(plan.window.width, c.window.width);
    EXPECT_EQ(plan.window.height, c.window.height);
    EXPECT_EQ(plan.width, c.width);
    EXPECT_EQ(plan.height, c.height);
    EXPECT_LE(int64_t{plan.width} * plan.height, plan.budget);
  }
}

// 1400 x 1100 in quadrants, so that shrinking and cutting have edges to
// keep; the right half is half transparent.
Raster Quadrants() {
  return PaintRaster(1400, 1100, [](int x, int y) {
    const uint8_t alpha = x < 700 ? 255 : 128;
    if (y < 550) return x < 700 ? Rgba{220, 30, 40, alpha} : Rgba{30, 200, 60, alpha};
    return x < 700 ? Rgba{20, 60, 220, alpha} : Rgba{250, 250, 250, alpha};
  });
}

// The part `window` of `raster`.
Raster Cut(const Raster& raster, const PixelWindow& window) {
  return PaintRaster(window.width, window.height, [&](int x, int y) {
    return PixelAt(raster, window.left + x, window.top + y);
  });
}

// The mean difference of two rasters of one size, over every channel.
double MeanDifference(const Raster& a, const Raster& b) {
  double sum = 0;
  for (size_t at = 0; at < a.rgba.size(); ++at) sum += std::abs(a.rgba[at] - b.rgba[at]);
  return sum / static_cast<double>(a.rgba.size());
}

TEST(PictureBudgetTest, EachFormatDeliversThePlanAndShowsAsTheWholePictureWould) {
  const Raster picture = Quadrants();
  const Rgb face{240, 240, 240};
  const struct {
    const char* name;
    std::string property;
  } formats[] = {
      {"bitmap", PictureProperty("TBitmap", EncodeBmpFile(picture))},
      {"png", PictureProperty("TPngImage", EncodePng(picture, {PNG_COLOR_TYPE_RGBA}))},
      {"jpeg", PictureProperty("TJPEGImage", EncodeJpeg(picture))},
      {"progressive jpeg",
       PictureProperty("TJPEGImage", EncodeJpeg(picture, JpegKind::kProgressive))},
      {"png in an icon",
       PictureProperty("TIcon", IconFile({{0, 0, 32, EncodePng(picture, {PNG_COLOR_TYPE_RGBA})}}))},
  };
  const ImageDisplay stretched{200, 160, true};
  const ImageDisplay centred{100, 80, false, false, true};
  for (const auto& format : formats) {
    SCOPED_TRACE(format.name);
    const DecodedPicture whole = DecodePicture(format.property);
    ASSERT_EQ(whole.outcome, PictureOutcome::kDecoded) << whole.reason;

    // Shrunk while decoding to the megapixel: 1400 x 1100 times 0.825 (a
    // JPEG by seven eighths first).
    const DecodedPicture shrunk = DecodePicture(format.property, PicturePlanner(stretched));
    ASSERT_EQ(shrunk.outcome, PictureOutcome::kDecoded) << shrunk.reason;
    EXPECT_EQ(shrunk.raster.width, 1155);
    EXPECT_EQ(shrunk.raster.height, 907);
    ASSERT_EQ(shrunk.raster.rgba.size(), size_t{1155} * 907 * 4);
    Raster from_whole, from_shrunk;
    std::string error;
    ASSERT_TRUE(RenderImage(whole.raster, stretched, face, &from_whole, &error));
    ASSERT_TRUE(RenderImage(shrunk.raster, shrunk.plan, stretched, face, &from_shrunk, &error));
    ASSERT_EQ(from_shrunk.rgba.size(), from_whole.rgba.size());
    EXPECT_LT(MeanDifference(from_shrunk, from_whole), 0.5);
    for (const auto& [x, y] : {std::pair{50, 40}, {150, 40}, {50, 120}, {150, 120}}) {
      const Rgba a = PixelAt(from_shrunk, x, y), b = PixelAt(from_whole, x, y);
      EXPECT_NEAR(a.red, b.red, 2) << x << "," << y;
      EXPECT_NEAR(a.green, b.green, 2) << x << "," << y;
      EXPECT_NEAR(a.blue, b.blue, 2) << x << "," << y;
    }

    // At its own size only the middle is decoded, and shows exactly as the
    // middle of the whole picture.
    Raster shown;
    ASSERT_TRUE(RenderImage(whole.raster, centred, face, &shown, &error));
    const PictureBitmap cut = BitmapForPicture(format.property, centred, face);
    ASSERT_EQ(cut.outcome, PictureOutcome::kDecoded) << cut.reason;
    EXPECT_EQ(cut.bmp_file, EncodeBmpFile(shown));
  }
}

TEST(PictureBudgetTest, PicturesThatCannotBeReducedWhileDecodingAreHeldToTheirLimits) {
  const Raster picture = PaintRaster(1200, 1000, [](int x, int y) {
    return Rgba{static_cast<uint8_t>(x), static_cast<uint8_t>(y), 90, 255};
  });
  // An interlaced PNG is complete only at its last pass: held whole, so it
  // must fit the budget, here the megapixel...
  const std::string interlaced =
      PictureProperty("TPngImage", EncodePng(picture, {PNG_COLOR_TYPE_RGB, 8, true}));
  const DecodedPicture refused = DecodePicture(interlaced, PicturePlanner({100, 80, true}));
  EXPECT_EQ(refused.outcome, PictureOutcome::kRefused);
  EXPECT_EQ(refused.reason,
            "TPngImage: interlaced PNG picture of 1200 x 1000 pixels is beyond its budget of "
            "1048576 pixels");
  // ... or four times a larger control's area; at its own size it is then
  // cut like any other picture.
  const DecodedPicture fits = DecodePicture(interlaced, PicturePlanner({600, 500, true}));
  ASSERT_EQ(fits.outcome, PictureOutcome::kDecoded) << fits.reason;
  EXPECT_EQ(fits.raster.rgba, picture.rgba);
  const DecodedPicture cut = DecodePicture(
      PictureProperty("TPngImage",
                      EncodePng(Cut(picture, {0, 0, 1000, 1000}), {PNG_COLOR_TYPE_RGB, 8, true})),
      PicturePlanner({100, 80}));
  ASSERT_EQ(cut.outcome, PictureOutcome::kDecoded) << cut.reason;
  EXPECT_EQ(cut.raster.rgba, Cut(picture, {0, 0, 100, 80}).rgba);

  // A JPEG in several scans holds its coefficients whole, two bytes a sample.
  const DecodedPicture progressive = DecodePicture(
      PictureProperty("TJPEGImage", JpegClaimingSize(16384, 4096, JpegKind::kProgressive)),
      PicturePlanner({200, 150, true}));
  EXPECT_EQ(progressive.outcome, PictureOutcome::kRefused);
  EXPECT_EQ(progressive.reason,
            "TJPEGImage: JPEG picture of 16384 x 4096 pixels in several scans needs 384 MB to "
            "decode");
}

}  // namespace
}  // namespace vornic
