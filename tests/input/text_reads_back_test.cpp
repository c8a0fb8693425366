// The tool reads everything it writes: binary B -> text T -> binary B2 ->
// text T2 never fails after T and gives T2 == T, for the real binaries of the
// corpus, for binaries made from form text, and for made-up binaries that
// hold what the text writes at its edges.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "input/binary_to_text.h"
#include "input/form_bytes.h"
#include "input/text_to_binary.h"
#include "lib/errors.h"
#include "support/conversions.h"
#include "support/corpus.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;
using testing::FormBytes;
using testing::ResourceHeader;

// Every binary given here is one the reader takes.
void ExpectTextReadsBack(const std::string& binary) {
  std::string text;
  std::string again;
  try {
    text = TextOf(binary);
    again = TextOf(BinaryOf(text));
  } catch (const Error& failure) {
    ADD_FAILURE() << failure.what() << " after the text:\n" << text;
    return;
  }
  EXPECT_EQ(again, text);
}

std::vector<fs::path> FilesOf(const fs::path& folder) {
  std::vector<fs::path> files;
  if (!fs::is_directory(folder)) return files;
  // Subfolders (a project of several forms) are tested on their own.
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  return files;
}

TEST(TextReadsBackTest, EveryCorpusBinary) {
  const auto files = FilesOf(CorpusDir() / "binary");
  if (files.empty()) GTEST_SKIP() << "no corpus at " << CorpusDir().string();
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    ExpectTextReadsBack(ReadFile(file));
  }
}

TEST(TextReadsBackTest, EveryBinaryMadeFromTheExamplesAndTheCorpusTexts) {
  auto files = FilesOf(fs::path(VORNIC_SOURCE_DIR) / "examples");
  // The examples are the .txt files; a handler file lives beside its form.
  std::erase_if(files, [](const fs::path& file) { return file.extension() != ".txt"; });
  for (const fs::path& file : FilesOf(CorpusDir() / "text")) files.push_back(file);
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    ExpectTextReadsBack(BinaryOf(ReadFile(file)));
  }
}

// A binary form of one root object holding `record`'s properties.
std::string FormWith(const FormBytes& properties) {
  const std::string data =
      FormBytes().Signature().Object("TForm1", "Form1").Raw(properties.str()).End().End().str();
  return ResourceHeader("TFORM1", static_cast<uint32_t>(data.size())) + data;
}

FormBytes Extended(uint64_t mantissa, uint16_t sign_exponent) {
  return FormBytes().Byte(form::kExtended).UInt(mantissa, 8).UInt(sign_exponent, 2);
}

TEST(TextReadsBackTest, ValuesAtTheEdgesOfTheText) {
  std::string controls;
  for (int c = 0; c < 40; ++c) controls += static_cast<char>(c);
  FormBytes values;
  // Wide strings that wrap after 64 characters into a code, or out of one.
  values.Short("W1").WideString(std::u16string(69, u'a') + u'\u20AC');
  values.Short("W2").WideString(u'\u20AC' + std::u16string(70, u'b'));
  values.Short("W3").WideString(u"\u00E9t\u00E9");
  values.Short("U").LongString(form::kUtf8String, "\xE2\x82\xAC!", 4);
  values.Prop("S1", form::kString).Short(std::string(64, 'x'));
  values.Prop("S2", form::kString).Short(std::string(65, 'y'));
  values.Short("S3").LongString(form::kLString, controls + std::string(300, '\''), 340);
  values.Prop("I1", form::kInt64).UInt(uint64_t{1} << 32, 8);
  values.Prop("I2", form::kInt64).UInt(uint64_t{1} << 63, 8);
  values.Prop("I3", form::kInt64).UInt(~(uint64_t{1} << 63), 8);
  values.Prop("I4", form::kInt64).UInt(5, 8);
  // Extended: the largest, a denormal, an unnormal, infinities, a NaN, 100.
  values.Short("E1").Raw(Extended(~uint64_t{0}, 0x7FFE).str());
  values.Short("E2").Raw(Extended(1, 0).str());
  values.Short("E3").Raw(Extended(uint64_t{1} << 62, 0x4000).str());
  values.Short("E4").Raw(Extended(uint64_t{1} << 63, 0xFFFF).str());
  values.Short("E5").Raw(Extended(uint64_t{1} << 63, 0x7FFF).str());
  values.Short("E6").Raw(Extended(~uint64_t{0}, 0x7FFF).str());
  values.Short("E7").Raw(Extended(uint64_t{100} << 57, 0x4005).str());
  values.Prop("F1", form::kSingle).UInt(0x7F7FFFFF, 4);
  values.Prop("F2", form::kSingle).UInt(0xFF800000, 4);
  values.Prop("F3", form::kSingle).UInt(1, 4);
  values.Prop("D1", form::kDate).UInt(0x7FEFFFFFFFFFFFFF, 8);
  values.Prop("D2", form::kDate).UInt(0xFFEFFFFFFFFFFFFF, 8);
  values.Prop("D3", form::kDate).UInt(0xFFF0000000000000, 8);
  values.Prop("D4", form::kDate).UInt(1, 8);
  values.Prop("C1", form::kCurrency).UInt(~(uint64_t{1} << 63), 8);
  values.Prop("C2", form::kCurrency).UInt(uint64_t{1} << 63, 8);
  values.Prop("C3", form::kCurrency).UInt(15000, 8);
  values.Prop("N1", form::kIdent).Short("TRUE");
  values.Prop("N2", form::kIdent).Short("nIL");
  values.Prop("N3", form::kIdent).Short("Owner.Button1");
  values.Prop("N4", form::kNull);
  values.Prop("N5", form::kIdent).Short("Null");
  values.Prop("Set", form::kSet).Short("fsBold").Short("\xC4").Byte(0);
  values.Prop("List", form::kList).Byte(form::kList).Byte(form::kIdent).Short("end").End();
  values.Int8Value(-3).End();
  values.Prop("Items", form::kCollection).Int8Value(0).Byte(form::kList);
  values.Prop("X", form::kTrue).End().Int8Value(-5).Byte(form::kList).End();
  values.Byte(form::kList).End().End();
  values.Prop("B1", form::kBinary).UInt(31, 4).Raw(std::string(31, '\x1A'));
  values.Prop("B2", form::kBinary).UInt(33, 4).Raw(std::string(33, '\xFF'));
  ExpectTextReadsBack(FormWith(values));
}

TEST(TextReadsBackTest, SixtyFourBitIntegersComeBackAsTheSameBytes) {
  for (uint64_t value : {uint64_t{1} << 31, uint64_t{1} << 63, ~uint64_t{0} << 32}) {
    const std::string binary = FormWith(FormBytes().Prop("Big", form::kInt64).UInt(value, 8));
    EXPECT_EQ(BinaryOf(TextOf(binary)), binary);
  }
}

TEST(TextReadsBackTest, ObjectHeadersAtTheEdgesOfTheText) {
  const std::string long_class(240, 'C');
  FormBytes record;
  // A class name of 240 bytes or more needs a prefix, or its length reads as one.
  record.Signature().Byte(0xF0).Object(long_class, "").End();
  record.Byte(0xF3).Int8Value(2).Object("Vcl.TButton", "Button1").End().End();
  record.Byte(0xF5).Object(std::string(255, 'D'), "Frame.Sub").End().End();
  record.Byte(0xF8).Object("T\xC4", "\xC4").End().End();
  record.End();
  ExpectTextReadsBack(ResourceHeader("CCC", 0) + record.str());
}

}  // namespace
}  // namespace vornic
