// Writes a Raster as a 24-bit bottom-up BMP file.
#include "pictures/bitmap_file.h"

#include <cstdint>

#include "pictures/byte_fields.h"

namespace vornic {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

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
  PutLittle32(out, bits_offset + pixel_bytes);
  PutLittle32(out, 0);  // two reserved words
  PutLittle32(out, bits_offset);
  PutLittle32(out, kInfoHeaderSize);
  PutLittle32(out, width);
  PutLittle32(out, height);  // positive: the rows run from the bottom up
  PutLittle16(out, 1);       // planes
  PutLittle16(out, 24);      // bits per pixel
  PutLittle32(out, 0);       // uncompressed
  PutLittle32(out, pixel_bytes);
  PutLittle32(out, 0);  // no resolution: the system shows the bitmap pixel for pixel
  PutLittle32(out, 0);
  PutLittle32(out, 0);  // no palette
  PutLittle32(out, 0);
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
