// The form tree as read from form text: every corpus form reads into a tree
// that writes back as the same text, and references find what they name.
#include "form/form_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>

#include "extended/class_table.h"
#include "form/form_text.h"
#include "form/references.h"
#include "input/form_text_lines.h"
#include "lib/errors.h"
#include "lib/text.h"
#include "support/corpus.h"

namespace vornic {
namespace {

// The lines as form text, each ending in CR LF.
std::string FormLines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

FormTree ReadTree(const std::string& text) {
  ClassTable classes;
  FormReader reader("form.txt", classes);
  reader.Add(text);
  reader.Finish();
  return reader.TakeTree();
}

TEST(FormReaderTest, ValuesOfEveryShapeReadBackAsWritten) {
  const std::string text = FormLines({
      "object Form1: TForm1",
      "  Caption = 'A'#13#10'B'",
      "  object ListBox1: TListBox",
      "    Left = 1",
      "    Items.Strings = (",
      "      'one'",
      "      'two')",
      "    Empty.Strings = ()",
      "  end",
      "  object Image1: TImage",
      "    Picture.Data = {",
      "      00112233445566778899AABBCCDDEEFF00112233445566778899AABBCCDDEEFF",
      "      0A0B0C}",
      "    Glyph.Data = {0A0B}",
      "  end",
      "  object StatusBar1: TStatusBar",
      "    Panels = <",
      "      item",
      "        Width = 50",
      "        Lines = (",
      "          'x')",
      "      end",
      "      item",
      "        Width = 60",
      "      end>",
      "  end",
      "  inherited Frame: TFrame2 [3]",
      "  end",
      "end",
  });
  const FormTree tree = ReadTree(text);
  ASSERT_NE(tree.root, nullptr);
  EXPECT_EQ(FormText(*tree.root), text);
  const FormObject& list = *tree.root->children[0];
  EXPECT_EQ(list.Find("Items.Strings")->entries.size(), 2u);
  EXPECT_EQ(list.Find("Items.Strings")->entries[1], "'two'");
  EXPECT_EQ(tree.root->children[1]->Find("Picture.Data")->data.substr(64), "0A0B0C");
  EXPECT_EQ(tree.root->children[1]->Find("Glyph.Data")->data, "0A0B");
  const FormProperty& panels = *tree.root->children[2]->Find("Panels");
  ASSERT_EQ(panels.items.size(), 2u);
  EXPECT_EQ(panels.items[1].Value("Width"), "60");
  EXPECT_EQ(tree.root->children[3]->order, 3);
  EXPECT_EQ(list.line, 3);
  EXPECT_EQ(list.end_line, 9);
  EXPECT_EQ(list.parent, tree.root.get());
}

TEST(FormReaderTest, LostEndLinesCloseByLevelAndNothingAfterTheRootIsRead) {
  const FormTree tree = ReadTree(FormLines({
      "object Form1: TForm1",
      "  object Panel1: TPanel",
      "    object Button1: TButton",
      "  object Panel2: TPanel",
      "  end",
      "end",
      "object Other: TForm1",
      "end",
  }));
  ASSERT_EQ(tree.root->children.size(), 2u);
  EXPECT_EQ(tree.root->children[0]->children.size(), 1u);
  EXPECT_EQ(tree.root->children[0]->end_line, 0);
}

TEST(FormReaderTest, ValueChecksFailAtTheirLine) {
  ClassTable classes;
  FormReader reader("form.txt", classes);
  try {
    reader.Add(FormLines({"object Form1: TForm1", "  object Label1: TLabel", "    Left = abc"}));
    reader.Finish();
    FAIL() << "no error";
  } catch (const EParserError& error) {
    EXPECT_STREQ(error.what(), "[Error] form.txt(3):     Left = abc");
  }
}

TEST(FormReaderTest, ReferencesFindTheirObjectsWhereverTheyStand) {
  FormTree tree = ReadTree(FormLines({
      "object Form1: TForm1",
      "  ActiveControl = Frame1.Edit1",
      "  object Button1: TButton",
      "    Images = imagelist1",
      "    PopupMenu = Form1.Popup",
      "    Action = Other.Action1",
      "  end",
      "  inline Frame1: TFrame1",
      "    object Edit1: TEdit",
      "      PopupMenu = Popup",
      "    end",
      "    object Popup: TPopupMenu",
      "    end",
      "  end",
      "  object Popup: TPopupMenu",
      "  end",
      "  object ImageList1: TImageList",
      "  end",
      "end",
  }));
  const std::vector<UnresolvedReference> unresolved = ResolveReferences(tree);
  const FormObject& root = *tree.root;
  const FormObject& button = *root.children[0];
  const FormObject& frame = *root.children[1];
  EXPECT_EQ(root.Target("ActiveControl"), frame.children[0].get());
  EXPECT_EQ(button.Target("Images"), root.children[3].get());
  EXPECT_EQ(button.Target("PopupMenu"), root.children[2].get());
  EXPECT_EQ(frame.children[0]->Target("PopupMenu"), frame.children[1].get());
  ASSERT_EQ(unresolved.size(), 1u);
  EXPECT_EQ(unresolved[0].property->name, "Action");
}

// The logical lines of a form text up to its root's end, as the reader sees
// them: continued strings joined, blank lines left out.
class LogicalLines : public FormTextLines::Receiver {
 public:
  std::string text;

  void OnLine(std::string_view line, int /*line_number*/) override {
    if (done_ || IsBlankText(line)) return;
    text += std::string(line) + "\r\n";
    done_ = line.substr(0, 3) == "end";
  }

 private:
  bool done_ = false;
};

std::string WithoutIndents(const std::string& text) {
  std::string result;
  bool line_start = true;
  for (char c : text) {
    if (line_start && c == ' ') continue;
    line_start = c == '\n';
    result += c;
  }
  return result;
}

// Every corpus form in text reads into a tree that writes it back line for
// line: nothing of it is lost or moved.
TEST(FormReaderTest, CorpusFormsWriteBackAsTheyWereRead) {
  const std::filesystem::path corpus = CorpusDir() / "text";
  if (!std::filesystem::exists(corpus)) GTEST_SKIP() << "no form corpus in " << corpus;
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    std::ifstream file(entry.path(), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const FormTree tree = ReadTree(bytes.str());
    ASSERT_NE(tree.root, nullptr) << entry.path();
    LogicalLines lines;
    FormTextLines cutter(lines);
    cutter.Add(bytes.str());
    cutter.Finish();
    // A continued entry may stand deeper than the entries around it.
    EXPECT_EQ(WithoutIndents(FormText(*tree.root)), WithoutIndents(lines.text)) << entry.path();
    ++compared;
  }
  EXPECT_GT(compared, 0);
}

}  // namespace
}  // namespace vornic
