// Every picture of the real forms in the shared corpus: raster classes
// decode, others (metafiles) are reported as not decoded, and the bitmap made
// from each reads back at the control's size.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "input/binary_to_text.h"
#include "lib/dictionary.h"
#include "pictures/dib_decode.h"
#include "pictures/picture_bitmap.h"
#include "pictures/picture_data.h"
#include "support/corpus.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

std::string Trimmed(const std::string& line) {
  const size_t first = line.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return line.substr(first, line.find_last_not_of(" \t\r") + 1 - first);
}

// The bytes of every Picture.Data property in a form text.
std::vector<std::string> PictureProperties(std::istream& text) {
  std::vector<std::string> properties;
  std::string line;
  while (std::getline(text, line)) {
    if (!Trimmed(line).ends_with("Picture.Data = {")) continue;
    TIDictonary lines;
    while (std::getline(text, line)) {
      lines.Add(Trimmed(line));
      if (line.find('}') != std::string::npos) break;
    }
    std::string bytes;
    EXPECT_TRUE(BytesFromHexLines(lines, &bytes));
    properties.push_back(bytes);
  }
  return properties;
}

std::string FormText(const fs::path& file, bool binary) {
  std::ifstream input(file, std::ios::binary);
  std::ostringstream text;
  if (binary) {
    FormResourceToText(input, text);
  } else {
    text << input.rdbuf();
  }
  return text.str();
}

TEST(CorpusPicturesTest, RasterPicturesDecodeAndOthersAreNamed) {
  const fs::path corpus = CorpusDir();
  if (!fs::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
  std::map<std::string, int> decoded_by_class;
  for (const bool binary : {false, true}) {
    for (const fs::directory_entry& entry :
         fs::directory_iterator(corpus / (binary ? "binary" : "text"))) {
      std::istringstream text(FormText(entry.path(), binary));
      for (const std::string& property : PictureProperties(text)) {
        SCOPED_TRACE(entry.path().filename().string());
        PictureStream stream;
        std::string error;
        ASSERT_TRUE(SplitPictureData(property, &stream, &error)) << error;
        const std::string class_name(stream.class_name);
        const ImageDisplay display{50, 40, true, true, true};
        const PictureBitmap bitmap = BitmapForPicture(property, display, Rgb{240, 240, 240});
        const bool raster_class = class_name == "TBitmap" || class_name == "TJPEGImage" ||
                                  class_name == "TPngImage" || class_name == "TPNGObject" ||
                                  class_name == "TIcon";
        if (!raster_class && bitmap.outcome == PictureOutcome::kUnsupported) continue;
        ASSERT_EQ(bitmap.outcome, PictureOutcome::kDecoded) << class_name << ": " << bitmap.reason;
        Raster read_back;
        ASSERT_TRUE(DecodeBmpFile(bitmap.bmp_file, &read_back, &error)) << error;
        EXPECT_EQ(read_back.width, 50);
        EXPECT_EQ(read_back.height, 40);
        ++decoded_by_class[class_name];
      }
    }
  }
  EXPECT_GT(decoded_by_class["TBitmap"], 0);
  EXPECT_GT(decoded_by_class["TJPEGImage"], 0);
}

}  // namespace
}  // namespace vornic
