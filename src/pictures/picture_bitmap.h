// The bitmap that shows an image control's picture: decoding, laying on the
// background, scaling and placing, and the BMP file for the resource script.
#pragma once

#include <string>
#include <string_view>

#include "pictures/bitmap_scale.h"
#include "pictures/picture_decode.h"

namespace vornic {

struct PictureBitmap {
  PictureOutcome outcome = PictureOutcome::kCorrupt;
  std::string bmp_file;  // a 24-bit BMP file when the outcome is kDecoded
  std::string reason;    // why there is no bitmap otherwise
};

/// The BMP file that shows the picture property `property` in an image
/// control as the designer shows it, transparent parts in `background` (the
/// colour behind the control). The picture is decoded only as far as the
/// control's budget plans it; beyond the budget, for a control without area
/// or for one too large for a bitmap, the outcome is kRefused.
PictureBitmap BitmapForPicture(std::string_view property, const ImageDisplay& display,
                               Rgb background);

}  // namespace vornic
