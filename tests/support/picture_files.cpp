// Encoders and byte layouts for the test pictures.
#include "support/picture_files.h"

#include <cstdio>
#include <map>

// After <cstdio>: jpeglib.h uses FILE without declaring it.
#include <jpeglib.h>
#include <png.h>

#include "pictures/bitmap_file.h"
#include "pictures/byte_fields.h"
#include "pictures/image_list_decode.h"

namespace vornic {

Raster PaintRaster(int width, int height, const std::function<Rgba(int x, int y)>& paint) {
  Raster raster;
  raster.width = width;
  raster.height = height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgba pixel = paint(x, y);
      raster.rgba.insert(raster.rgba.end(), {pixel.red, pixel.green, pixel.blue, pixel.alpha});
    }
  }
  return raster;
}

Rgba PixelAt(const Raster& raster, int x, int y) {
  const uint8_t* pixel = raster.rgba.data() + (static_cast<size_t>(y) * raster.width + x) * 4;
  return Rgba{pixel[0], pixel[1], pixel[2], pixel[3]};
}

std::string EncodeJpeg(const Raster& raster, JpegKind kind) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* memory = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &memory, &size);
  info.image_width = raster.width;
  info.image_height = raster.height;
  info.input_components = 4;
  // Opaque RGBA rows read as inverted CMYK hold the same colours with no black.
  info.in_color_space = kind == JpegKind::kCmyk ? JCS_CMYK : JCS_EXT_RGBA;
  jpeg_set_defaults(&info);
  if (kind == JpegKind::kGrey) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
  if (kind == JpegKind::kCmyk) jpeg_set_colorspace(&info, JCS_CMYK);
  // Full-resolution colour, so that no colour bleeds across a block edge.
  info.comp_info[0].h_samp_factor = 1;
  info.comp_info[0].v_samp_factor = 1;
  if (kind == JpegKind::kProgressive) jpeg_simple_progression(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<uint8_t*>(raster.rgba.data()) +
                   static_cast<size_t>(info.next_scanline) * raster.width * 4;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string file(reinterpret_cast<char*>(memory), size);
  free(memory);
  return file;
}

namespace {

void AppendToString(png_structp png, png_bytep data, size_t size) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), size);
}

void FlushNothing(png_structp) {}

// One row in `layout`: samples of 8 or 16 bits (high byte first), or indexes.
std::vector<uint8_t> PngRow(const Raster& raster, int y, const PngLayout& layout,
                            std::map<uint32_t, uint8_t>& palette) {
  std::vector<uint8_t> row;
  const int type = layout.colour_type;
  for (int x = 0; x < raster.width; ++x) {
    const Rgba pixel = PixelAt(raster, x, y);
    if (type == PNG_COLOR_TYPE_PALETTE) {
      const uint32_t key = pixel.red << 24 | pixel.green << 16 | pixel.blue << 8 | pixel.alpha;
      row.push_back(palette.try_emplace(key, static_cast<uint8_t>(palette.size())).first->second);
      continue;
    }
    std::vector<uint8_t> samples{pixel.red};
    if (type & PNG_COLOR_MASK_COLOR) samples.insert(samples.end(), {pixel.green, pixel.blue});
    if (type & PNG_COLOR_MASK_ALPHA) samples.push_back(pixel.alpha);
    for (const uint8_t sample : samples) {
      row.push_back(sample);
      if (layout.bit_depth == 16) row.push_back(sample);  // 0xAB widens to 0xABAB
    }
  }
  return row;
}

}  // namespace

