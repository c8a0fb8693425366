// Class aliases: the built-in data-aware ones, class files, and the lookup
// in the class table that every generator's choice goes through.
#include "extended/class_aliases.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "builder/class_table.h"
#include "extended/class_table.h"
#include "lib/errors.h"

namespace vornic {
namespace {

// The message of reading `text` as classes.txt, empty when it is accepted.
std::string ReadError(ClassAliases& aliases, const std::string& text) {
  std::istringstream file(text);
  try {
    aliases.ReadClassFile(file, "classes.txt");
  } catch (const EParserError& failure) {
    return failure.what();
  }
  return "";
}

TEST(ClassAliasesTest, BadLinesAreReportedWithTheFileAndLineNumber) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"# comment\n\nTMyButton TButton\n",
       "classes.txt(3): expected \"TMyClass = TClass\", got \"TMyButton TButton\""},
      {"TA = TB = TC\n", "classes.txt(1): expected \"TMyClass = TClass\", got \"TA = TB = TC\""},
      {"TA =\n", "classes.txt(1): '' is not a class name"},
      {"T-A = TButton\n", "classes.txt(1): 'T-A' is not a class name"},
      {"TA = TButton\r\nTA = TEdit\r\n",
       "classes.txt(2): TA = TEdit: TA is already given on line 1"},
      {"TA = TA\n", "classes.txt(1): TA = TA leads back to TA"},
      {"TA = TB\nTB = TC\ntc = ta\n", "classes.txt(3): tc = ta leads back to tc"},
      {"TDBEdit = TMyEdit\nTMyEdit = TDBEdit\n",
       "classes.txt(2): TMyEdit = TDBEdit leads back to TMyEdit"},
      // Accepted: a byte order mark, tabs, comments after a line, CR LF, and
      // the same alias twice.
      {"\xEF\xBB\xBFTA = TButton\r\n\tTB\t=\tTEdit  # the family's edit\r\nTA = TBUTTON\r\n", ""},
  };
  for (const auto& c : cases) {
    ClassAliases aliases;
    EXPECT_EQ(ReadError(aliases, c.text), c.message) << c.text;
  }
}

TEST(ClassAliasesTest, LookupFollowsAliasesAndUserAliasesWinOverTheTable) {
  ClassAliases aliases;
  ASSERT_EQ(ReadError(aliases,
                      "TMyEdit = TDBEdit\n"      // through a built-in alias
                      "TButton = TCheckBox\n"    // a class with a row of its own
                      "TDBText = TStaticText\n"  // a built-in alias replaced
                      "TMyGrid = TNoSuchGrid\n"),
            "");
  const ClassTable table(aliases);
  const auto row_name = [&table](const char* name) -> std::string {
    const WrittenClass* row = table.Find(name);
    return row == nullptr ? "none" : row->class_name;
  };
  EXPECT_EQ(row_name("tdbedit"), "TEDIT");
  EXPECT_EQ(row_name("TDBLookupListBox"), "TLISTBOX");
  EXPECT_EQ(row_name("TMyEdit"), "TEDIT");
  EXPECT_EQ(row_name("TButton"), "TCHECKBOX");
  EXPECT_EQ(row_name("TDBText"), "TSTATICTEXT");
  EXPECT_EQ(row_name("TMyGrid"), "none");
  EXPECT_EQ(row_name("TEdit"), "TEDIT");
  // Without aliases, as the exact translation looks classes up.
  EXPECT_EQ(FindClassRow("TDBEdit"), nullptr);
  EXPECT_STREQ(FindClassRow("TButton")->class_name, "TBUTTON");
}

TEST(ClassAliasesTest, ClassesNothingNamesGoByTheEndOfTheirName) {
  ClassAliases aliases;
  ASSERT_EQ(ReadError(aliases, "TRzCheckButton = TCheckBox\nTMyThing = TOtherButton\n"), "");
  const struct {
    const char* name;
    const char* row;
  } cases[] = {
      {"TRzButton", "TBUTTON"},        {"TRzBitBtn", "TBITBTN"},
      {"TMyBtn", "TBUTTON"},           {"TJvSpeedButton", "TSPEEDBUTTON"},
      {"TArtComboBox", "TCOMBOBOX"},   {"TwwDBLookupCombo", "TCOMBOBOX"},
      {"TPatternEdit", "TEDIT"},       {"TRxSpinEdit", "TSPINEDIT"},
      {"TQRLabel", "TLABEL"},          {"TQRDBText", "TLABEL"},
      {"TFormPanel", "TPANEL"},        {"TRzTabSheet", "TTABSHEET"},
      {"TRzGroupBox", "TGROUPBOX"},    {"TRzRadioGroup", "TRADIOGROUP"},
      {"TFileListBox", "TLISTBOX"},    {"TJvDBGrid", "TSTRINGGRID"},
      {"TSynMemo", "TMEMO"},           {"TJvStatusBar", "TSTATUSBAR"},
      // A user's alias wins, and the target of an alias does not go by its
      // ending; non-visual classes and endings alone name nothing.
      {"TRzCheckButton", "TCHECKBOX"}, {"TMyThing", "none"},
      {"TADOQuery", "none"},           {"TImageList", "none"},
      {"TTimer", "none"},              {"TDBEdit", "TEDIT"},
  };
  const ClassTable table(aliases);
  for (const auto& c : cases) {
    const WrittenClass* row = table.Find(c.name);
    EXPECT_EQ(row == nullptr ? "none" : row->class_name, std::string(c.row)) << c.name;
  }
  // The exact translation looks classes up by their own names only.
  EXPECT_EQ(FindClassRow("TRzButton"), nullptr);
}

}  // namespace
}  // namespace vornic
