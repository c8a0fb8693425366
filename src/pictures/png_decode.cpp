// Drives libpng's memory reader. Its simplified interface catches the
// library's own errors and returns them as a message, so nothing here jumps.
#include "pictures/png_decode.h"

#include <png.h>

#include <cstdint>

namespace vornic {
namespace {

// Deflate cannot expand data by more than this factor, so a short file
// claiming a large picture is corrupt: refuse it before allocating the rows.
constexpr uint64_t kMaxDeflateRatio = 1032;

bool Fail(png_image& image, std::string prefix, std::string* error) {
  *error = std::move(prefix) + image.message;
  png_image_free(&image);
  return false;
}

}  // namespace

bool DecodePng(std::string_view data, Raster* out, std::string* error) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) {
    return Fail(image, "PNG data is corrupt: ", error);
  }
  const uint64_t width = image.width;
  const uint64_t height = image.height;
  const uint64_t least_bytes = width * height / 8;  // a pixel holds at least a bit
  if (!PictureSizeAllowed(width, height) || least_bytes > data.size() * kMaxDeflateRatio) {
    *error = "PNG picture of " + std::to_string(width) + " x " + std::to_string(height) +
             " pixels in " + std::to_string(data.size()) + " bytes";
    png_image_free(&image);
    return false;
  }
  image.format = PNG_FORMAT_RGBA;
  out->rgba.assign(PNG_IMAGE_SIZE(image), 0);
  if (!png_image_finish_read(&image, nullptr, out->rgba.data(), 0, nullptr)) {
    out->rgba.clear();
    return Fail(image, "PNG data is corrupt: ", error);
  }
  out->width = static_cast<int>(width);
  out->height = static_cast<int>(height);
  png_image_free(&image);
  return true;
}

}  // namespace vornic
