// Small pictures made in memory for the picture tests: encoded with the
// system's libraries, or laid out byte by byte where a test needs a layout
// the encoders do not write.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "pictures/raster.h"

namespace vornic {

struct Rgba {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t alpha = 255;
  bool operator==(const Rgba&) const = default;
};

/// A raster of `width` x `height` whose pixel (x, y) is `paint(x, y)`.
Raster PaintRaster(int width, int height, const std::function<Rgba(int x, int y)>& paint);
/// The pixel at (x, y).
Rgba PixelAt(const Raster& raster, int x, int y);

enum class JpegKind { kColour, kGrey, kProgressive, kCmyk };
/// `raster` as a JPEG file at quality 95, colour at full resolution, alpha
/// dropped. kCmyk stores the red, green and blue values as inverted cyan,
/// magenta and yellow with an Adobe marker, and no black, so they decode to
/// the same colours.
std::string EncodeJpeg(const Raster& raster, JpegKind kind = JpegKind::kColour);
/// How EncodePng stores a picture: a colour type of libpng
/// (PNG_COLOR_TYPE_RGBA, _RGB, _GRAY, _GRAY_ALPHA, _PALETTE), 8 or 16 bits
/// per sample, interlaced or not. Grey takes the red channel; a palette gets
/// one entry per distinct pixel, with transparency where any is not opaque.
struct PngLayout {
  int colour_type = 0;
  int bit_depth = 8;
  bool interlaced = false;
};
std::string EncodePng(const Raster& raster, const PngLayout& layout);

/// A DIB with a 40-byte header; `rows` are the pixel rows exactly as stored.
struct DibLayout {
  int width = 0;
  int height = 0;  // as stored: negative for rows from the top, doubled for icons
  int bit_count = 24;
  uint32_t compression = 0;
  std::vector<uint32_t> masks;    // written behind the header, for bit fields
  std::vector<uint32_t> palette;  // 0xRRGGBB each
  std::string rows;
};
std::string DibBytes(const DibLayout& layout);
/// The DIB behind a file header whose pixel offset points past the palette.
std::string BmpFile(const DibLayout& layout);

/// One image of an icon file: its directory size and depth, and its bytes
/// (a DIB or a PNG file).
struct IconImage {
  int width = 0;
  int height = 0;
  int bit_count = 0;
  std::string data;
};
std::string IconFile(const std::vector<IconImage>& images);

/// A picture property: the class name as a short string, the stream's
/// length in 4 bytes unless `with_length` is false, then the stream.
std::string PictureProperty(std::string_view class_name, std::string_view stream,
                            bool with_length = true);

/// The pixel at column `x` of image `image` of StoredImageList: a colour of
/// the image's own, its left column transparent.
Rgba ImageListPixel(int image, int x);
/// An image list of `count` 4 x 3 images in rows of two cells, as the
/// designer stores it: the header, the images' bitmap and, when `masked`,
/// the mask, their size fields counting the headers only.
std::string StoredImageList(int count, bool masked);
/// `bytes` as upper-case hexadecimal digits, as form text writes data.
std::string HexText(const std::string& bytes);

}  // namespace vornic
