// An icon file: a 6-byte header (zero, type 1, image count), a 16-byte
// directory entry per image (width and height in a byte each, 0 meaning 256,
// colour count, a reserved byte, planes, bits per pixel, then the image's
// size and offset in 4 bytes each), then the images.
#include "pictures/icon_decode.h"

#include <bit>
#include <cstdlib>

#include "pictures/byte_fields.h"
#include "pictures/dib_decode.h"
#include "pictures/picture_data.h"
#include "pictures/png_decode.h"

namespace vornic {
namespace {

constexpr size_t kHeaderSize = 6;
constexpr size_t kEntrySize = 16;
constexpr int kStandardSide = 32;  // the size the designer shows an icon at

struct IconEntry {
  int width = 0;
  int height = 0;
  int depth = 0;  // bits per pixel as the directory states them
  uint32_t size = 0;
  uint32_t offset = 0;
};

IconEntry ReadEntry(std::string_view data, size_t at) {
  IconEntry entry;
  entry.width = ByteAt(data, at) == 0 ? 256 : ByteAt(data, at);
  entry.height = ByteAt(data, at + 1) == 0 ? 256 : ByteAt(data, at + 1);
  const int colours = ByteAt(data, at + 2);
  const int bits = Little16(data, at + 6);
  // Old files leave the bit count zero and give the colour count instead.
  entry.depth = bits != 0 ? bits : colours != 0 ? std::bit_width(unsigned(colours - 1)) : 8;
  entry.size = Little32(data, at + 8);
  entry.offset = Little32(data, at + 12);
  return entry;
}

// True when `a` is the better image to show: nearer the standard size, then
// larger (scaling down looks better than scaling up), then more colours.
bool Better(const IconEntry& a, const IconEntry& b) {
  const int distance_a = std::abs(a.width - kStandardSide) + std::abs(a.height - kStandardSide);
  const int distance_b = std::abs(b.width - kStandardSide) + std::abs(b.height - kStandardSide);
  if (distance_a != distance_b) return distance_a < distance_b;
  if (a.width * a.height != b.width * b.height) return a.width * a.height > b.width * b.height;
  return a.depth > b.depth;
}

}  // namespace

bool DecodeIcon(std::string_view data, const PicturePlanner& planner, PlannedRaster* out,
                std::string* error) {
  if (data.size() < kHeaderSize) {
    *error = "icon data ends inside its header";
    return false;
  }
  const size_t count = Little16(data, 4);
  if (count == 0 || data.size() < kHeaderSize + count * kEntrySize) {
    *error = count == 0 ? "icon holds no image" : "icon data ends inside its directory";
    return false;
  }
  IconEntry best = ReadEntry(data, kHeaderSize);
  for (size_t index = 1; index < count; ++index) {
    const IconEntry entry = ReadEntry(data, kHeaderSize + index * kEntrySize);
    if (Better(entry, best)) best = entry;
  }
  if (best.offset >= data.size()) {
    *error = "icon image said to begin at byte " + std::to_string(best.offset);
    return false;
  }
  // An image whose size runs past the end is cut there; its own decoder
  // finds out whether what is left is enough.
  const std::string_view image = data.substr(best.offset, best.size);
  if (SniffPictureFormat(image) == PictureFormat::kPng) {
    return DecodePng(image, planner, out, error);
  }
  return DecodeIconDib(image, planner, out, error);
}

}  // namespace vornic
