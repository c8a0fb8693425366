// Image lists as forms store them: a list laid out as the designer writes it
// decodes into its images and their transparency, every cut-short list and
// damaged header is refused, and every image list of the corpus decodes.
#include "pictures/image_list_decode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "pictures/bitmap_file.h"
#include "pictures/byte_fields.h"
#include "pictures/dib_decode.h"
#include "support/corpus.h"
#include "support/picture_files.h"

namespace vornic {
namespace {

// Image `i` of StoredImageList: a colour of its own, its left column transparent.
Rgba Paint(int image, int x) { return ImageListPixel(image, x); }

std::string StoredList(int count, bool masked) { return StoredImageList(count, masked); }

TEST(ImageListDecodeTest, ImagesComeOutSideBySideWithTheirTransparency) {
  for (const bool masked : {true, false}) {
    ImageStrip strip;
    std::string error;
    ASSERT_TRUE(DecodeImageList(StoredList(3, masked), &strip, &error)) << error;
    EXPECT_EQ(strip.count, 3);
    EXPECT_EQ(strip.images.width, 12);
    EXPECT_EQ(strip.images.height, 3);
    EXPECT_EQ(strip.masked, masked);
    for (int image = 0; image < 3; ++image) {
      Rgba expected = Paint(image, 1);
      EXPECT_EQ(PixelAt(strip.images, image * 4 + 2, 1), expected) << image;
      EXPECT_EQ(PixelAt(strip.images, image * 4, 2).alpha, masked ? 0 : 255) << image;
    }
    // The bitmaps the program builds the list from: transparent pixels
    // black under a white mask bit.
    Raster drawn;
    ASSERT_TRUE(DecodeBmpFile(ImageStripBitmap(strip), &drawn, &error)) << error;
    Raster mask;
    ASSERT_TRUE(DecodeBmpFile(ImageStripMask(strip), &mask, &error)) << error;
    EXPECT_EQ(PixelAt(drawn, 4, 0), (masked ? Rgba{0, 0, 0, 255} : Rgba{255, 255, 255, 255}));
    EXPECT_EQ(PixelAt(mask, 4, 0).red, masked ? 255 : 0);
    EXPECT_EQ(PixelAt(mask, 5, 0).red, 0);
  }
}

TEST(ImageListDecodeTest, EveryCutShortOrDamagedListIsRefused) {
  const std::string stored = StoredList(3, true);
  const size_t complete = stored.size() - 22;
  for (size_t length = 0; length < complete; ++length) {
    ImageStrip strip;
    std::string error;
    EXPECT_FALSE(DecodeImageList(stored.substr(0, length), &strip, &error)) << length;
    EXPECT_FALSE(error.empty()) << length;
  }
  struct Damage {
    size_t at;
    std::string bytes;
    std::string error;
  };
  const Damage damages[] = {
      {0, "XX", "the data is no image list"},
      {10, std::string("\0\0", 2), "image list of 3 images of 0 x 3 pixels"},
      {4, "\xFF\xFF", "image list of 65535 images of 4 x 3 pixels"},
      {4, std::string("\x09\0", 2), "the bitmap holds fewer than its 9 images"},
  };
  for (const Damage& damage : damages) {
    std::string bytes = stored;
    bytes.replace(damage.at, damage.bytes.size(), damage.bytes);
    ImageStrip strip;
    std::string error;
    EXPECT_FALSE(DecodeImageList(bytes, &strip, &error));
    EXPECT_EQ(error, damage.error);
  }
}

// Every image list of the corpus's form texts decodes whole.
TEST(ImageListDecodeTest, CorpusImageListsDecode) {
  const std::filesystem::path corpus = CorpusDir() / "text";
  if (!std::filesystem::exists(corpus)) GTEST_SKIP() << "no form corpus in " << corpus;
  const std::regex list(R"(: TImageList\r?\n((?:.*\r?\n)*?)\s*Bitmap = \{([0-9A-F\s]*)\})");
  int decoded = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    std::ifstream file(entry.path(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    const std::string form = text.str();
    for (std::sregex_iterator it(form.begin(), form.end(), list), end; it != end; ++it) {
      std::string digits = std::regex_replace((*it)[2].str(), std::regex(R"(\s)"), "");
      std::string bytes;
      for (size_t i = 0; i + 1 < digits.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
      }
      ImageStrip strip;
      std::string error;
      EXPECT_TRUE(DecodeImageList(bytes, &strip, &error)) << entry.path() << ": " << error;
      EXPECT_GT(strip.count, 0);
      ++decoded;
    }
  }
  EXPECT_GT(decoded, 0);
}

}  // namespace
}  // namespace vornic
