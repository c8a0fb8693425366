// Images and bit buttons: their code in the program and their script entries.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "controls/control_fixture.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// Scripts go into a folder of the test's own, removed afterwards.
class BitmapTest : public ControlFixture {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::path(::testing::TempDir()) /
           ("vornic_bmp_" + std::string(info->name()) + "_" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    builder_.OutputBaseName = (dir_ / "prog").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  // An object on the form at 8,16 of size 105 × `height` (no Height line when
  // empty), with its bitmap property only when there are data lines.
  static std::vector<std::string> Object(const std::string& name, const std::string& class_name,
                                         const std::vector<std::string>& data,
                                         const std::string& height = "105") {
    std::vector<std::string> lines{"  object " + name + ": " + class_name, "    Left = 8",
                                   "    Top = 16", "    Width = 105"};
    if (!height.empty()) lines.push_back("    Height = " + height);
    if (!data.empty()) {
      lines.push_back(class_name == "TImage" ? "    Picture.Data = {" : "    Glyph.Data = {");
      for (const std::string& text : data) lines.push_back("      " + text);
    }
    lines.push_back("  end");
    return lines;
  }

  // The script written so far, which the driver would put in place at the end.
  std::string Script() {
    FileReplacement* script = builder_.BitmapStore.script();
    if (script == nullptr) return "";
    EXPECT_EQ(script->target(), (dir_ / "prog.rc").string());
    script->stream().flush();
    std::ifstream in(script->temporary_name(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  static std::string Entry(const std::string& name, const std::string& lines) {
    return "BMP_" + name + " BITMAP\r\nBEGIN\r\n" + lines + "END\r\n\r\n";
  }

  fs::path dir_;
};

const std::string kClassAndSize = "07544269746D617036030000";  // dropped from image data
const std::string kBitmapFile = kClassAndSize + "424D";        // "BM" behind them

TEST_F(BitmapTest, ImageIsCreatedWithItsBitmapLoadedByName) {
  Feed(Object("Image1", "TImage", {kClassAndSize + "424D3603", "00000000}"}));

  EXPECT_EQ(Added("bodymidle"),
            "\r\n" + Banner("Create a static image") +
                "\r\n  Image1:= CreateWindow('Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,\r\n"
                "           8,16,105,105, hWindow, 0, Inst, nil);\r\n"
                "  { set image to static control }\r\n"
                "  SendMessage(Image1,STM_SETIMAGE,IMAGE_BITMAP,LParam(hImage1));\r\n");
  EXPECT_EQ(Added("var"), "\r\n    Image1: HWND;\r\n    hImage1: HBITMAP;");
  EXPECT_EQ(Added("windowproccreatemidle"),
            "\r\n      { Load Image }\r\n      hImage1 := LoadBitmap(Inst,PChar('BMP_Image1'));");
  EXPECT_EQ(Added("windowprocdestroymidle"), "\r\n      DeleteObject(hImage1);");
  EXPECT_EQ(Added("windowproccommandmidle"), "");
  EXPECT_EQ(Script(), Entry("Image1", " '42 4D 36 03 00 00 00 00'\r\n"));
  EXPECT_TRUE(dpr_.HasResources);
  EXPECT_EQ(dpr_.FocusControl, "");
  EXPECT_EQ(builder_.ControlCount, 1);
}

TEST_F(BitmapTest, BitButtonShowsItsClickHandlerAndTakesTheFocusOnce) {
  Feed(Object("BitBtn1", "TBitBtn", {"36030000424DAABB}"}));
  Feed(Object("BitBtn2", "TBitBtn", {"36030000424dCCDD}"}));

  EXPECT_EQ(dpr_.FocusControl, "BitBtn1");
  EXPECT_EQ(Added("windowproccommandmidle"),
            "\r\n      if HWND(lParam) = BitBtn1 then "
            "MessageBox(hWindow,'BitBtn1Click','Check',MB_OK);"
            "\r\n      if HWND(lParam) = BitBtn2 then "
            "MessageBox(hWindow,'BitBtn2Click','Check',MB_OK);");
  const std::string body = Added("bodymidle");
  EXPECT_EQ(body.substr(0, body.find("\r\n\r\n") + 2),
            "\r\n" + Banner("Create a bit button") +
                "\r\n  BitBtn1:= CreateWindow('Button','', WS_VISIBLE or WS_CHILD or WS_TABSTOP "
                "or BS_BITMAP,\r\n"
                "            8,16,105,105, hWindow, 0, Inst, nil);\r\n"
                "  { set image to button }\r\n"
                "  SendMessage(BitBtn1,BM_SETIMAGE,IMAGE_BITMAP,LParam(hBitBtn1));\r\n");
  EXPECT_EQ(Script(),
            Entry("BitBtn1", " '42 4D AA BB'\r\n") + Entry("BitBtn2", " '42 4d CC DD'\r\n"));
}

TEST_F(BitmapTest, AllBitmapsShareOneScriptAndOneResourceLine) {
  Feed(Object("Image1", "TImage", {kBitmapFile + "11}"}));
  Feed(Object("BitBtn1", "TBitBtn", {"00000000424D22}"}));
  Feed(Object("Image2", "TImage", {kBitmapFile + "33}"}));

  EXPECT_EQ(Script(), Entry("Image1", " '42 4D 11'\r\n") + Entry("BitBtn1", " '42 4D 22'\r\n") +
                          Entry("Image2", " '42 4D 33'\r\n"));
  dpr_.Compose();
  const std::string& program = dpr_.ComposedText;
  const size_t first = program.find("{$R *.RES}");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(program.find("{$R *.RES}", first + 1), std::string::npos);
  EXPECT_EQ(builder_.ControlCount, 3);
}

TEST_F(BitmapTest, ControlWithoutBitmapDataIsCreatedWithoutABitmap) {
  Feed(Object("Image1", "TImage", {}));
  Feed(Object("BitBtn1", "TBitBtn", {}));

  EXPECT_EQ(Added("var"), "\r\n    Image1: HWND;\r\n    BitBtn1: HWND;");
  EXPECT_EQ(Added("bodymidle"),
            "\r\n" + Banner("Create a static image") +
                "\r\n  Image1:= CreateWindow('Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,\r\n"
                "           8,16,105,105, hWindow, 0, Inst, nil);\r\n"
                "\r\n" +
                Banner("Create a bit button") +
                "\r\n  BitBtn1:= CreateWindow('Button','', WS_VISIBLE or WS_CHILD or WS_TABSTOP "
                "or BS_BITMAP,\r\n"
                "            8,16,105,105, hWindow, 0, Inst, nil);\r\n");
  EXPECT_EQ(Added("windowproccommandmidle"),
            "\r\n      if HWND(lParam) = BitBtn1 then "
            "MessageBox(hWindow,'BitBtn1Click','Check',MB_OK);");
  EXPECT_EQ(dpr_.FocusControl, "BitBtn1");
  EXPECT_EQ(Added("windowproccreatemidle"), "");
  EXPECT_EQ(Added("windowprocdestroymidle"), "");
  EXPECT_EQ(builder_.BitmapStore.script(), nullptr);
  EXPECT_FALSE(dpr_.HasResources);
  EXPECT_EQ(builder_.ControlCount, 2);

  // A later image with data still creates the script and raises the flag.
  Feed(Object("Image2", "TImage", {kBitmapFile + "44}"}));
  EXPECT_EQ(Script(), Entry("Image2", " '42 4D 44'\r\n"));
  EXPECT_TRUE(dpr_.HasResources);
}

// Only a bitmap file becomes a BITMAP resource: other pictures, and data
// without "BM" where the file should begin, give a control without a bitmap.
TEST_F(BitmapTest, DataThatHoldsNoBitmapFileGivesNoBitmap) {
  const std::string jpeg = "0A544A504547496D61676512340000FFD8FFE000104A464946}";
  const struct {
    const char* class_name;
    std::vector<std::string> data;
  } cases[] = {
      {"TImage", {jpeg}},
      {"TImage", {"09545", "06E67496D616765123400008950}"}},  // TPngImage
      {"TImage", {"055449636F6E12340000000001000100}"}},      // TIcon
      {"TImage", {"07544269746D617036030000}"}},              // TBitmap, no file
      {"TImage", {"07544269746D6170360300004D42}"}},          // TBitmap, not "BM"
      {"TImage", {"08544269746D617058360300004D42}"}},        // another class
      {"TBitBtn", {"36030000FFD8FFE0}"}},
      {"TBitBtn", {"424D}"}},
  };
  for (const auto& [class_name, data] : cases) {
    Feed(Object("Control1", class_name, data));
  }
  // Eight objects of one name: each later one gets the next free suffix.
  std::string declarations = "\r\n    Control1: HWND;";
  for (int i = 1; i < 8; ++i) declarations += "\r\n    Control1_" + std::to_string(i) + ": HWND;";
  EXPECT_EQ(Added("var"), declarations);
  EXPECT_EQ(Added("windowproccreatemidle"), "");
  EXPECT_EQ(builder_.BitmapStore.script(), nullptr);
  EXPECT_FALSE(dpr_.HasResources);
  EXPECT_EQ(builder_.ControlCount, 8);
  // The script drops the class and size from the first line alone, so the
  // file must begin there; hexadecimal of either case is read.
  Feed(Object("Image1", "TImage", {"07544269", "746d61703603", "0000424d}"}));
  EXPECT_EQ(builder_.BitmapStore.script(), nullptr);
  Feed(Object("Image2", "TImage", {"07544269746d617036030000424d", "}"}));
  EXPECT_EQ(Script(), Entry("Image2", " '42 4d'\r\n"));
}

TEST_F(BitmapTest, SkippedObjectLeavesNothingToTheNext) {
  Feed(Object("Image1", "TImage", {kBitmapFile + "AAAA}"}, ""));  // no Height: skipped
  Feed(Object("Image2", "TImage", {kBitmapFile + "BBBB}"}, ""));  // takes nothing from Image1
  EXPECT_EQ(builder_.ControlCount, 0);
  EXPECT_EQ(builder_.BitmapStore.script(), nullptr);

  Feed(Object("Image3", "TImage", {kBitmapFile + "CCCC}"}));
  EXPECT_EQ(Script(), Entry("Image3", " '42 4D CC CC'\r\n"));
  EXPECT_EQ(builder_.ControlCount, 1);
}

TEST_F(BitmapTest, NestedImageIsPlacedInTheFormsCoordinates) {
  Feed({"object Form1: TForm1", "  object Panel1: TPanel", "    Left = 10", "    Top = 20",
        "    object Image1: TImage", "      Left = 4", "      Top = 4", "      Width = 4",
        "      Height = 4", "      Picture.Data = {", "        " + kBitmapFile + "11}", "    end",
        "  end"});
  EXPECT_NE(Added("bodymidle").find("\r\n           14,24,4,4, hWindow"), std::string::npos);
  EXPECT_EQ(builder_.ControlCount, 1);
}

TEST_F(BitmapTest, ScriptOfANamelessProgramGoesBesideIt) {
  // The output name "dir/.dpr" has no file-name part before its full stop.
  builder_.OutputBaseName = (dir_ / "").string();
  Feed(Object("Image1", "TImage", {kBitmapFile + "11}"}));
  ASSERT_NE(builder_.BitmapStore.script(), nullptr);
  EXPECT_EQ(builder_.BitmapStore.script()->target(), (dir_ / "noname.rc").string());
}

}  // namespace
}  // namespace vornic
