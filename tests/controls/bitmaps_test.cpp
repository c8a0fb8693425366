#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "builder/builder.h"
#include "output/program_text.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// Image and bit button lines fed straight to their generators, with the
// resource script written into a folder of the test's own.
class BitmapControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::path(::testing::TempDir()) /
           ("vornic_bmp_" + std::string(info->name()) + "_" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    builder_ = std::make_unique<TBuilder>((dir_ / "prog").string());
  }
  void TearDown() override { fs::remove_all(dir_); }

  // The lines of one object at `level`: its geometry, then its bitmap data
  // (none when `data` is empty), then its end line.
  void Object(const std::string& class_name, const std::string& name,
              const std::vector<std::string>& data, const std::string& height = "105",
              int level = 2) {
    const bool image = class_name == "TImage";
    Line(class_name, "object", "object", name + ":", class_name, level, 3);
    Line(class_name, "set", "Left", "=", "8", level, 3);
    Line(class_name, "set", "Top", "=", "16", level, 3);
    Line(class_name, "set", "Width", "=", "105", level, 3);
    if (!height.empty()) Line(class_name, "set", "Height", "=", height, level, 3);
    if (!data.empty()) {
      Line(class_name, "set", image ? "Picture.Data" : "Glyph.Data", "=", "{", level, 3);
      for (const std::string& text : data) Line(class_name, "", text, "", "", level, 1);
    }
    Line(class_name, "end", "end", "", "", level, 1);
  }

  void Line(const std::string& class_name, const std::string& kind, const std::string& word1,
            const std::string& word2, const std::string& word3, int level, int word_count) {
    const LineWords line{class_name, "", kind, word1, word2, word3, level, 0, word_count};
    if (class_name == "TImage") {
      builder_->BuildImage(dpr_, line);
    } else {
      builder_->BuildBitBtn(dpr_, line);
    }
  }

  std::string Script() const {
    std::ifstream in(dir_ / "prog.rc", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  static std::string Entry(const std::string& name, const std::string& lines) {
    return "BMP_" + name + " BITMAP\r\nBEGIN\r\n" + lines + "END\r\n\r\n";
  }

  fs::path dir_;
  TSDPR dpr_{"prog"};
  std::unique_ptr<TBuilder> builder_;
};

const std::string kVarFrame =
    "Var WinClass: TWndClassA;\r\n    Inst: HINST;\r\n    hWindow: HWND;\r\n    TheMessage: TMsg;";

TEST_F(BitmapControlsTest, ImageIsCreatedWithItsBitmapLoadedByName) {
  Object("TImage", "Image1", {"07544269746D617036030000424D3603", "00000000}"});

  EXPECT_EQ(dpr_.Section("bodymidle"),
            "\r\n  { Create a static image =========================================== }\r\n"
            "  Image1:= CreateWindow('Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,\r\n"
            "           8,16,105,105, hWindow, 0, Inst, nil);\r\n"
            "  { set image to static control }\r\n"
            "  SendMessage(Image1,STM_SETIMAGE,IMAGE_BITMAP,LParam(hImage1));\r\n");
  EXPECT_EQ(dpr_.Section("var"), kVarFrame + "\r\n    Image1: HWND;\r\n    hImage1: HBITMAP;");
  EXPECT_EQ(dpr_.Section("windowproccreatemidle"),
            "\r\n      { Load Image }\r\n      hImage1 := LoadBitmap(Inst,PChar('BMP_Image1'));");
  EXPECT_EQ(dpr_.Section("windowprocdestroymidle"), "\r\n      DeleteObject(hImage1);");
  EXPECT_EQ(dpr_.Section("windowproccommandmidle"), "");
  EXPECT_EQ(Script(), Entry("Image1", " '42 4D 36 03 00 00 00 00'\r\n"));
  EXPECT_TRUE(dpr_.HasResources);
  EXPECT_TRUE(builder_->ResourcesWritten);
  EXPECT_EQ(dpr_.FocusControl, "");
  EXPECT_EQ(builder_->ControlCount, 1);
  EXPECT_EQ(builder_->ListMarker, "");
}

TEST_F(BitmapControlsTest, BitButtonShowsItsClickHandlerAndTakesTheFocusOnce) {
  Object("TBitBtn", "BitBtn1", {"36030000AABB}"});
  Object("TBitBtn", "BitBtn2", {"36030000CCDD}"});

  EXPECT_EQ(dpr_.FocusControl, "BitBtn1");
  EXPECT_EQ(dpr_.Section("windowproccommandmidle"),
            "\r\n      if HWND(lParam) = BitBtn1 then MessageBox(hWindow,'BitBtn1Click','Check',MB_OK);"
            "\r\n      if HWND(lParam) = BitBtn2 then MessageBox(hWindow,'BitBtn2Click','Check',MB_OK);");
  const std::string& body = dpr_.Section("bodymidle");
  EXPECT_EQ(body.substr(0, body.find("\r\n  BitBtn2")),
            "\r\n  { Create a bit button ============================================= }\r\n"
            "  BitBtn1:= CreateWindow('Button','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or "
            "BS_BITMAP,\r\n"
            "            8,16,105,105, hWindow, 0, Inst, nil);\r\n"
            "  { set image to button }\r\n"
            "  SendMessage(BitBtn1,BM_SETIMAGE,IMAGE_BITMAP,LParam(hBitBtn1));\r\n"
            "\r\n  { Create a bit button ============================================= }");
  EXPECT_EQ(Script(), Entry("BitBtn1", " 'AA BB'\r\n") + Entry("BitBtn2", " 'CC DD'\r\n"));
  EXPECT_EQ(builder_->ControlCount, 2);
}

TEST_F(BitmapControlsTest, AllBitmapsShareOneScriptAndOneResourceLine) {
  const std::string prefix = "07544269746D617036030000";
  Object("TImage", "Image1", {prefix + "11}"});
  Object("TBitBtn", "BitBtn1", {"0000000022}"});
  Object("TImage", "Image2", {prefix + "33}"});

  EXPECT_EQ(Script(), Entry("Image1", " '11'\r\n") + Entry("BitBtn1", " '22'\r\n") +
                          Entry("Image2", " '33'\r\n"));
  dpr_.Compose();
  const std::string& program = dpr_.ComposedText;
  const size_t first = program.find("{$R *.RES}");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(program.find("{$R *.RES}", first + 1), std::string::npos);
  EXPECT_EQ(builder_->ControlCount, 3);
}

TEST_F(BitmapControlsTest, ControlWithoutBitmapDataIsCreatedWithoutABitmap) {
  Object("TImage", "Image1", {});
  Object("TBitBtn", "BitBtn1", {});

  EXPECT_EQ(dpr_.Section("var"), kVarFrame + "\r\n    Image1: HWND;\r\n    BitBtn1: HWND;");
  EXPECT_EQ(dpr_.Section("bodymidle"),
            "\r\n  { Create a static image =========================================== }\r\n"
            "  Image1:= CreateWindow('Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,\r\n"
            "           8,16,105,105, hWindow, 0, Inst, nil);\r\n"
            "\r\n  { Create a bit button ============================================= }\r\n"
            "  BitBtn1:= CreateWindow('Button','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or "
            "BS_BITMAP,\r\n"
            "            8,16,105,105, hWindow, 0, Inst, nil);\r\n");
  EXPECT_EQ(dpr_.Section("windowproccommandmidle"),
            "\r\n      if HWND(lParam) = BitBtn1 then MessageBox(hWindow,'BitBtn1Click','Check',MB_OK);");
  EXPECT_EQ(dpr_.FocusControl, "BitBtn1");
  EXPECT_EQ(dpr_.Section("windowproccreatemidle"), "");
  EXPECT_EQ(dpr_.Section("windowprocdestroymidle"), "");
  EXPECT_FALSE(fs::exists(dir_ / "prog.rc"));
  EXPECT_FALSE(dpr_.HasResources);
  EXPECT_EQ(builder_->ControlCount, 2);

  // A later image with data still creates the script and raises the flag.
  Object("TImage", "Image2", {"07544269746D61703603000044}"});
  EXPECT_EQ(Script(), Entry("Image2", " '44'\r\n"));
  EXPECT_TRUE(dpr_.HasResources);
}

TEST_F(BitmapControlsTest, SkippedObjectLeavesNothingToTheNext) {
  const std::string prefix = "07544269746D617036030000";
  Object("TImage", "Image1", {prefix + "AAAA}"}, "");  // no Height: skipped
  Object("TImage", "Image2", {prefix + "BBBB}"}, "");  // must not take Image1's values
  EXPECT_EQ(builder_->ControlCount, 0);
  EXPECT_FALSE(fs::exists(dir_ / "prog.rc"));

  Object("TImage", "Image3", {prefix + "CCCC}"});
  EXPECT_EQ(Script(), Entry("Image3", " 'CC CC'\r\n"));
  EXPECT_EQ(builder_->ControlCount, 1);
}

TEST_F(BitmapControlsTest, ScriptGoesBesideTheProgram) {
  // An output name with no file-name part before its full stop: "dir/.dpr".
  builder_ = std::make_unique<TBuilder>((dir_ / "").string());
  Object("TImage", "Image1", {"07544269746D61703603000011}"});
  EXPECT_TRUE(fs::exists(dir_ / "noname.rc"));
  EXPECT_FALSE(fs::exists("noname.rc"));
}

TEST_F(BitmapControlsTest, NestedImageIsPlacedInTheFormsCoordinates) {
  // Through the dispatch, so the panel's position is on the level stack.
  const auto feed = [&](const std::string& class_name, const std::string& object,
                        const std::string& kind, const std::string& word1,
                        const std::string& word3, int level, int word_count) {
    const std::string word2 = kind == "object" ? object : kind == "set" ? "=" : "";
    builder_->ProcessLine(dpr_, class_name, object, kind, word1, word2, word3, level, 0,
                          word_count);
  };
  feed("TForm1", "Form1:", "object", "object", "TForm1", 1, 3);
  feed("TPanel", "Panel1:", "object", "object", "TPanel", 2, 3);
  feed("TPanel", "Panel1:", "set", "Left", "10", 2, 3);
  feed("TPanel", "Panel1:", "set", "Top", "20", 2, 3);
  feed("TImage", "Image1:", "object", "object", "TImage", 3, 3);
  for (const char* property : {"Left", "Top", "Width", "Height"}) {
    feed("TImage", "Image1:", "set", property, "4", 3, 3);
  }
  feed("TImage", "Image1:", "set", "Picture.Data", "{", 3, 3);
  feed("TImage", "Image1:", "", "07544269746D61703603000011}", "", 3, 1);
  feed("TImage", "Image1:", "end", "end", "", 3, 1);
  feed("TImage", "Image1:", "end", "end", "", 2, 1);  // the panel's end reaches the image

  EXPECT_NE(dpr_.Section("bodymidle").find("\r\n           14,24,4,4, hWindow"), std::string::npos);
  EXPECT_EQ(builder_->ControlCount, 1);
}

}  // namespace
}  // namespace vornic
