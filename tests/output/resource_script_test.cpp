#include "output/resource_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "lib/errors.h"
#include "pictures/bitmap_file.h"
#include "support/picture_files.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// Each test writes its scripts into a folder of its own, removed afterwards.
class ResourceScriptTest : public ::testing::Test {
 protected:
  std::string Base(const std::string& name) const { return (dir_ / name).string(); }

  // A registry holding one complete object with the given data lines.
  static void Fill(TIImage& image, const std::string& name,
                   std::initializer_list<std::string> lines) {
    image.ControlName = name;
    image.Left = "8";
    image.Top = "16";
    image.Width = "105";
    image.Height = "105";
    for (const std::string& line : lines) image.DataLines.Add(line);
  }

  // Puts the script in place, as the driver does at the end of a run.
  static void Save(TIImage& image) {
    ASSERT_NE(image.script(), nullptr);
    image.script()->Finish();
    image.script()->Commit();
  }

  ScratchDir scratch_{"vornic_rc"};
  fs::path dir_ = scratch_.path();
};

TEST_F(ResourceScriptTest, RegroupsImageDataIntoSixteenByteLines) {
  const std::string prefix = "07544269746D617036030000";  // class name and length: skipped
  const std::string line1 = prefix + "424D3603000000000000360000002800" + "00000A00";
  const std::string line2 =
      "0A00000001001800000000AB" + std::string("00030000C40E0000C40E00000000FFFF") + "12345678";
  TIImage image;
  Fill(image, "Image1", {line1, line2, "ABCDE}"});
  image.ScriptBaseName = Base("prog");
  image.WriteBitmap(24);
  Save(image);

  EXPECT_EQ(ReadFile(Base("prog.rc")),
            "BMP_Image1 BITMAP\r\n"
            "BEGIN\r\n"
            " '42 4D 36 03 00 00 00 00 00 00 36 00 00 00 28 00'\r\n"
            // the rest of the first data line, completed from the second
            " '00 00 0A 00 0A 00 00 00 01 00 18 00 00 00 00 AB'\r\n"
            // the 15th byte of the third line is always zero
            " '00 03 00 00 C4 0E 00 00 C4 0E 00 00 00 00 00 FF'\r\n"
            // the brace goes, and the odd last character has no partner
            " '12 34 56 78 AB CD'\r\n"
            "END\r\n"
            "\r\n");
  EXPECT_FALSE(image.ScriptPending);
}

// Byte 46 is the 15th pair of the third line, whether that line is full or
// the last, short one; data that ends before it has nothing to zero.
TEST_F(ResourceScriptTest, ColourCountIsZeroedWhereverTheDataReachesIt) {
  for (size_t size : {92u, 93u, 94u, 95u, 96u, 130u}) {
    std::string data;
    for (size_t i = 0; i < size; ++i) data += "0123456789ABCDEF"[(i * 7 + 5) % 16];
    TIImage image;
    Fill(image, "Image1", {data + "}"});
    const std::string base = Base("count" + std::to_string(size));
    image.ScriptBaseName = base;
    image.WriteBitmap(0);
    Save(image);
    const std::vector<std::string> lines = SplitLines(ReadFile(base + ".rc"));
    ASSERT_GE(lines.size(), 5u);
    std::string expected = " '";
    for (size_t at = 64; at + 1 < std::min<size_t>(size, 96); at += 2) {
      if (at > 64) expected += ' ';
      expected += at == 92 ? std::string("00") : data.substr(at, 2);
    }
    EXPECT_EQ(lines[4], expected + "'\r") << size;
  }
}

TEST_F(ResourceScriptTest, DataOfWholeLinesEndsWithAnEmptyQuotedLine) {
  TIImage image;
  // Glyph data: skip 8, then exactly 32 characters, both cuts on the only line.
  Fill(image, "BitBtn1", {"36030000" + std::string("424d3603000000000000360000002800") + "}"});
  image.ScriptBaseName = Base("glyph");
  image.WriteBitmap(8);
  Save(image);

  EXPECT_EQ(ReadFile(Base("glyph.rc")),
            "BMP_BitBtn1 BITMAP\r\nBEGIN\r\n"
            " '42 4d 36 03 00 00 00 00 00 00 36 00 00 00 28 00'\r\n"
            " ''\r\n"
            "END\r\n\r\n");
}

