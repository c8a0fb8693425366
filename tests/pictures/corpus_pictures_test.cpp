// Every picture of the real forms in the shared corpus: raster classes
// decode, others (metafiles) are reported as not decoded, the bitmap made
// from each reads back at the control's size, and the budget leaves the
// bitmap of each in its own control as the whole picture gives it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "input/binary_to_text.h"
#include "lib/dictionary.h"
#include "pictures/bitmap_file.h"
#include "pictures/bitmap_scale.h"
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

// The bytes of the data lines that follow "... = {", up to the closing brace.
std::string DataLines(std::istream& text) {
  TIDictonary lines;
  std::string line;
  while (std::getline(text, line)) {
    lines.Add(Trimmed(line));
    if (line.find('}') != std::string::npos) break;
  }
  std::string bytes;
  EXPECT_TRUE(BytesFromHexLines(lines, &bytes));
  return bytes;
}

// The bytes of every Picture.Data property in a form text.
std::vector<std::string> PictureProperties(std::istream& text) {
  std::vector<std::string> properties;
  std::string line;
  while (std::getline(text, line)) {
    if (Trimmed(line).ends_with("Picture.Data = {")) properties.push_back(DataLines(text));
  }
  return properties;
}

// A picture property with the size and options of the object that holds it.
struct ShownPicture {
  std::string property;
  ImageDisplay display;
};

// The pictures of a form text, each with its object's values, taken at the
// object's end since options may follow the picture.
std::vector<ShownPicture> PicturesInTheirObjects(std::istream& text) {
  std::vector<ShownPicture> pictures;
  std::vector<std::map<std::string, std::string>> objects;  // the open ones, innermost last
  std::string line;
  while (std::getline(text, line)) {
    const std::string trimmed = Trimmed(line);
    const size_t equals = trimmed.find(" = ");
    if (trimmed.starts_with("object ") || trimmed.starts_with("inherited ") ||
        trimmed.starts_with("inline ")) {
      objects.emplace_back();
    } else if (objects.empty()) {
      continue;
    } else if (trimmed == "end") {
      std::map<std::string, std::string>& values = objects.back();
      const auto option = [&values](const char* name) { return values[name] == "True"; };
      if (values.contains("Picture.Data")) {
        pictures.push_back(
            {values["Picture.Data"],
             {std::atoi(values["Width"].c_str()), std::atoi(values["Height"].c_str()),
              option("Stretch"), option("Proportional"), option("Center")}});
      }
      objects.pop_back();
    } else if (trimmed == "Picture.Data = {") {
      objects.back()["Picture.Data"] = DataLines(text);
    } else if (equals != std::string::npos) {
      objects.back()[trimmed.substr(0, equals)] = trimmed.substr(equals + 3);
    }
  }
  return pictures;
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

// What the images of the corpus show, decoded within their budgets, is what
// the whole pictures give, byte for byte.
TEST(CorpusPicturesTest, TheBudgetLeavesEveryBitmapAsTheWholePictureGivesIt) {
  const fs::path corpus = CorpusDir();
  if (!fs::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
  const Rgb face{240, 240, 240};
  int compared = 0;
  for (const bool binary : {false, true}) {
    for (const fs::directory_entry& entry :
         fs::directory_iterator(corpus / (binary ? "binary" : "text"))) {
      std::istringstream text(FormText(entry.path(), binary));
      for (const ShownPicture& picture : PicturesInTheirObjects(text)) {
        SCOPED_TRACE(entry.path().filename().string() + " " +
                     std::to_string(picture.display.width) + "x" +
                     std::to_string(picture.display.height));
        const PictureBitmap bitmap = BitmapForPicture(picture.property, picture.display, face);
        const DecodedPicture whole = DecodePicture(picture.property);
        Raster shown;
        std::string error;
        if (whole.outcome != PictureOutcome::kDecoded ||
            !RenderImage(whole.raster, picture.display, face, &shown, &error)) {
          EXPECT_NE(bitmap.outcome, PictureOutcome::kDecoded);
          continue;
        }
        ASSERT_EQ(bitmap.outcome, PictureOutcome::kDecoded) << bitmap.reason;
        EXPECT_EQ(bitmap.bmp_file, EncodeBmpFile(shown));
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 20);
}

}  // namespace
}  // namespace vornic
