// Raster: the pixels of a decoded picture, the form every decoder produces
// and the scaler and the bitmap file writer consume.
#pragma once

#include <cstdint>
#include <vector>

namespace vornic {

/// A colour without transparency, e.g. the background a picture is laid on.
struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
};

/// Rows from top to bottom, four bytes per pixel in the order red, green,
/// blue, alpha (255 is opaque; colours are not premultiplied).
struct Raster {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // width * height * 4 bytes once decoded
};

// Pictures beyond these are refused before anything is allocated for them:
// no form holds one, and a few bytes of corrupt header must not cost gigabytes.
inline constexpr int64_t kMaxPictureSide = 16384;
inline constexpr int64_t kMaxPicturePixels = int64_t{64} << 20;  // 256 MB of pixels

/// True when a picture of this size may be allocated.
inline bool PictureSizeAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

}  // namespace vornic
