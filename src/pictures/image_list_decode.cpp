// Image lists from their stored bytes, and back into the two bitmaps a
// program builds an image list from.
#include "pictures/image_list_decode.h"

#include <cstdint>

#include "pictures/bitmap_file.h"
#include "pictures/byte_fields.h"
#include "pictures/dib_decode.h"

namespace vornic {

namespace {

constexpr size_t kHeaderSize = 28;
constexpr uint16_t kMagic = 0x4C49;  // "IL"
constexpr uint16_t kMaskFlag = 0x0001;
constexpr size_t kFileHeaderSize = 14;
// No image list of a form holds images larger than this or more of them; a
// damaged header must not make the decoder allocate gigabytes.
constexpr int kMaxImageSide = 1024;
constexpr int kMaxImages = 10000;

bool Fail(std::string* error, const std::string& text) {
  *error = text;
  return false;
}

// The length of the bitmap file at the front of `bytes`, from its info
// header; 0 when it is none or does not fit.
size_t BitmapFileLength(std::string_view bytes) {
  if (bytes.size() < kFileHeaderSize + 16 || !bytes.starts_with("BM")) return 0;
  const uint32_t header = Little32(bytes, kFileHeaderSize);
  if (header < 40 || bytes.size() < kFileHeaderSize + 40) return 0;
  const int64_t width = LittleSigned32(bytes, kFileHeaderSize + 4);
  const int64_t height = LittleSigned32(bytes, kFileHeaderSize + 8);
  const uint16_t bits = Little16(bytes, kFileHeaderSize + 14);
  const uint32_t used = Little32(bytes, kFileHeaderSize + 32);
  if (width <= 0 || height == 0 || bits == 0 || bits > 32) return 0;
  const int64_t rows = height < 0 ? -height : height;
  const int64_t stride = (width * bits + 31) / 32 * 4;
  const int64_t palette = bits <= 8 ? int64_t{used != 0 ? used : (1u << bits)} * 4 : 0;
  const int64_t length = int64_t{kFileHeaderSize} + header + palette + stride * rows;
  if (stride * rows > int64_t{kMaxImageSide} * kMaxImageSide * 4 * 64 ||
      length > static_cast<int64_t>(bytes.size())) {
    return 0;
  }
  return static_cast<size_t>(length);
}

// The bitmap file at the front of `bytes` with its bits offset set, so that
// it decodes as a file of its own.
std::string StandaloneBitmap(std::string_view bytes, size_t length) {
  std::string file(bytes.substr(0, length));
  const uint32_t header = Little32(bytes, kFileHeaderSize);
  const uint16_t bits = Little16(bytes, kFileHeaderSize + 14);
  const uint32_t used = Little32(bytes, kFileHeaderSize + 32);
  const uint32_t palette = bits <= 8 ? (used != 0 ? used : (1u << bits)) * 4 : 0;
  std::string offset;
  PutLittle32(offset, static_cast<uint32_t>(kFileHeaderSize) + header + palette);
  file.replace(10, 4, offset);
  return file;
}

}  // namespace

bool DecodeImageList(std::string_view bytes, ImageStrip* out, std::string* error) {
  if (bytes.size() < kHeaderSize || Little16(bytes, 0) != kMagic) {
    return Fail(error, "the data is no image list");
  }
  const int count = Little16(bytes, 4);
  const int width = Little16(bytes, 10);
  const int height = Little16(bytes, 12);
  const bool masked = (Little16(bytes, 18) & kMaskFlag) != 0;
  if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide || count == 0 ||
      count > kMaxImages) {
    return Fail(error, "image list of " + std::to_string(count) + " images of " +
                           std::to_string(width) + " x " + std::to_string(height) + " pixels");
  }
  out->image_width = width;
  out->image_height = height;
  out->count = 0;
  if (count == 0) return true;
  const std::string_view rest = bytes.substr(kHeaderSize);
  const size_t image_length = BitmapFileLength(rest);
  if (image_length == 0) return Fail(error, "the images' bitmap is damaged or cut short");
  Raster sheet;
  if (!DecodeBmpFile(StandaloneBitmap(rest, image_length), &sheet, error)) return false;
  Raster mask;
  if (masked) {
    const std::string_view mask_bytes = rest.substr(image_length);
    const size_t mask_length = BitmapFileLength(mask_bytes);
    if (mask_length == 0) return Fail(error, "the mask's bitmap is damaged or cut short");
    if (!DecodeBmpFile(StandaloneBitmap(mask_bytes, mask_length), &mask, error)) return false;
    if (mask.width != sheet.width || mask.height != sheet.height) {
      return Fail(error, "the mask is not of the images' size");
    }
  }
  // Images stand in rows of as many cells as the bitmap is wide.
  const int columns = sheet.width / width;
  if (columns == 0 || int64_t{columns} * (sheet.height / height) < count) {
    return Fail(error, "the bitmap holds fewer than its " + std::to_string(count) + " images");
  }
  out->count = count;
  out->masked = masked;
  out->images.width = width * count;
  out->images.height = height;
  out->images.rgba.assign(static_cast<size_t>(out->images.width) * height * 4, 0);
  for (int image = 0; image < count; ++image) {
    const int from_x = image % columns * width;
    const int from_y = image / columns * height;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const size_t from = (static_cast<size_t>(from_y + y) * sheet.width + from_x + x) * 4;
        const size_t to = (static_cast<size_t>(y) * out->images.width + image * width + x) * 4;
        for (int channel = 0; channel < 3; ++channel) {
          out->images.rgba[to + channel] = sheet.rgba[from + channel];
        }
        // A set mask bit, white, marks a pixel the list does not draw.
        const bool transparent = masked && mask.rgba[from] != 0;
        out->images.rgba[to + 3] = transparent ? 0 : 255;
      }
    }
  }
  return true;
}

