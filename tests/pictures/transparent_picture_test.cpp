// A transparent picture lets the background show wherever it has the colour
// of its bottom-left pixel, whatever graphic class stores it.
#include <gtest/gtest.h>
#include <png.h>

#include <string>

#include "pictures/bitmap_file.h"
#include "pictures/dib_decode.h"
#include "pictures/picture_bitmap.h"
#include "support/picture_files.h"

namespace vornic {
namespace {

constexpr Rgba kMagenta{255, 0, 255, 255};
constexpr Rgba kGold{224, 160, 0, 255};
constexpr Rgb kFace{240, 240, 240};

// Magenta around a gold square; the bottom-left pixel is magenta.
Raster Key() {
  return PaintRaster(
      8, 8, [](int x, int y) { return x >= 2 && x < 6 && y >= 2 && y < 6 ? kGold : kMagenta; });
}

TEST(TransparentPictureTest, TheCornerColourShowsTheBackgroundOnlyWhenTransparent) {
  const struct {
    const char* picture;
    std::string property;
  } formats[] = {
      {"bitmap", PictureProperty("TBitmap", EncodeBmpFile(Key()))},
      {"png", PictureProperty("TPngImage", EncodePng(Key(), {PNG_COLOR_TYPE_RGB}))},
  };
  for (const auto& format : formats) {
    for (const bool transparent : {false, true}) {
      SCOPED_TRACE(std::string(format.picture) + (transparent ? " transparent" : " opaque"));
      ImageDisplay display{8, 8};
      display.transparent = transparent;
      const PictureBitmap bitmap = BitmapForPicture(format.property, display, kFace);
      ASSERT_EQ(bitmap.outcome, PictureOutcome::kDecoded) << bitmap.reason;
      Raster shown;
      std::string error;
      ASSERT_TRUE(DecodeBmpFile(bitmap.bmp_file, &shown, &error)) << error;
      const Rgba face{kFace.red, kFace.green, kFace.blue, 255};
      EXPECT_EQ(PixelAt(shown, 0, 7), transparent ? face : kMagenta);
      EXPECT_EQ(PixelAt(shown, 7, 0), transparent ? face : kMagenta);
      EXPECT_EQ(PixelAt(shown, 3, 3), kGold);
    }
  }
}

}  // namespace
}  // namespace vornic
