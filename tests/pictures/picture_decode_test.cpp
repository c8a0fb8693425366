// Decoding picture properties: each format to its pixels, the layouts of
// bitmaps and icons, and damaged data that must give no bitmap, never a crash.
#include "pictures/picture_decode.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "lib/dictionary.h"
#include "output/bitmap_data.h"
#include "pictures/bitmap_file.h"
#include "pictures/picture_data.h"
#include "support/picture_files.h"

namespace vornic {
namespace {

constexpr Rgba kRed{220, 30, 40, 255};
constexpr Rgba kGreen{30, 200, 60, 255};
constexpr Rgba kBlue{20, 60, 220, 255};
constexpr Rgba kWhite{255, 255, 255, 255};

// 32 x 32 in quadrants of 16, so JPEG blocks never straddle two colours;
// the alpha of the quadrants is 255, 128, 0 and 255.
Raster Quadrants(bool with_alpha) {
  return PaintRaster(32, 32, [with_alpha](int x, int y) {
    Rgba pixel = y < 16 ? (x < 16 ? kRed : kGreen) : (x < 16 ? kBlue : kWhite);
    if (with_alpha && y < 16 && x >= 16) pixel.alpha = 128;
    if (with_alpha && y >= 16 && x < 16) pixel.alpha = 0;
    return pixel;
  });
}

Raster Grey(const Raster& raster) {
  return PaintRaster(raster.width, raster.height, [&raster](int x, int y) {
    const Rgba pixel = PixelAt(raster, x, y);
    return Rgba{pixel.red, pixel.red, pixel.red, pixel.alpha};
  });
}

// Every pixel within `tolerance` in every channel; names the first that is not.
void ExpectPixels(const Raster& expected, const Raster& actual, int tolerance) {
  ASSERT_EQ(actual.width, expected.width);
  ASSERT_EQ(actual.height, expected.height);
  ASSERT_EQ(actual.rgba.size(), expected.rgba.size());
  for (size_t at = 0; at < actual.rgba.size(); ++at) {
    if (std::abs(actual.rgba[at] - expected.rgba[at]) > tolerance) {
      const size_t pixel = at / 4;
      FAIL() << "pixel " << pixel % actual.width << "," << pixel / actual.width << " channel "
             << at % 4 << ": " << int(actual.rgba[at]) << " instead of " << int(expected.rgba[at]);
    }
  }
}

Raster Decoded(const std::string& property) {
  DecodedPicture picture = DecodePicture(property);
  EXPECT_EQ(picture.outcome, PictureOutcome::kDecoded) << picture.reason;
  return picture.raster;
}

// A 32-bit icon image with AND mask; `alpha` gives every pixel's alpha byte.
std::string IconDib32(const Raster& colours, uint8_t alpha, std::string_view mask_rows) {
  DibLayout layout;
  layout.width = colours.width;
  layout.height = colours.height * 2;
  layout.bit_count = 32;
  for (int y = colours.height; y-- > 0;) {
    for (int x = 0; x < colours.width; ++x) {
      const Rgba pixel = PixelAt(colours, x, y);
      layout.rows += {static_cast<char>(pixel.blue), static_cast<char>(pixel.green),
                    static_cast<char>(pixel.red), static_cast<char>(alpha)};
    }
  }
  layout.rows += mask_rows;
  return DibBytes(layout);
}

TEST(PictureDecodeTest, EachFormatDecodesToItsPixels) {
  const Raster opaque = Quadrants(false);
  const Raster clear = Quadrants(true);
  const struct {
    const char* name;
    std::string property;
    Raster expected;
    int tolerance;
  } cases[] = {
      {"bitmap", PictureProperty("TBitmap", EncodeBmpFile(opaque)), opaque, 0},
      {"jpeg", PictureProperty("TJPEGImage", EncodeJpeg(opaque)), opaque, 6},
      {"grey jpeg", PictureProperty("TJPEGImage", EncodeJpeg(Grey(opaque), JpegKind::kGrey)),
       Grey(opaque), 6},
      {"progressive jpeg",
       PictureProperty("TJPEGImage", EncodeJpeg(opaque, JpegKind::kProgressive)), opaque, 6},
      {"cmyk jpeg", PictureProperty("TJPEGImage", EncodeJpeg(opaque, JpegKind::kCmyk)), opaque, 6},
      {"png", PictureProperty("TPngImage", EncodePng(clear, {PNG_COLOR_TYPE_RGBA})), clear, 0},
      {"opaque png", PictureProperty("TPngImage", EncodePng(opaque, {PNG_COLOR_TYPE_RGB})), opaque,
       0},
      {"grey png with alpha",
       PictureProperty("TPNGObject", EncodePng(clear, {PNG_COLOR_TYPE_GRAY_ALPHA})), Grey(clear),
       0},
      {"interlaced 16-bit png",
       PictureProperty("TPngImage", EncodePng(clear, {PNG_COLOR_TYPE_RGBA, 16, true})), clear, 0},
      {"interlaced palette png",
       PictureProperty("TPngImage", EncodePng(clear, {PNG_COLOR_TYPE_PALETTE, 8, true})), clear, 0},
      {"palette png", PictureProperty("TPngImage", EncodePng(clear, {PNG_COLOR_TYPE_PALETTE})),
       clear, 0},
      {"png without length",
       PictureProperty("TPngImage", EncodePng(clear, {PNG_COLOR_TYPE_RGBA}), false), clear, 0},
      {"png in an icon",
       PictureProperty("TIcon", IconFile({{32, 32, 32, EncodePng(clear, {PNG_COLOR_TYPE_RGBA})}})),
       clear, 0},
      {"32-bit icon",
       PictureProperty("TIcon",
                       IconFile({{32, 32, 32, IconDib32(opaque, 255, std::string(128, '\xFF'))}})),
       opaque, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectPixels(c.expected, Decoded(c.property), c.tolerance);
  }
}

// Red and blue in 3 x 2: R B R over B B R, the two colours every depth can hold.
constexpr int kIndexes[2][3] = {{0, 1, 0}, {1, 1, 0}};
constexpr Rgba kBitmapColours[2] = {{255, 0, 0, 255}, {0, 0, 255, 255}};

// The rows of the 3 x 2 picture as stored, bottom row first unless
// `top_down`, each padded to 4 bytes; `pixel` writes one pixel's bytes.
std::string StoredRows(bool top_down, int bit_count, std::string (*pixel)(int index)) {
  std::string rows;
  for (int row = 0; row < 2; ++row) {
    const int y = top_down ? row : 1 - row;
    std::string bytes;
    if (bit_count <= 8) {
      bytes.assign((3 * bit_count + 7) / 8, '\0');
      for (int x = 0; x < 3; ++x) {
        const int bit = x * bit_count;
        bytes[bit / 8] =
            static_cast<char>(bytes[bit / 8] | kIndexes[y][x] << (8 - bit_count - bit % 8));
      }
    } else {
      for (int x = 0; x < 3; ++x) bytes += pixel(kIndexes[y][x]);
    }
    bytes.resize((bytes.size() + 3) / 4 * 4, '\0');
    rows += bytes;
  }
  return rows;
}

std::string Bgr(int index) {
  return index == 0 ? std::string("\0\0\xFF", 3) : std::string("\xFF\0\0", 3);
}
// The fourth byte is zero: a bitmap's pixels show whatever it holds.
std::string Bgr0(int index) { return Bgr(index) + '\0'; }
std::string Rgb555(int index) {
  return index == 0 ? std::string("\0\x7C", 2) : std::string("\x1F\0", 2);
}
std::string Rgb565(int index) {
  return index == 0 ? std::string("\0\xF8", 2) : std::string("\x1F\0", 2);
}

TEST(PictureDecodeTest, BitmapLayoutsDecodeAlike) {
  const std::vector<uint32_t> palette{0xFF0000, 0x0000FF};
  const struct {
    const char* name;
    DibLayout layout;
  } cases[] = {
      {"1 bit", {3, 2, 1, 0, {}, palette, StoredRows(false, 1, nullptr)}},
      {"4 bits", {3, 2, 4, 0, {}, palette, StoredRows(false, 4, nullptr)}},
      {"8 bits", {3, 2, 8, 0, {}, palette, StoredRows(false, 8, nullptr)}},
      {"16 bits 5-5-5", {3, 2, 16, 0, {}, {}, StoredRows(false, 16, Rgb555)}},
      {"16 bits 5-6-5 fields",
       {3, 2, 16, 3, {0xF800, 0x07E0, 0x001F}, {}, StoredRows(false, 16, Rgb565)}},
      {"24 bits", {3, 2, 24, 0, {}, {}, StoredRows(false, 24, Bgr)}},
      {"24 bits from the top", {3, -2, 24, 0, {}, {}, StoredRows(true, 24, Bgr)}},
      {"32 bits", {3, 2, 32, 0, {}, {}, StoredRows(false, 32, Bgr0)}},
  };
  const Raster expected =
      PaintRaster(3, 2, [](int x, int y) { return kBitmapColours[kIndexes[y][x]]; });
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectPixels(expected, Decoded(PictureProperty("TBitmap", BmpFile(c.layout))), 0);
  }
}

TEST(PictureDecodeTest, IconShowsTheImageNearestTheStandardSize) {
  const auto solid = [](int side, Rgba colour) {
    return IconDib32(PaintRaster(side, side, [colour](int, int) { return colour; }), 255,
                     std::string(side * ((side + 31) / 32 * 4), '\0'));
  };
  const Raster chosen = Decoded(PictureProperty(
      "TIcon", IconFile({{16, 16, 32, solid(16, kRed)},
                         {48, 48, 32, solid(48, kGreen)},
                         {32, 32, 32, solid(32, kBlue)},
                         {256, 256, 32, EncodePng(Quadrants(false), {PNG_COLOR_TYPE_RGBA})}})));
  EXPECT_EQ(chosen.width, 32);
  EXPECT_EQ(PixelAt(chosen, 5, 5), kBlue);
  // Without a 32 x 32 image, the larger of two equally near ones.
  const Raster larger = Decoded(PictureProperty(
      "TIcon", IconFile({{16, 16, 32, solid(16, kRed)}, {48, 48, 32, solid(48, kGreen)}})));
  EXPECT_EQ(larger.width, 48);
}

TEST(PictureDecodeTest, IconTransparencyComesFromAlphaOrElseTheMask) {
  const Raster colours = PaintRaster(2, 2, [](int, int) { return kGreen; });
  // Mask rows from the bottom: the bottom-left and top-right pixels are transparent.
  const std::string mask = std::string("\x80\0\0\0\x40\0\0\0", 8);
  const Raster masked =
      Decoded(PictureProperty("TIcon", IconFile({{2, 2, 32, IconDib32(colours, 0, mask)}})));
  EXPECT_EQ(PixelAt(masked, 0, 0).alpha, 255);
  EXPECT_EQ(PixelAt(masked, 1, 0).alpha, 0);
  EXPECT_EQ(PixelAt(masked, 0, 1).alpha, 0);
  const Raster alpha =
      Decoded(PictureProperty("TIcon", IconFile({{2, 2, 32, IconDib32(colours, 90, mask)}})));
  EXPECT_EQ(PixelAt(alpha, 1, 0).alpha, 90);
  EXPECT_EQ(PixelAt(alpha, 0, 0).alpha, 90);

  DibLayout four_bits{
      2, 4, 4, 0, {}, {0x000000, 0x1EC83C}, std::string("\x11\0\0\0\x11\0\0\0", 8) + mask};
  const Raster paletted =
      Decoded(PictureProperty("TIcon", IconFile({{2, 2, 4, DibBytes(four_bits)}})));
  EXPECT_EQ(PixelAt(paletted, 0, 0), kGreen);
  EXPECT_EQ(PixelAt(paletted, 1, 0).alpha, 0);
}

TEST(PictureDecodeTest, PropertyLayoutsAndWhatTheyGive) {
  const std::string png = EncodePng(Quadrants(false), {PNG_COLOR_TYPE_RGB});
  const struct {
    const char* name;
    std::string property;
    PictureOutcome outcome;
    std::string reason;
  } cases[] = {
      {"metafile", PictureProperty("TMetafile", std::string("\1\0\0\0", 4)),
       PictureOutcome::kUnsupported, "TMetafile pictures are not decoded"},
      {"other class", PictureProperty("TGIFImage", "GIF89a"), PictureOutcome::kUnsupported,
       "TGIFImage pictures are not decoded"},
      {"empty bitmap", PictureProperty("TBitmap", ""), PictureOutcome::kEmpty,
       "TBitmap holds no picture"},
      {"bitmap class, other bytes", PictureProperty("TBitmap", "GIF89a"), PictureOutcome::kCorrupt,
       "TBitmap data in no known picture format"},
      {"class name cut", std::string("\x0ATBitmap"), PictureOutcome::kCorrupt,
       "picture data ends before the class name does"},
      {"length cut", std::string("\x07TBitmap\x10\0", 10), PictureOutcome::kCorrupt,
       "picture data ends inside its length"},
      {"stream cut", PictureProperty("TPngImage", png).substr(0, 40), PictureOutcome::kCorrupt,
       "picture data holds 26 bytes, its length says " + std::to_string(png.size())},
      {"control bytes in the class", PictureProperty("T\nX", "abcd"), PictureOutcome::kUnsupported,
       "T?X pictures are not decoded"},
      {"format of another class", PictureProperty("TBitmap", png), PictureOutcome::kDecoded, ""},
      {"damaged jpeg", PictureProperty("TJPEGImage", std::string("\xFF\xD8\xFF\x01", 4)),
       PictureOutcome::kCorrupt, "TJPEGImage: JPEG data is corrupt: Premature end of JPEG file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const DecodedPicture picture = DecodePicture(c.property);
    EXPECT_EQ(picture.outcome, c.outcome);
    EXPECT_EQ(picture.reason, c.reason);
  }
}

// Pictures of every format whose damage the tests below try out.
std::vector<std::string> SamplePictures() {
  const Raster clear = Quadrants(true);
  const Raster small = PaintRaster(5, 3, [](int x, int y) {
    return Rgba{uint8_t(x * 50), uint8_t(y * 80), 90, 255};
  });
  return {
      PictureProperty("TBitmap", EncodeBmpFile(small)),
      PictureProperty(
          "TBitmap",
          BmpFile({3, 2, 4, 0, {}, {0xFF0000, 0x0000FF}, StoredRows(false, 4, nullptr)})),
      PictureProperty("TJPEGImage", EncodeJpeg(small)),
      PictureProperty("TJPEGImage", EncodeJpeg(small, JpegKind::kProgressive)),
      PictureProperty("TPngImage", EncodePng(clear, {PNG_COLOR_TYPE_PALETTE})),
      PictureProperty("TIcon", IconFile({{5, 3, 32, IconDib32(small, 0, std::string(12, '\x55'))},
                                         {32, 32, 32, EncodePng(clear, {PNG_COLOR_TYPE_RGBA})}})),
      PictureProperty("TIcon",
                      IconFile({{5, 3, 32, IconDib32(small, 0, std::string(12, '\x55'))}})),
  };
}

TEST(PictureDecodeTest, EveryTruncatedStreamGivesNoBitmapOrTheWholePicture) {
  for (const std::string& property : SamplePictures()) {
    const DecodedPicture whole = DecodePicture(property);
    ASSERT_EQ(whole.outcome, PictureOutcome::kDecoded) << whole.reason;
    const size_t header = 1 + static_cast<uint8_t>(property[0]) + 4;
    const std::string class_name = property.substr(1, static_cast<uint8_t>(property[0]));
    for (size_t size = 0; size < property.size() - header; ++size) {
      // A consistent length, so that the decoder itself meets the end.
      const DecodedPicture part =
          DecodePicture(PictureProperty(class_name, property.substr(header, size)));
      if (part.outcome == PictureOutcome::kDecoded) {
        ASSERT_EQ(part.raster.rgba, whole.raster.rgba) << class_name << " cut at " << size;
      } else {
        ASSERT_NE(part.reason, "") << class_name << " cut at " << size;
      }
    }
  }
}

TEST(PictureDecodeTest, DamagedBytesGiveAReasonOrPixels) {
  for (const std::string& property : SamplePictures()) {
    for (size_t at = 12; at < property.size(); ++at) {
      for (const char value : {'\0', '\xFF', '\x7F'}) {
        std::string damaged = property;
        damaged[at] = value;
        const DecodedPicture picture = DecodePicture(damaged);
        if (picture.outcome == PictureOutcome::kDecoded) {
          ASSERT_EQ(picture.raster.rgba.size(),
                    size_t(picture.raster.width) * picture.raster.height * 4);
        } else {
          ASSERT_NE(picture.reason, "") << "byte " << at;
        }
      }
    }
  }
}

TEST(PictureDecodeTest, AbsurdSizesAreRefusedBeforeAllocating) {
  std::string jpeg = EncodeJpeg(Quadrants(false));
  const size_t frame = jpeg.find("\xFF\xC0");  // height and width follow length and precision
  ASSERT_NE(frame, std::string::npos);
  jpeg.replace(frame + 5, 4, "\xEA\x60\xEA\x60");  // 60000 x 60000
  EXPECT_EQ(DecodePicture(PictureProperty("TJPEGImage", jpeg)).reason,
            "TJPEGImage: JPEG picture of 60000 x 60000 pixels");

  // A short PNG cannot hold 64 million pixels: deflate expands at most 1032 times.
  for (const char* size : {"\0\0\x1F\x40\0\0\x1F\x40", "\0\x01\x86\xA0\0\0\0\x01"}) {
    std::string png = EncodePng(Quadrants(false), {PNG_COLOR_TYPE_RGB});
    png.replace(16, 8, size, 8);  // width and height open the header chunk's data
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17);
    png.replace(29, 4, {char(crc >> 24), char(crc >> 16), char(crc >> 8), char(crc)});
    const std::string expected = size[1] == 0 ? "8000 x 8000" : "100000 x 1";
    EXPECT_EQ(DecodePicture(PictureProperty("TPngImage", png)).reason,
              "TPngImage: PNG picture of " + expected + " pixels in " + std::to_string(png.size()) +
                  " bytes");
  }

  DibLayout huge{20000, 20000, 24, 0, {}, {}, std::string(64, '\0')};
  EXPECT_EQ(DecodePicture(PictureProperty("TBitmap", BmpFile(huge))).reason,
            "TBitmap: bitmap of 20000 x 20000 pixels");
}

// An image's data lines decode alike whether kept line by line or joined.
TEST(PictureDataTest, DataLinesDecodeAlikeHoweverTheyAreKept) {
  const struct {
    std::vector<std::string> lines;
    bool decoded;
    std::string bytes;
  } cases[] = {
      {{"424D", "0A0b}"}, true, "BM\x0A\x0B"},
      {{"4", "24", "D}"}, true, "BM"},  // a byte may span lines
      {{"AB}", ""}, false, ""},         // the brace closes the last line only
      {{"AB", "C}"}, false, ""},        // an odd number of digits
      {{"A}B}"}, false, ""},
      {{"0G"}, false, ""},
      {{}, true, ""},
  };
  for (const auto& [lines, decoded, bytes] : cases) {
    TIDictonary dictionary;
    BitmapData data;
    for (const std::string& line : lines) {
      dictionary.Add(line);
      data.Add(line);
    }
    std::string from_dictionary;
    std::string from_data;
    EXPECT_EQ(BytesFromHexLines(dictionary, &from_dictionary), decoded);
    EXPECT_EQ(BytesFromHexLines(data, &from_data), decoded);
    if (decoded) {
      EXPECT_EQ(from_dictionary, bytes);
      EXPECT_EQ(from_data, bytes);
    }
  }
}

}  // namespace
}  // namespace vornic
