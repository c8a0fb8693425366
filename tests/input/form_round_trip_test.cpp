// Round trips over the real forms of the shared corpus: text -> binary ->
// text -> binary keeps the binary, and binary -> text -> binary gives back
// the original bytes where the text can carry every value.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "input/binary_to_text.h"
#include "input/text_to_binary.h"
#include "lib/errors.h"
#include "support/conversions.h"
#include "support/corpus.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// Where two byte strings first differ, for a short failure message; empty
// when they are equal.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  if (expected == actual) return "";
  size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  return "sizes " + std::to_string(expected.size()) + " and " + std::to_string(actual.size()) +
         ", first difference at offset " + std::to_string(at) + " near \"" +
         expected.substr(at < 16 ? 0 : at - 16, 32) + "\"";
}

// Float text carries 15 significant digits, and a float with none behind the
// point reads back as an integer; these forms hold such extended floats.
const std::map<std::string, std::string>& TextFilesWhoseBinaryChanges() {
  static const std::map<std::string, std::string> files = {
      {"Philin-coder--delphirep--Un_stud.dfm", "Date = 45733.896571354170000000 needs 16 digits"},
      {"bewlief--delphi-samples--DynamicStylesMain.dfm",
       "Date = 43976.000000000000000000 comes back as an integer"},
      {"diondcm--exemplos-delphi--Teste_Form.Principal.dfm",
       "Date = 43106.420867476850000000 needs 16 digits"},
      {"osmanobr--Projetos-Delphi--UnitMae.dfm", "Date = 44946.580613900460000000 needs 16 digits"},
      {"sprokushev--Delphi--f42.dfm",
       "MinDate = 36526.000000000000000000 comes back as an integer"},
      {"sprokushev--Delphi--main.dfm", "Date = 37797.447570185180000000 needs 16 digits"},
  };
  return files;
}

// Converts every file of a corpus folder with `round_trip` and expects the
// result to equal `expected_of` the input, except for the named files.
template <typename Expected, typename RoundTrip>
void CheckFolder(const char* name, const std::map<std::string, std::string>& changing,
                 Expected expected_of, RoundTrip round_trip) {
  fs::path folder = CorpusDir() / name;
  if (!fs::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    std::string file = entry.path().filename().string();
    SCOPED_TRACE(file);
    try {
      std::string input = ReadFile(entry.path());
      std::string expected = expected_of(input);
      std::string difference = FirstDifference(expected, round_trip(expected));
      if (changing.count(file) == 0) {
        EXPECT_EQ(difference, "");
      } else {
        EXPECT_NE(difference, "") << "listed as changing (" << changing.at(file)
                                  << ") but comes back unchanged";
      }
    } catch (const Error& failure) {
      ADD_FAILURE() << failure.what();
    }
  }
}

std::string BinaryTextBinary(const std::string& resource) {
  return BinaryOf(TextOf(resource));
}

TEST(FormRoundTripTest, TextToBinaryToTextToBinaryKeepsTheBinary) {
  CheckFolder("text", TextFilesWhoseBinaryChanges(), BinaryOf, BinaryTextBinary);
}

// Binary files holding what form text cannot carry back unchanged.
const std::map<std::string, std::string>& BinaryFilesThatChange() {
  static const std::map<std::string, std::string> files = {
      {"DELMadang--DelphiForFUN--U_ScrollingLEDs3.dfm",
       "a tag 20 string comes back as tag 18; extended floats need more than 15 digits"},
      {"bravesoftdz--DelphiSave--unCargaDepositoManual.dfm",
       "a tag 20 string comes back as tag 18"},
      {"bravesoftdz--DelphiSave--unConsultorio.dfm", "a tag 20 string comes back as tag 18"},
      {"bravesoftdz--DelphiSave--unReclamoAFIP.dfm", "a tag 20 string comes back as tag 18"},
      {"zhugecaomao--DelphiSourceCodeCollection--login.dfm",
       "a tag 20 string comes back as tag 18"},
      {"coderserdar--DelphiComponents--datamod.dfm",
       "the extended float 100 comes back as an integer"},
      {"miguelvasp--DelphiProjects--ListForn.dfm",
       "extended floats need more than 15 digits or look like integers"},
      {"miguelvasp--DelphiProjects--RelMovBanc.dfm",
       "extended floats need more than 15 digits or look like integers"},
  };
  return files;
}

TEST(FormRoundTripTest, BinaryToTextToBinaryGivesTheOriginalBytes) {
  auto same = [](const std::string& bytes) { return bytes; };
  CheckFolder("binary", BinaryFilesThatChange(), same, BinaryTextBinary);
}

}  // namespace
}  // namespace vornic
