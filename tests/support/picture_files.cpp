// Encoders and byte layouts for the test pictures.
#include "support/picture_files.h"

#include <jpeglib.h>
#include <png.h>

#include <cstdio>  // jpeglib.h uses FILE without declaring it
#include <map>

namespace vornic {
namespace {

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8 & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

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

std::string EncodePng(const Raster& raster, uint32_t format) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = raster.width;
  image.height = raster.height;
  image.format = format;
  std::vector<uint8_t> buffer;
  std::vector<uint8_t> colormap;
  if (format & PNG_FORMAT_FLAG_COLORMAP) {
    // One entry per distinct RGBA pixel; the rows hold indexes.
    std::map<uint32_t, uint8_t> index_of;
    for (size_t at = 0; at < raster.rgba.size(); at += 4) {
      const uint32_t key = raster.rgba[at] << 24 | raster.rgba[at + 1] << 16 |
                           raster.rgba[at + 2] << 8 | raster.rgba[at + 3];
      auto [entry, added] = index_of.try_emplace(key, static_cast<uint8_t>(index_of.size()));
      if (added)
        colormap.insert(colormap.end(), raster.rgba.begin() + at, raster.rgba.begin() + at + 4);
      buffer.push_back(entry->second);
    }
    image.colormap_entries = static_cast<uint32_t>(index_of.size());
  } else {
    // The file takes the buffer's format: grey takes the red channel.
    const bool grey = (format & PNG_FORMAT_FLAG_COLOR) == 0;
    const bool alpha = (format & PNG_FORMAT_FLAG_ALPHA) != 0;
    for (size_t at = 0; at < raster.rgba.size(); at += 4) {
      buffer.insert(buffer.end(), raster.rgba.begin() + at,
                    raster.rgba.begin() + at + (grey ? 1 : 3));
      if (alpha) buffer.push_back(raster.rgba[at + 3]);
    }
  }
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, buffer.data(), 0,
                            colormap.empty() ? nullptr : colormap.data());
  std::string file(size, '\0');
  png_image_write_to_memory(&image, file.data(), &size, 0, buffer.data(), 0,
                            colormap.empty() ? nullptr : colormap.data());
  file.resize(size);
  return file;
}

std::string DibBytes(const DibSpec& spec) {
  std::string out;
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(spec.width));
  Put32(out, static_cast<uint32_t>(spec.height));
  Put16(out, 1);
  Put16(out, spec.bit_count);
  Put32(out, spec.compression);
  Put32(out, static_cast<uint32_t>(spec.rows.size()));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(spec.palette.size()));
  Put32(out, 0);
  for (const uint32_t mask : spec.masks) Put32(out, mask);
  for (const uint32_t colour : spec.palette) Put32(out, colour);
  return out + spec.rows;
}

std::string BmpFile(const DibSpec& spec) {
  const std::string dib = DibBytes(spec);
  std::string out = "BM";
  Put32(out, static_cast<uint32_t>(14 + dib.size()));
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(14 + dib.size() - spec.rows.size()));
  return out + dib;
}

std::string IconFile(const std::vector<IconImage>& images) {
  std::string out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(images.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
  for (const IconImage& image : images) {
    out += static_cast<char>(image.width & 0xFF);  // 256 is stored as 0
    out += static_cast<char>(image.height & 0xFF);
    out += '\0';
    out += '\0';
    Put16(out, 1);
    Put16(out, image.bit_count);
    Put32(out, static_cast<uint32_t>(image.data.size()));
    Put32(out, offset);
    offset += static_cast<uint32_t>(image.data.size());
  }
  for (const IconImage& image : images) out += image.data;
  return out;
}

std::string PictureProperty(std::string_view class_name, std::string_view stream,
                            bool with_length) {
  std::string out(1, static_cast<char>(class_name.size()));
  out += class_name;
  if (with_length) Put32(out, static_cast<uint32_t>(stream.size()));
  return out += stream;
}

}  // namespace vornic
