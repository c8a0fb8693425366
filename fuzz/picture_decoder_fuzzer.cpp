// Fuzz target: decoding a picture property (every format the decoders read)
// and rendering it for an image control. The first three bytes are the
// control's width and height (0 to 63) and its options (bit 0 stretch, bit 1
// proportional, bit 2 center); the rest is the property as the form stores it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "pictures/dib_decode.h"
#include "pictures/picture_bitmap.h"

namespace {

// Whatever the input, a bitmap must read back at a size the control can show,
// and no bitmap must come with a reason.
void Check(std::string_view property, const vornic::ImageDisplay& display) {
  const vornic::PictureBitmap bitmap = vornic::BitmapForPicture(property, display, {240, 240, 240});
  if (bitmap.outcome != vornic::PictureOutcome::kDecoded) {
    if (bitmap.reason.empty() || !bitmap.bmp_file.empty()) abort();
    return;
  }
  vornic::Raster read_back;
  std::string error;
  if (!vornic::DecodeBmpFile(bitmap.bmp_file, &read_back, &error)) abort();
  if (read_back.width < 1 || read_back.width > display.width || read_back.height < 1 ||
      read_back.height > display.height) {
    abort();
  }
  if (display.center && (read_back.width != display.width || read_back.height != display.height)) {
    abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  vornic::ImageDisplay display;
  display.width = data[0] % 64;
  display.height = data[1] % 64;
  display.stretch = data[2] & 1;
  display.proportional = data[2] & 2;
  display.center = data[2] & 4;
  std::string property(reinterpret_cast<const char*>(data) + 3, size - 3);
  Check(property, display);
  // Mutations that add or drop bytes break the stream's length; mended, the
  // same bytes reach the decoders as well.
  const size_t name_size = property.empty() ? 0 : static_cast<uint8_t>(property[0]);
  if (name_size > 0 && property.size() >= 1 + name_size + 4) {
    const uint32_t length = static_cast<uint32_t>(property.size() - 1 - name_size - 4);
    for (int index = 0; index < 4; ++index) {
      property[1 + name_size + index] = static_cast<char>(length >> (8 * index));
    }
    Check(property, display);
  }
  return 0;
}