TEST_F(ResourceScriptTest, LaterEntriesAreAppendedAndANewRunTruncates) {
  {
    TIImage image;
    image.ScriptBaseName = Base("prog");
    Fill(image, "Image1", {"00000000AAAA}"});
    image.WriteBitmap(8);
    image.Reset();
    EXPECT_TRUE(image.ControlName.empty());
    EXPECT_EQ(image.DataLines.LineCount(), 0);
    EXPECT_FALSE(image.IsComplete());
    Fill(image, "Image2", {"00000000BBBB}"});
    ASSERT_TRUE(image.IsComplete());
    image.WriteBitmap(8);
    Save(image);
  }
  EXPECT_EQ(ReadFile(Base("prog.rc")),
            "BMP_Image1 BITMAP\r\nBEGIN\r\n 'AA AA'\r\nEND\r\n\r\n"
            "BMP_Image2 BITMAP\r\nBEGIN\r\n 'BB BB'\r\nEND\r\n\r\n");

  TIImage next_run;
  next_run.ScriptBaseName = Base("prog");
  Fill(next_run, "Image3", {"00000000CC}"});
  next_run.WriteBitmap(8);
  Save(next_run);
  EXPECT_EQ(ReadFile(Base("prog.rc")), "BMP_Image3 BITMAP\r\nBEGIN\r\n 'CC'\r\nEND\r\n\r\n");
}

TEST_F(ResourceScriptTest, DecodedBitmapIsWrittenInTheLinesOfFormData) {
  const Raster raster = PaintRaster(5, 3, [](int x, int y) {
    return Rgba{uint8_t(x), uint8_t(y), 7};
  });
  const std::string bmp = EncodeBmpFile(raster);
  std::string hex;
  for (const char byte : bmp) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    hex += {kDigits[static_cast<uint8_t>(byte) >> 4], kDigits[static_cast<uint8_t>(byte) & 0xF]};
  }
  TIImage from_form;
  Fill(from_form, "Image1", {hex + "}"});
  from_form.ScriptBaseName = Base("form");
  from_form.WriteBitmap(0);
  Save(from_form);
  TIImage decoded;
  decoded.ControlName = "Image1";
  decoded.ScriptBaseName = Base("decoded");
  decoded.WriteBitmapFile(bmp);
  Save(decoded);
  EXPECT_EQ(ReadFile(Base("decoded.rc")), ReadFile(Base("form.rc")));

  // The lines read back to the very same file, the colour count at byte 46 included.
  std::string read_back;
  for (const std::string& line : SplitLines(ReadFile(Base("decoded.rc")))) {
    if (!line.starts_with(" '")) continue;
    for (size_t at = 2; at + 1 < line.size() && line[at] != '\''; at += 3) {
      read_back += static_cast<char>(std::stoi(line.substr(at, 2), nullptr, 16));
    }
  }
  EXPECT_EQ(read_back, bmp);
}

TEST_F(ResourceScriptTest, LargeBitmapIsWrittenWhole) {
  // 12,000 lines of 32 bytes: well past the 9,999 lines a pass limit would keep.
  constexpr int kLines = 12000;
  TIImage image;
  image.ScriptBaseName = Base("big");
  image.ControlName = "Image1";
  for (int i = 1; i <= kLines; ++i) {
    std::string line(64, '1');
    if (i == kLines) line = std::string(62, '1') + "EF}";
    image.DataLines.Add(line);
  }
  image.WriteBitmap(8);
  Save(image);

  const std::string script = ReadFile(Base("big.rc"));
  // 12,000 × 64 − 8 characters: 23,999 full lines and one of 24 characters.
  size_t lines = 0;
  for (char c : script) lines += c == '\n';
  EXPECT_EQ(lines, 2u + 23999u + 1u + 2u);
  const std::string tail = " '11 11 11 11 11 11 11 11 11 11 11 EF'\r\nEND\r\n\r\n";
  ASSERT_GE(script.size(), tail.size());
  EXPECT_EQ(script.substr(script.size() - tail.size()), tail);
}

TEST_F(ResourceScriptTest, EmptyBaseNameGivesNonameInTheCurrentDirectory) {
  const fs::path previous = fs::current_path();
  fs::current_path(dir_);
  {
    TIImage image;
    Fill(image, "Image1", {"00000000AA}"});
    image.WriteBitmap(8);
    Save(image);
  }
  fs::current_path(previous);
  EXPECT_TRUE(fs::exists(dir_ / "noname.rc"));
}

TEST_F(ResourceScriptTest, FailuresWriteNothing) {
  {
    TIImage image;
    image.ScriptBaseName = Base("missing/prog");
    Fill(image, "Image1", {"00000000AA}"});
    EXPECT_THROW(image.WriteBitmap(8), EInOutError);
  }
  {
    // Without data there is no entry to write: no half entry, no script.
    TIImage image;
    image.ScriptBaseName = Base("nodata");
    Fill(image, "Image1", {});
    EXPECT_THROW(image.WriteBitmap(24), ERangeError);
    EXPECT_FALSE(fs::exists(Base("nodata.rc")));
    EXPECT_TRUE(image.ScriptPending);
  }
}

}  // namespace
}  // namespace vornic
