// The names registry: which identifiers controls get, and that every
// identifier the program's own texts use is kept from them.
#include "builder/program_names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "builder/builder.h"
#include "driver/translation.h"
#include "lib/ascii_identifier.h"
#include "lib/text.h"
#include "output/program_text.h"
#include "support/program_fixture.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// One registry, names taken in order: {name, companion, identifier}.
TEST(ProgramNamesTest, IdentifiersAreAsciiUniqueAndClearOfTheProgramsOwn) {
  struct Take {
    std::string name;
    std::string companion;
    std::string identifier;
  };
  const std::vector<Take> takes = {
      {"Button1", "", "Button1"},
      {"button1", "", "button1_1"},  // the compiler ignores case
      {"Button1", "", "Button1_2"},
      {"Button1_3", "", "Button1_3"},
      {"Button1", "", "Button1_4"},  // a suffix the form took itself is skipped
      {"begin", "", "begin_1"},      // a reserved word
      {"Inst", "", "Inst_1"},        // a variable of the frame
      {"WS_CHILD", "", "WS_CHILD_1"},
      {"createwindow", "", "createwindow_1"},
      {"Windows", "", "Windows_1"},  // a unit
      {"hFont12", "", "hFont12_1"},  // the registries' numbered variables
      {"Pen1", "", "Pen1_1"},
      {"Pens", "", "Pens"},
      {"Msg", "", "Msg"},
      {"B\xC3\xB6rsenindex", "", "Borsenindex"},  // UTF-8
      {"B\xF6rsenindex", "", "Borsenindex_1"},    // Windows-1252
      {"ButtonDin\xC3\xA2mico", "", "ButtonDinamico"},
      {"Stra\xC3\x9F"
       "e",
       "", "Strasse"},
      {"\xC5\x92uvre\xC4\xB3", "", "OEuvreij"},
      {"\xCE\xA9mega", "", "_mega"},  // not a Latin letter
      {"\x9E"
       "aba",
       "", "zaba"},  // a letter of the Windows-1252 extra range
      {"x\xE2\x82\xAC", "", "x_"},
      {"Pre\xC8\x9Bul", "", "Pretul"},      // Romanian t with comma below
      {"\xC8\x98ir", "", "Sir"},            // S with comma below
      {"Ng\xC6\xB0\xE1\xBB\x9Di", "", "Nguoi"},  // Vietnamese u and o with horn
      {"B\xE1\xBA\xA1n", "", "Ban"},        // a with dot below
      {"\xC7\x8D\xC7\x84", "", "ADZ"},     // A with caron, the DZ digraph
      {"otherwise", "", "otherwise_1"},     // reserved by the compiler
      {"BitPacked", "", "BitPacked_1"},
      {"Image1", "h", "Image1"},
      {"hImage1", "", "hImage1_1"},  // the image's bitmap handle
      {"hImage2", "", "hImage2"},
      {"Image2", "h", "Image2_1"},
  };
  ProgramNames names;
  for (const Take& take : takes) {
    EXPECT_EQ(names.Take(take.name, take.companion), take.identifier) << take.name;
  }
  // Identifiers only the extended programs use are kept in their runs alone.
  EXPECT_EQ(names.Take("SS_CENTER"), "SS_CENTER");
  ProgramNames extended;
  extended.ReserveExtendedIdentifiers();
  EXPECT_EQ(extended.Take("SS_CENTER"), "SS_CENTER_1");
  EXPECT_EQ(extended.Take("ColorBrush2"), "ColorBrush2_1");
}

// The names every identifier outside strings, character codes (#$4E2D) and
// comments of `program`, but for the fields of records (after a full stop),
// which no variable hides.
std::set<std::string> IdentifiersOf(const std::string& program) {
  static const std::regex kQuoted("'[^']*'|\\{[^}]*\\}|#\\$[0-9A-Fa-f]+");
  static const std::regex kIdentifier("(\\.?)([A-Za-z_][A-Za-z0-9_]*)");
  const std::string code = std::regex_replace(program, kQuoted, " ");
  std::set<std::string> found;
  for (std::sregex_iterator it(code.begin(), code.end(), kIdentifier), end; it != end; ++it) {
    if ((*it)[1].length() == 0) found.insert((*it)[2].str());
  }
  return found;
}

// The identifiers that the form text's objects give the program, in capitals:
// their names, the bitmap handles, the labels of labeled edits, the shift of
// pages below rows of tabs and the program's name.
std::set<std::string> FormNamesOf(const std::string& form_text, const std::string& program) {
  static const std::regex kObject("(object|inherited|inline) ([^ :]+):");
  std::set<std::string> names{UpperText(program)};
  for (std::sregex_iterator it(form_text.begin(), form_text.end(), kObject), end; it != end; ++it) {
    const std::string name = UpperText(AsciiIdentifier((*it)[2].str()));
    names.insert(name);
    names.insert("H" + name);
    names.insert("LBL" + name);
    names.insert(name + "SHIFT");
  }
  return names;
}

// True for one of `form_names`, with or without the suffix the registry adds.
bool IsFormName(const std::string& identifier, const std::set<std::string>& form_names) {
  static const std::regex kSuffix("_[0-9]+$");
  const std::string upper = UpperText(identifier);
  return form_names.count(upper) > 0 ||
         form_names.count(std::regex_replace(upper, kSuffix, "")) > 0;
}

// The program `name` of `form_text` as the extended translation writes it;
// its bitmaps go into a script in the scratch folder `dir`.
std::string ExtendedProgramOf(const std::string& form_text, const fs::path& dir,
                              const std::string& name) {
  return TranslatedProgram(form_text, Translation::kExtended, (dir / name).string());
}

// Whatever the examples' programs use beyond the forms' own names is the
// program's: a control named so must be renamed. The exact programs are the
// golden ones; the extended ones are made here.
TEST(ProgramNamesTest, EveryIdentifierOfTheExamplesProgramsIsKeptFromControls) {
  const fs::path source = VORNIC_SOURCE_DIR;
  const ScratchDir scratch("vornic_names");
  int checked = 0;
  for (const char* example :
       {"empty", "controls", "showcase", "names", "dialog", "containers", "menus",
        "common_controls", "views", "workbench", "actions", "behaviour", "resizable", "scripts"}) {
    const std::string form = ReadFile(source / "examples" / (example + std::string(".txt")));
    ASSERT_FALSE(form.empty()) << example;
    const std::string programs[] = {
        ReadFile(source / "tests" / "golden" / (example + std::string(".dpr"))),
        ExtendedProgramOf(form, scratch.path(), example)};
    const std::set<std::string> form_names = FormNamesOf(form, example);
    for (const bool extended : {false, true}) {
      const std::string& program = programs[extended ? 1 : 0];
      ASSERT_FALSE(program.empty()) << example;
      for (const std::string& identifier : IdentifiersOf(program)) {
        if (IsFormName(identifier, form_names) || identifier == "program") continue;
        ProgramNames names;
        if (extended) names.ReserveExtendedIdentifiers();
        EXPECT_EQ(names.Take(identifier), identifier + "_1")
            << identifier << " in " << example << (extended ? ", extended" : "");
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 200);
}

}  // namespace
}  // namespace vornic
