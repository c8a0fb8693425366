// Reads the header, masks, palette and rows of a DIB into a Raster.
#include "pictures/dib_decode.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

#include "pictures/byte_fields.h"
#include "pictures/raster_builder.h"

namespace vornic {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kFileBitsOffsetAt = 10;  // where the file header says the rows begin
constexpr uint32_t kCoreHeaderSize = 12;  // the oldest header: 16-bit sizes, 3-byte palette entries
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kBiAlphaBitfields = 6;

// One colour channel of 16 and 32-bit pixels given by a bit mask.
class Channel {
 public:
  explicit Channel(uint32_t mask) : mask_(mask) {
    if (mask == 0) return;
    shift_ = std::countr_zero(mask);
    max_ = (uint64_t{1} << std::bit_width(mask >> shift_)) - 1;
  }
  bool present() const { return max_ != 0; }
  /// The channel's value in `pixel` widened or narrowed to 0..255.
  uint8_t Value(uint32_t pixel) const {
    if (max_ == 0) return 0;
    return static_cast<uint8_t>((((pixel & mask_) >> shift_) * 255 + max_ / 2) / max_);
  }

 private:
  uint32_t mask_;
  int shift_ = 0;
  uint64_t max_ = 0;  // the largest value of the channel; 0 when it is absent
};

struct DibHeader {
  uint32_t size = 0;  // of the header itself
  int64_t width = 0;
  int64_t height = 0;     // rows, positive
  bool top_down = false;  // a negative stored height: the first row is the top one
  int bit_count = 0;
  uint32_t masks[4] = {};        // red, green, blue, alpha of 16 and 32-bit pixels
  size_t palette_offset = 0;     // first byte after the header and its masks
  uint64_t palette_entries = 0;  // as declared; the file may hold fewer
  size_t entry_size = 4;         // bytes per palette entry
  std::vector<Rgb> palette;
};

bool Fail(std::string* error, std::string message) {
  *error = std::move(message);
  return false;
}

bool KnownHeaderSize(uint32_t size) {
  return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 ||
         size == 108 || size == 124;
}

// Masks of pixels without bit fields: 5-5-5 for 16 bits, bytes for 32.
void SetDefaultMasks(DibHeader* header) {
  const bool short_pixels = header->bit_count == 16;
  header->masks[0] = short_pixels ? 0x7C00 : 0xFF0000;
  header->masks[1] = short_pixels ? 0x03E0 : 0x00FF00;
  header->masks[2] = short_pixels ? 0x001F : 0x0000FF;
  header->masks[3] = short_pixels ? 0 : 0xFF000000;
}

// Reads the masks of a bit-field bitmap: inside the larger headers, behind
// the 40-byte one.
bool ReadMasks(std::string_view dib, uint32_t compression, DibHeader* header, std::string* error) {
  const size_t mask_count = compression == kBiAlphaBitfields || header->size >= 56 ? 4 : 3;
  if (header->size == kInfoHeaderSize) header->palette_offset += mask_count * 4;
  if (dib.size() < kInfoHeaderSize + mask_count * 4) {
    return Fail(error, "bitmap data ends inside its colour masks");
  }
  for (size_t index = 0; index < 4; ++index) {
    header->masks[index] = index < mask_count ? Little32(dib, kInfoHeaderSize + index * 4) : 0;
  }
  return true;
}

bool ReadHeader(std::string_view dib, DibHeader* header, std::string* error) {
  if (dib.size() < 4) return Fail(error, "bitmap data ends inside its header");
  header->size = Little32(dib, 0);
  if (!KnownHeaderSize(header->size)) {
    return Fail(error, "bitmap header of " + std::to_string(header->size) + " bytes is unknown");
  }
  if (dib.size() < header->size) return Fail(error, "bitmap data ends inside its header");
  int64_t stored_height = 0;
  uint32_t compression = kBiRgb;
  header->palette_offset = header->size;
  if (header->size == kCoreHeaderSize) {
    header->width = Little16(dib, 4);
    stored_height = Little16(dib, 6);
    header->bit_count = Little16(dib, 10);
    header->entry_size = 3;
  } else {
    header->width = LittleSigned32(dib, 4);
    stored_height = LittleSigned32(dib, 8);
    header->bit_count = Little16(dib, 14);
    compression = Little32(dib, 16);
    header->palette_entries = Little32(dib, 32);
  }
  header->top_down = stored_height < 0;
  header->height = stored_height < 0 ? -stored_height : stored_height;
  const int bits = header->bit_count;
  if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    return Fail(error, "bitmap of " + std::to_string(bits) + " bits per pixel");
  }
  SetDefaultMasks(header);
  if (compression == kBiBitfields || compression == kBiAlphaBitfields) {
    if (bits != 16 && bits != 32) {
      return Fail(error, "bit fields in a bitmap of other than 16 or 32 bits");
    }
    if (!ReadMasks(dib, compression, header, error)) return false;
  } else if (compression != kBiRgb) {
    return Fail(error, "compressed bitmaps are not decoded");
  }
  if (bits <= 8 && header->palette_entries == 0) header->palette_entries = uint64_t{1} << bits;
  return true;
}

