// Drives libpng over a picture held in memory. The library reports errors
// by calling a function that must not return; ours jumps back to the reader,
// so corrupt data never ends the process. (The library's simplified reader
// would spare the jump, but it scrambles interlaced 16-bit pictures.)
#include "pictures/png_decode.h"

#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "pictures/raster_builder.h"

namespace vornic {
namespace {

// Deflate cannot expand data by more than this factor, so a short file
// claiming a large picture is corrupt: refuse it before allocating the rows.
constexpr uint64_t kMaxDeflateRatio = 1032;
constexpr png_alloc_size_t kMaxChunkMemory = 8 << 20;  // text and profile chunks

// All that must outlive a jump back into ReadPng; frees the library's state.
struct PngRead {
  explicit PngRead(std::string_view bytes) : data(bytes) {}
  ~PngRead() { png_destroy_read_struct(&png, &info, nullptr); }
  PngRead(const PngRead&) = delete;
  PngRead& operator=(const PngRead&) = delete;

  std::string_view data;
  size_t next = 0;  // first byte of `data` the library has not read
  png_structp png = nullptr;
  png_infop info = nullptr;
  char message[256] = "";
  std::vector<uint8_t> pixels;  // the row being read, or an interlaced picture whole
  std::vector<png_bytep> rows;
  std::optional<RasterBuilder> builder;
};

[[noreturn]] void JumpBack(png_structp png, png_const_charp message) {
  auto* read = static_cast<PngRead*>(png_get_error_ptr(png));
  std::snprintf(read->message, sizeof read->message, "%s", message);
  png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

void ReadBytes(png_structp png, png_bytep out, size_t count) {
  auto* read = static_cast<PngRead*>(png_get_io_ptr(png));
  if (count > read->data.size() - read->next) png_error(png, "Read beyond end of data");
  std::memcpy(out, read->data.data() + read->next, count);
  read->next += count;
}

// Every colour type and depth comes out as 8-bit red, green, blue, alpha.
void RequestRgba(png_structp png) {
  png_set_expand(png);  // palettes, grey below 8 bits, transparent colours
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
}

// Reads the rows into the builder; an interlaced picture's passes fill
// pixels all over it, so it is read whole first.
void ReadRows(PngRead* read, uint64_t width, uint64_t height, bool interlaced) {
  const size_t row_bytes = width * 4;
  RasterBuilder& builder = *read->builder;
  if (!interlaced) {
    read->pixels.resize(row_bytes);
    for (uint64_t y = 0; !builder.done(); ++y) {
      png_read_row(read->png, read->pixels.data(), nullptr);
      builder.AddRow(static_cast<int>(y), read->pixels.data());
    }
    return;
  }
  read->pixels.assign(height * row_bytes, 0);
  read->rows.resize(height);
  for (uint64_t y = 0; y < height; ++y) read->rows[y] = read->pixels.data() + y * row_bytes;
  png_read_image(read->png, read->rows.data());
  for (uint64_t y = 0; !builder.done(); ++y) {
    builder.AddRow(static_cast<int>(y), read->rows[y]);
  }
}

// Holds no object with a destructor: the library may jump back to the start.
bool ReadPng(const PicturePlanner& planner, PngRead* read, PlannedRaster* out, std::string* error) {
  if (setjmp(png_jmpbuf(read->png))) {
    *error = std::string("PNG data is corrupt: ") + read->message;
    return false;
  }
  png_set_read_fn(read->png, read, ReadBytes);
  png_set_chunk_malloc_max(read->png, kMaxChunkMemory);
  png_read_info(read->png, read->info);
  const uint64_t width = png_get_image_width(read->png, read->info);
  const uint64_t height = png_get_image_height(read->png, read->info);
  const uint64_t least_bytes = width * height / 8;  // a pixel holds at least a bit
  if (!PictureSizeAllowed(width, height) || least_bytes > read->data.size() * kMaxDeflateRatio) {
    *error = "PNG picture of " + std::to_string(width) + " x " + std::to_string(height) +
             " pixels in " + std::to_string(read->data.size()) + " bytes";
    return false;
  }
  if (!planner.Plan(static_cast<int>(width), static_cast<int>(height), &out->plan, error)) {
    out->refused = true;
    return false;
  }
  const bool interlaced = png_get_interlace_type(read->png, read->info) != PNG_INTERLACE_NONE;
  if (interlaced && width * height > static_cast<uint64_t>(out->plan.budget)) {
    *error = "interlaced PNG picture of " + std::to_string(width) + " x " + std::to_string(height) +
             " pixels is beyond its budget of " + std::to_string(out->plan.budget) + " pixels";
    out->refused = true;
    return false;
  }
  RequestRgba(read->png);
  png_read_update_info(read->png, read->info);
  if (png_get_rowbytes(read->png, read->info) != width * 4) png_error(read->png, "Not RGBA");
  read->builder.emplace(out->plan);
  ReadRows(read, width, height, interlaced);
  out->raster = read->builder->Finish();
  // What follows the pixels (the end chunk, trailing bytes) is not needed.
  return true;
}

}  // namespace

bool DecodePng(std::string_view data, const PicturePlanner& planner, PlannedRaster* out,
               std::string* error) {
  PngRead read(data);
  read.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &read, JumpBack, IgnoreWarning);
  if (read.png != nullptr) read.info = png_create_info_struct(read.png);
  if (read.info == nullptr) {
    *error = "PNG reader cannot be created";
    return false;
  }
  return ReadPng(planner, &read, out, error);
}

}  // namespace vornic
