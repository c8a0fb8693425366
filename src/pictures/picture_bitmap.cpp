// Joins the decoder, the scaler and the BMP writer for one picture property.
#include "pictures/picture_bitmap.h"

#include <cstddef>
#include <cstdint>

#include "pictures/bitmap_file.h"

namespace vornic {

namespace {

// A transparent picture shows what lies beneath wherever it has the colour
// of its bottom-left pixel, as the designer's transparent bitmaps do.
void ClearCornerColor(Raster& raster) {
  if (raster.width <= 0 || raster.height <= 0) return;
  const size_t corner = static_cast<size_t>(raster.height - 1) * raster.width * 4;
  if (corner + 4 > raster.rgba.size()) return;
  const uint8_t red = raster.rgba[corner];
  const uint8_t green = raster.rgba[corner + 1];
  const uint8_t blue = raster.rgba[corner + 2];
  for (size_t at = 0; at + 4 <= raster.rgba.size(); at += 4) {
    if (raster.rgba[at] == red && raster.rgba[at + 1] == green && raster.rgba[at + 2] == blue) {
      raster.rgba[at + 3] = 0;
    }
  }
}

}  // namespace

PictureBitmap BitmapForPicture(std::string_view property, const ImageDisplay& display,
                               Rgb background) {
  PictureBitmap result;
  DecodedPicture picture = DecodePicture(property, PicturePlanner(display));
  result.outcome = picture.outcome;
  result.reason = std::move(picture.reason);
  if (picture.outcome != PictureOutcome::kDecoded) return result;
  if (display.transparent) ClearCornerColor(picture.raster);
  Raster shown;
  if (!RenderImage(picture.raster, picture.plan, display, background, &shown, &result.reason)) {
    result.outcome = PictureOutcome::kRefused;
    return result;
  }
  result.bmp_file = EncodeBmpFile(shown);
  return result;
}

}  // namespace vornic