// Reads up to `available` bytes of palette; only the first 256 entries can be indexed.
void ReadPalette(std::string_view dib, size_t available, DibHeader* header) {
  if (header->bit_count > 8) return;
  const uint64_t count = std::min<uint64_t>(
      {header->palette_entries, available / header->entry_size, uint64_t{1} << header->bit_count});
  for (uint64_t index = 0; index < count; ++index) {
    const size_t at = header->palette_offset + index * header->entry_size;
    header->palette.push_back(Rgb{ByteAt(dib, at + 2), ByteAt(dib, at + 1), ByteAt(dib, at)});
  }
}

void DecodeRow(const DibHeader& header, std::string_view row, bool keep_alpha, uint8_t* out) {
  const int bits = header.bit_count;
  const Channel red(header.masks[0]), green(header.masks[1]), blue(header.masks[2]),
      alpha(keep_alpha ? header.masks[3] : 0);
  for (int64_t x = 0; x < header.width; ++x, out += 4) {
    Rgb colour;
    uint8_t opacity = 255;
    if (bits <= 8) {
      const uint64_t bit = static_cast<uint64_t>(x) * bits;
      const unsigned index = (ByteAt(row, bit / 8) >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
      // An index past the palette shows black, as the system draws it.
      if (index < header.palette.size()) colour = header.palette[index];
    } else if (bits == 24) {
      colour = Rgb{ByteAt(row, x * 3 + 2), ByteAt(row, x * 3 + 1), ByteAt(row, x * 3)};
    } else {
      const uint32_t pixel = bits == 16 ? Little16(row, x * 2) : Little32(row, x * 4);
      colour = Rgb{red.Value(pixel), green.Value(pixel), blue.Value(pixel)};
      if (alpha.present()) opacity = alpha.Value(pixel);
    }
    out[0] = colour.red;
    out[1] = colour.green;
    out[2] = colour.blue;
    out[3] = opacity;
  }
}

uint64_t RowBytes(const DibHeader& header) {
  return (static_cast<uint64_t>(header.width) * header.bit_count + 7) / 8;
}

// Rows are padded to whole 32-bit words.
uint64_t Stride(uint64_t row_bytes) { return (row_bytes + 3) / 4 * 4; }

// Checks, before anything is allocated for them, that `bits` holds the
// header's rows.
bool CheckRows(const DibHeader& header, std::string_view bits, std::string* error) {
  if (!PictureSizeAllowed(header.width, header.height)) {
    return Fail(error, "bitmap of " + std::to_string(header.width) + " x " +
                           std::to_string(header.height) + " pixels");
  }
  const uint64_t row_bytes = RowBytes(header);
  if (bits.size() < Stride(row_bytes) * (header.height - 1) + row_bytes) {
    return Fail(error, "bitmap data ends inside its pixels");
  }
  return true;
}

// True when any pixel of the checked rows has an alpha other than zero.
bool HasAnyAlpha(const DibHeader& header, std::string_view bits) {
  const Channel alpha(header.masks[3]);
  const uint64_t stride = Stride(RowBytes(header));
  for (int64_t y = 0; y < header.height; ++y) {
    for (int64_t x = 0; x < header.width; ++x) {
      if (alpha.Value(Little32(bits, y * stride + x * 4)) != 0) return true;
    }
  }
  return false;
}

// Clears the opacity of every pixel of a row whose AND mask bit is set.
void ApplyMaskRow(std::string_view mask_row, int64_t width, uint8_t* row) {
  for (int64_t x = 0; x < width; ++x) {
    const bool transparent = ByteAt(mask_row, x / 8) >> (7 - x % 8) & 1;
    row[x * 4 + 3] = transparent ? 0 : 255;
  }
}

// Decodes the checked rows of `bits` into what `planner` plans; `mask`, when
// not empty, holds the AND mask rows of an icon image.
bool DecodeRows(const DibHeader& header, std::string_view bits, bool keep_alpha,
                std::string_view mask, const PicturePlanner& planner, PlannedRaster* out,
                std::string* error) {
  if (!planner.Plan(static_cast<int>(header.width), static_cast<int>(header.height), &out->plan,
                    error)) {
    out->refused = true;
    return false;
  }
  const uint64_t row_bytes = RowBytes(header);
  const uint64_t mask_stride = (static_cast<uint64_t>(header.width) + 31) / 32 * 4;
  RasterBuilder builder(out->plan);
  std::vector<uint8_t> row(static_cast<size_t>(header.width) * 4);
  for (int64_t y = 0; !builder.done(); ++y) {
    const int64_t stored_row = header.top_down ? y : header.height - 1 - y;
    DecodeRow(header, bits.substr(stored_row * Stride(row_bytes), row_bytes), keep_alpha,
              row.data());
    if (!mask.empty()) {
      ApplyMaskRow(mask.substr(stored_row * mask_stride, mask_stride), header.width, row.data());
    }
    builder.AddRow(static_cast<int>(y), row.data());
  }
  out->raster = builder.Finish();
  return true;
}

}  // namespace

