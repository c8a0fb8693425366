// The images of an image list as a form stores them (its Bitmap value): a
// 28-byte header ("IL", version, image count, capacity, growth, image width
// and height, background colour, flags, overlays), then a bitmap file of the
// images laid out in rows of equal cells, then, when the flags say the list
// is masked, a monochrome bitmap file of the same layout whose set bits mark
// the transparent pixels. The bitmap files' size fields count their headers
// only: their lengths follow from their info headers.
#pragma once

#include <string>
#include <string_view>

#include "pictures/raster.h"

namespace vornic {

/// An image list's images side by side, as the program builds the list from.
struct ImageStrip {
  int image_width = 0;
  int image_height = 0;
  int count = 0;        // 0 for a list that holds none: `images` is then empty
  bool masked = false;  // the images have transparent pixels (alpha 0 in `images`)
  Raster images;        // count * image_width by image_height
};

/// Decodes the stored image list `bytes`. False, with `error` set, for data
/// that is no image list, or whose bitmaps are truncated or corrupt.
bool DecodeImageList(std::string_view bytes, ImageStrip* out, std::string* error);

/// The strip's images as a 24-bit bitmap file, transparent pixels black, as
/// an image list draws them through its mask.
std::string ImageStripBitmap(const ImageStrip& strip);
/// The strip's mask as a monochrome bitmap file: white where transparent.
std::string ImageStripMask(const ImageStrip& strip);

}  // namespace vornic
