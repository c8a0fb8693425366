// Joins the decoder, the scaler and the BMP writer for one picture property.
#include "pictures/picture_bitmap.h"

#include "pictures/bitmap_file.h"

namespace vornic {

PictureBitmap BitmapForPicture(std::string_view property, const ImageDisplay& display,
                               Rgb background) {
  PictureBitmap result;
  DecodedPicture picture = DecodePicture(property, PicturePlanner(display));
  result.outcome = picture.outcome;
  result.reason = std::move(picture.reason);
  if (picture.outcome != PictureOutcome::kDecoded) return result;
  Raster shown;
  if (!RenderImage(picture.raster, picture.plan, display, background, &shown, &result.reason)) {
    result.outcome = PictureOutcome::kRefused;
    return result;
  }
  result.bmp_file = EncodeBmpFile(shown);
  return result;
}

}  // namespace vornic
