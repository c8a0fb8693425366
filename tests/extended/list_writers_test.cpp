// The writers of list boxes, combo boxes, memos, radio groups, edit and list
// variants over the form tree: when each takes its variable, what it does
// with the objects it holds, and which of two stored lists it writes.
#include <gtest/gtest.h>

#include <string>

#include "extended/writer_fixture.h"

namespace vornic {
namespace {

struct Writer {
  const char* class_name;
  const char* list;        // its list of strings
  bool named_before_held;  // takes its variable before what it holds
};

const Writer kWriters[] = {
    {"TListBox", "Items.Strings", false},     {"TComboBox", "Items.Strings", false},
    {"TMemo", "Lines.Strings", false},        {"TRadioGroup", "Items.Strings", true},
    {"TCheckListBox", "Items.Strings", true}, {"TColorBox", "Items.Strings", true},
    {"TComboBoxEx", "Items.Strings", true},   {"TRichEdit", "Lines.Strings", true},
    {"TMaskEdit", "Lines.Strings", true},
};

constexpr char kGeometry[] = "    Left = 8\n    Top = 8\n    Width = 120\n    Height = 90\n";

std::string Button(const std::string& name, const std::string& indent) {
  return indent + "object " + name + ": TButton\n" + indent + "  Left = 1\n" + indent +
         "  Top = 1\n" + indent + "  Width = 9\n" + indent + "  Height = 9\n" + indent + "end\n";
}

class ListWritersTest : public WriterFixture {
 protected:
  // The window variables declared, in order, each behind a "\n".
  std::string Windows() const {
    std::string windows;
    const std::string var = Lines("var");
    for (size_t at = var.find('\n'); at != std::string::npos; at = var.find('\n', at + 1)) {
      const std::string line = var.substr(at, var.find('\n', at + 1) - at);
      if (line.ends_with(": HWND;")) windows += line;
    }
    return windows;
  }
};

// A control without its whole box is not written, and leaves its name to
// the next control of that name.
TEST_F(ListWritersTest, ControlLeftOutTakesNoName) {
  for (const Writer& writer : kWriters) {
    SCOPED_TRACE(writer.class_name);
    WriteForm(std::string("  object Same: ") + writer.class_name + "\n    Left = 8\n  end\n" +
              Button("Same", "  "));
    EXPECT_EQ(Windows(), "\nSame: HWND;");
  }
}

// A control holding objects is written after them, as it is when it holds
// none. Radio groups and the edit and list variants name themselves before
// what they hold, list boxes, combo boxes and memos when they are written.
TEST_F(ListWritersTest, ControlHoldingObjectsIsWrittenAfterThem) {
  for (const Writer& writer : kWriters) {
    SCOPED_TRACE(writer.class_name);
    WriteForm(std::string("  object Box: ") + writer.class_name + "\n" + kGeometry + "    " +
              writer.list + " = (\n      'one')\n" + Button("BOX", "    ") + "  end\n");
    EXPECT_EQ(Windows(), writer.named_before_held ? "\nBOX_1: HWND;\nBox: HWND;"
                                                  : "\nBOX: HWND;\nBox_1: HWND;");
    const std::string body = Lines("bodymidle");
    const size_t button = body.find("BOX");
    ASSERT_NE(button, std::string::npos);
    EXPECT_NE(body.find(writer.named_before_held ? "\nBox:=" : "\nBox_1:=", button),
              std::string::npos);
  }
}

// A list stored twice is the last one, as a later value replaces an earlier.
TEST_F(ListWritersTest, ListStoredTwiceWritesTheLastOne) {
  for (const Writer& writer : kWriters) {
    if (std::string(writer.class_name) == "TColorBox" ||
        std::string(writer.class_name) == "TMaskEdit") {
      continue;  // they write no entries
    }
    SCOPED_TRACE(writer.class_name);
    WriteForm(std::string("  object Box: ") + writer.class_name + "\n" + kGeometry + "    " +
              writer.list + " = (\n      'early')\n    " + writer.list +
              " = (\n      'late')\n  end\n");
    const std::string body = Lines("bodymidle");
    EXPECT_NE(body.find("'late'"), std::string::npos);
    EXPECT_EQ(body.find("'early'"), std::string::npos);
  }
}

}  // namespace
}  // namespace vornic
