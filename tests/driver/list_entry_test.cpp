// List entries the program could not hold as written: every list a
// generator writes refuses them at their own line, in both translations, in
// the conversion to a binary form, and in the line loop and the form reader
// alone (the text of a binary form reaches them without the conversion).
// Nothing is written.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "builder/builder.h"
#include "driver/translation.h"
#include "input/text_to_binary.h"
#include "lib/errors.h"
#include "output/program_text.h"
#include "support/program_fixture.h"
#include "support/run_fixture.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

constexpr int kEntryLine = 12;  // the line of the entry under test

// A list of `property` in a control of `class_name`; the entry under test
// stands between two good ones.
std::string ListForm(const std::string& class_name, const std::string& property,
                     const std::string& entry) {
  return "object Form1: TForm1\r\n  Left = 0\r\n  Top = 0\r\n  Caption = 'F'\r\n"
         "  object Control1: " +
         class_name +
         "\r\n    Left = 1\r\n    Top = 2\r\n    Width = 90\r\n    Height = 90\r\n    " + property +
         " = (\r\n      'first'\r\n      " + entry + "\r\n      'last')\r\n  end\r\nend\r\n";
}

struct Writer {
  const char* class_name;
  const char* property;
  bool exact;  // the exact translation writes it too
};

const Writer kWriters[] = {
    {"TListBox", "Items.Strings", true},     {"TComboBox", "Items.Strings", true},
    {"TMemo", "Lines.Strings", true},        {"TRadioGroup", "Items.Strings", false},
    {"TTabControl", "Tabs.Strings", false},  {"TCheckListBox", "Items.Strings", false},
    {"TComboBoxEx", "Items.Strings", false}, {"TRichEdit", "Lines.Strings", false},
};

struct BadEntry {
  const char* entry;
  bool converter_refuses;  // else it is one value there, which the line loop refuses
};

const BadEntry kBadEntries[] = {
    {"'abc' PWNED", true},  // a second value behind the entry
    {"'x'#-1'y'", true},    // a "#" without a code, then a number
    {"'x'#$'y'", true},     // a "#$" without hexadecimal digits
    {"'x'#", true},         // a "#" without a code at the line's end
    {"'a' + 'b'", false},   // pieces joined on one line: only " +" at a line's end joins
    {"Halt", false},        // no string at all
};

class ListEntryTest : public RunFixture {
 protected:
  static void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
  }
  static std::string Read(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
};

TEST_F(ListEntryTest, EntryThatIsNoSingleStringIsRefusedAtItsLine) {
  for (const BadEntry& bad : kBadEntries) {
    for (const Writer& writer : kWriters) {
      const std::string form = ListForm(writer.class_name, writer.property, bad.entry);
      const std::string line = std::string("      ") + bad.entry;
      const std::string report =
          "[Error] form.txt(" + std::to_string(kEntryLine) + "): " + line + "\n";
      SCOPED_TRACE(std::string(writer.class_name) + " " + bad.entry);

      // The conversion alone.
      std::istringstream text(form);
      std::ostringstream binary;
      if (bad.converter_refuses) {
        try {
          FormTextToResource(text, binary);
          ADD_FAILURE() << "converted";
        } catch (const ELineError& failure) {
          EXPECT_EQ(failure.line_number(), kEntryLine);
          EXPECT_EQ(failure.line(), line);
        }
      } else {
        EXPECT_NO_THROW(FormTextToResource(text, binary));
      }

      // The line loop alone and the form tree, as for the text of a binary form.
      if (writer.exact) {
        std::istringstream lines(form);
        TSDPR dpr("form");
        TBuilder builder("form");
        try {
          TranslateFormText(lines, "form.txt", dpr, builder);
          ADD_FAILURE() << "translated";
        } catch (const EParserError& failure) {
          EXPECT_EQ(failure.what() + std::string("\n"), report);
        }
      }
      EXPECT_EQ(TranslatedProgram(form, Translation::kExtended) + "\n", report);

      // Whole runs: the files found stay as they were.
      for (const char* option : {"", "--extended"}) {
        Write("form.txt", form);
        Write("form.dfm", "old form");
        Write("form.dpr", "old program");
        std::vector<std::string> args = {"form.txt"};
        if (*option != '\0') args.insert(args.begin(), option);
        // The exact translation writes no control of an extended class: what
        // the conversion takes, it ignores.
        const bool refused = bad.converter_refuses || writer.exact || *option != '\0';
        EXPECT_EQ(RunTool(args), refused ? 1 : 0) << option;
        if (refused) {
          EXPECT_EQ(console_, (bad.converter_refuses ? "" : "Wait...\n") + report) << option;
          EXPECT_EQ(Read("form.dfm"), "old form");
          EXPECT_EQ(Read("form.dpr"), "old program");
          EXPECT_EQ(Files(), (std::set<std::string>{"form.dfm", "form.dpr", "form.txt"}));
        }
      }
    }
  }
}

// Hexadecimal codes are codes like decimal ones: the exact translation passes
// the entry on as it stands, the extended one writes its characters.
TEST_F(ListEntryTest, EntryWithHexadecimalCodesIsOneString) {
  for (const Writer& writer : kWriters) {
    const std::string form = ListForm(writer.class_name, writer.property, "'x'#$41#$4E2D'y'");
    SCOPED_TRACE(writer.class_name);
    if (writer.exact) {
      EXPECT_NE(TranslatedProgram(form, Translation::kExact).find("'x'#$41#$4E2D'y'"),
                std::string::npos);
    }
    EXPECT_NE(TranslatedProgram(form, Translation::kExtended).find("'xA'#$4E2D'y'"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace vornic