bool DecodeBmpFile(std::string_view file, const PicturePlanner& planner, PlannedRaster* out,
                   std::string* error) {
  if (file.size() < kFileHeaderSize || !file.starts_with("BM")) {
    return Fail(error, "bitmap file ends inside its header");
  }
  const std::string_view dib = file.substr(kFileHeaderSize);
  DibHeader header;
  if (!ReadHeader(dib, &header, error)) return false;
  // The file header says where the rows begin; writers that leave it zero
  // put them right behind the palette.
  const uint32_t stored_offset = Little32(file, kFileBitsOffsetAt);
  size_t bits_offset = 0;
  if (stored_offset == 0) {
    const uint64_t palette_bytes =
        header.bit_count <= 8 ? header.palette_entries * header.entry_size : 0;
    if (palette_bytes > dib.size() - header.palette_offset) {
      return Fail(error, "bitmap data ends inside its palette");
    }
    bits_offset = header.palette_offset + palette_bytes;
  } else if (stored_offset < kFileHeaderSize + header.palette_offset ||
             stored_offset > file.size()) {
    return Fail(error, "bitmap pixels said to begin at byte " + std::to_string(stored_offset));
  } else {
    bits_offset = stored_offset - kFileHeaderSize;
  }
  ReadPalette(dib, bits_offset - header.palette_offset, &header);
  const std::string_view bits = dib.substr(bits_offset);
  return CheckRows(header, bits, error) &&
         DecodeRows(header, bits, false, std::string_view(), planner, out, error);
}

bool DecodeBmpFile(std::string_view file, Raster* out, std::string* error) {
  PlannedRaster picture;
  if (!DecodeBmpFile(file, PicturePlanner(), &picture, error)) return false;
  *out = std::move(picture.raster);
  return true;
}

bool DecodeIconDib(std::string_view dib, const PicturePlanner& planner, PlannedRaster* out,
                   std::string* error) {
  DibHeader header;
  if (!ReadHeader(dib, &header, error)) return false;
  // The stored height counts the colour rows and the mask rows.
  header.height /= 2;
  if (header.top_down) return Fail(error, "icon image stored from the top");
  const uint64_t palette_bytes = header.palette_entries * header.entry_size;
  if (palette_bytes > dib.size() - header.palette_offset) {
    return Fail(error, "icon image ends inside its palette");
  }
  ReadPalette(dib, palette_bytes, &header);
  const std::string_view bits = dib.substr(header.palette_offset + palette_bytes);
  if (!CheckRows(header, bits, error)) return false;
  const bool alpha_channel = header.bit_count == 32 && header.masks[3] != 0;
  if (alpha_channel && HasAnyAlpha(header, bits)) {
    return DecodeRows(header, bits, true, std::string_view(), planner, out, error);
  }
  const uint64_t colour_bytes = Stride(RowBytes(header)) * header.height;
  const uint64_t mask_bytes = (static_cast<uint64_t>(header.width) + 31) / 32 * 4 * header.height;
  if (bits.size() < colour_bytes || bits.size() - colour_bytes < mask_bytes) {
    return Fail(error, "icon image ends inside its mask");
  }
  return DecodeRows(header, bits, alpha_channel, bits.substr(colour_bytes, mask_bytes), planner,
                    out, error);
}

}  // namespace vornic