std::string ImageStripBitmap(const ImageStrip& strip) {
  Raster drawn = strip.images;
  for (size_t at = 0; at < drawn.rgba.size(); at += 4) {
    if (drawn.rgba[at + 3] == 0) drawn.rgba[at] = drawn.rgba[at + 1] = drawn.rgba[at + 2] = 0;
  }
  return EncodeBmpFile(drawn);
}

std::string ImageStripMask(const ImageStrip& strip) {
  const Raster& images = strip.images;
  const uint32_t width = static_cast<uint32_t>(images.width);
  const uint32_t height = static_cast<uint32_t>(images.height);
  const uint32_t stride = (width + 31) / 32 * 4;
  const uint32_t bits_offset = static_cast<uint32_t>(kFileHeaderSize) + 40 + 8;
  std::string out = "BM";
  PutLittle32(out, bits_offset + stride * height);
  PutLittle32(out, 0);
  PutLittle32(out, bits_offset);
  PutLittle32(out, 40);
  PutLittle32(out, width);
  PutLittle32(out, height);
  PutLittle16(out, 1);
  PutLittle16(out, 1);  // one bit per pixel
  PutLittle32(out, 0);
  PutLittle32(out, stride * height);
  PutLittle32(out, 0);
  PutLittle32(out, 0);
  PutLittle32(out, 2);
  PutLittle32(out, 0);
  PutLittle32(out, 0x000000);  // bit 0: black, drawn
  PutLittle32(out, 0xFFFFFF);  // bit 1: white, transparent
  for (uint32_t row = height; row-- > 0;) {
    std::string line(stride, '\0');
    for (uint32_t x = 0; x < width; ++x) {
      if (images.rgba[(static_cast<size_t>(row) * width + x) * 4 + 3] == 0) {
        line[x / 8] = static_cast<char>(line[x / 8] | (0x80 >> (x % 8)));
      }
    }
    out += line;
  }
  return out;
}

}  // namespace vornic
