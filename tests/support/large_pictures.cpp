// The frame header of a JPEG holds, behind its marker, length and precision,
// the height and then the width in two bytes each, high first.
#include "support/large_pictures.h"

#include <png.h>

#include <vector>

namespace vornic {
namespace {

void AppendToString(png_structp png, png_bytep data, size_t size) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), size);
}

void FlushNothing(png_structp) {}

std::string HexLines(const std::string& bytes, int indent) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) text += (i == 0 ? "" : "\n") + std::string(indent, ' ');
    text += kDigits[static_cast<uint8_t>(bytes[i]) >> 4];
    text += kDigits[static_cast<uint8_t>(bytes[i]) & 0xF];
  }
  return text + "}\n";
}

}  // namespace

std::string JpegClaimingSize(int width, int height, JpegKind kind) {
  const Raster small = PaintRaster(16, 16, [](int x, int y) {
    return Rgba{static_cast<uint8_t>(x * 16), static_cast<uint8_t>(y * 16), 128, 255};
  });
  std::string jpeg = EncodeJpeg(small, kind);
  size_t frame = jpeg.find(kind == JpegKind::kProgressive ? "\xFF\xC2" : "\xFF\xC0");
  if (frame == std::string::npos) return jpeg;
  jpeg[frame + 5] = static_cast<char>(height >> 8);
  jpeg[frame + 6] = static_cast<char>(height & 0xFF);
  jpeg[frame + 7] = static_cast<char>(width >> 8);
  jpeg[frame + 8] = static_cast<char>(width & 0xFF);
  return jpeg;
}

std::string LargeGreyPng(int width, int height) {
  std::string file;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &file, AppendToString, FlushNothing);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 1);  // the rows are all alike: fast is small enough
  png_write_info(png, info);
  std::vector<png_byte> row(width, 0x80);
  for (int y = 0; y < height; ++y) png_write_row(png, row.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return file;
}

std::string ImageForm(int width, int height, const std::string& options,
                      const std::string& property) {
  return "object Form1: TForm1\n  Width = 640\n  Height = 480\n"
         "  object Image1: TImage\n    Left = 8\n    Top = 8\n    Width = " +
         std::to_string(width) + "\n    Height = " + std::to_string(height) + "\n" + options +
         "    Picture.Data = {\n" + HexLines(property, 6) + "  end\nend\n";
}

}  // namespace vornic