std::string EncodePng(const Raster& raster, const PngLayout& layout) {
  std::map<uint32_t, uint8_t> palette;
  std::vector<std::vector<uint8_t>> rows;
  for (int y = 0; y < raster.height; ++y) rows.push_back(PngRow(raster, y, layout, palette));
  std::string file;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &file, AppendToString, FlushNothing);
  png_set_IHDR(png, info, raster.width, raster.height, layout.bit_depth, layout.colour_type,
               layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (layout.colour_type == PNG_COLOR_TYPE_PALETTE) {
    std::vector<png_color> colours(palette.size());
    std::vector<png_byte> alphas(palette.size());
    for (const auto& [key, index] : palette) {
      colours[index] = png_color{png_byte(key >> 24), png_byte(key >> 16), png_byte(key >> 8)};
      alphas[index] = png_byte(key);
    }
    png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
    png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
  }
  std::vector<png_bytep> row_pointers;
  for (std::vector<uint8_t>& row : rows) row_pointers.push_back(row.data());
  png_set_rows(png, info, row_pointers.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return file;
}

std::string DibBytes(const DibLayout& layout) {
  std::string out;
  PutLittle32(out, 40);
  PutLittle32(out, static_cast<uint32_t>(layout.width));
  PutLittle32(out, static_cast<uint32_t>(layout.height));
  PutLittle16(out, 1);
  PutLittle16(out, layout.bit_count);
  PutLittle32(out, layout.compression);
  PutLittle32(out, static_cast<uint32_t>(layout.rows.size()));
  PutLittle32(out, 0);
  PutLittle32(out, 0);
  PutLittle32(out, static_cast<uint32_t>(layout.palette.size()));
  PutLittle32(out, 0);
  for (const uint32_t mask : layout.masks) PutLittle32(out, mask);
  for (const uint32_t colour : layout.palette) PutLittle32(out, colour);
  return out + layout.rows;
}

std::string BmpFile(const DibLayout& layout) {
  const std::string dib = DibBytes(layout);
  std::string out = "BM";
  PutLittle32(out, static_cast<uint32_t>(14 + dib.size()));
  PutLittle32(out, 0);
  PutLittle32(out, static_cast<uint32_t>(14 + dib.size() - layout.rows.size()));
  return out + dib;
}

std::string IconFile(const std::vector<IconImage>& images) {
  std::string out;
  PutLittle16(out, 0);
  PutLittle16(out, 1);
  PutLittle16(out, static_cast<uint32_t>(images.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
  for (const IconImage& image : images) {
    out += static_cast<char>(image.width & 0xFF);  // 256 is stored as 0
    out += static_cast<char>(image.height & 0xFF);
    out += '\0';
    out += '\0';
    PutLittle16(out, 1);
    PutLittle16(out, image.bit_count);
    PutLittle32(out, static_cast<uint32_t>(image.data.size()));
    PutLittle32(out, offset);
    offset += static_cast<uint32_t>(image.data.size());
  }
  for (const IconImage& image : images) out += image.data;
  return out;
}

std::string PictureProperty(std::string_view class_name, std::string_view stream,
                            bool with_length) {
  std::string out(1, static_cast<char>(class_name.size()));
  out += class_name;
  if (with_length) PutLittle32(out, static_cast<uint32_t>(stream.size()));
  return out += stream;
}

Rgba ImageListPixel(int image, int x) {
  if (x == 0) return Rgba{255, 255, 255, 0};
  return Rgba{static_cast<uint8_t>(40 * image), 100, 200, 255};
}

// A list of `count` 4 x 3 images in rows of two cells, as the designer
// writes it: the header, the images' bitmap and the mask, their size
// fields counting the headers only.
std::string StoredImageList(int count, bool masked) {
  const int rows = (count + 1) / 2;
  const Raster sheet = PaintRaster(8, 3 * rows, [&](int x, int y) {
    const int image = y / 3 * 2 + x / 4;
    Rgba pixel = ImageListPixel(image, x % 4);
    pixel.alpha = 255;
    return pixel;
  });
  std::string bytes;
  PutLittle16(bytes, 0x4C49);
  PutLittle16(bytes, 0x0101);
  PutLittle16(bytes, static_cast<uint32_t>(count));
  PutLittle16(bytes, static_cast<uint32_t>(count + 1));
  PutLittle16(bytes, 4);
  PutLittle16(bytes, 4);  // width
  PutLittle16(bytes, 3);  // height
  PutLittle32(bytes, 0xFFFFFFFF);
  PutLittle16(bytes, masked ? 0x10FF : 0x10FE);
  bytes.append(8, '\xFF');
  std::string image = EncodeBmpFile(sheet);
  image.replace(2, 4, std::string("\x36\0\0\0", 4));
  bytes += image;
  if (masked) {
    ImageStrip strip;
    strip.images = PaintRaster(
        8, 3 * rows, [&](int x, int y) { return ImageListPixel(y / 3 * 2 + x / 4, x % 4); });
    std::string mask = ImageStripMask(strip);
    mask.replace(2, 4, std::string("\x3E\0\0\0", 4));
    bytes += mask;
  }
  return bytes + std::string(22, '\0');  // what the designer writes behind
}

std::string HexText(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (const char byte : bytes) {
    text += kDigits[static_cast<unsigned char>(byte) >> 4];
    text += kDigits[static_cast<unsigned char>(byte) & 15];
  }
  return text;
}

}  // namespace vornic
