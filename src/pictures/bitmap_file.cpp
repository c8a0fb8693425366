// Writes a Raster as a 24-bit bottom-up BMP file.
#include "pictures/bitmap_file.h"

#include <cstdint>

namespace vornic {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8 & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

std::string EncodeBmpFile(const Raster& raster) {
  const uint32_t width = static_cast<uint32_t>(raster.width);
  const uint32_t height = static_cast<uint32_t>(raster.height);
  const uint32_t stride = (width * 3 + 3) / 4 * 4;
  const uint32_t pixel_bytes = stride * height;
  const uint32_t bits_offset = kFileHeaderSize + kInfoHeaderSize;
  std::string out;
  out.reserve(bits_offset + pixel_bytes);
  out += "BM";
  Put32(out, bits_offset + pixel_bytes);
  Put32(out, 0);  // two reserved words
  Put32(out, bits_offset);
  Put32(out, kInfoHeaderSize);
  Put32(out, width);
  Put32(out, height);  // positive: the rows run from the bottom up
  Put16(out, 1);       // planes
  Put16(out, 24);      // bits per pixel
  Put32(out, 0);       // uncompressed
  Put32(out, pixel_bytes);
  Put32(out, 0);  // no resolution: the system shows the bitmap pixel for pixel
  Put32(out, 0);
  Put32(out, 0);  // no palette
  Put32(out, 0);
  for (uint32_t row = height; row-- > 0;) {
    const uint8_t* pixel = raster.rgba.data() + static_cast<size_t>(row) * width * 4;
    for (uint32_t x = 0; x < width; ++x, pixel += 4) {
      out += static_cast<char>(pixel[2]);
      out += static_cast<char>(pixel[1]);
      out += static_cast<char>(pixel[0]);
    }
    out.append(stride - width * 3, '\0');
  }
  return out;
}

}  // namespace vornic
