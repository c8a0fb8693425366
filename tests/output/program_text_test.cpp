#include "output/program_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "lib/file_replacement.h"

namespace vornic {
namespace {

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
  return lines;
}

TEST(ProgramTextTest, EmptyProgramIsTheSixtyTwoLineFrame) {
  TSDPR dpr("form");
  dpr.Compose();
  const std::string file = ::testing::TempDir() + "frame.dpr";
  FileReplacement program(file);
  dpr.SaveTo(program);
  program.Finish();
  program.Commit();
  std::ifstream in(file, std::ios::binary);
  std::stringstream saved;
  saved << in.rdbuf();
  std::remove(file.c_str());

  const std::vector<std::string> lines = SplitCrLf(saved.str());
  ASSERT_EQ(lines.size(), 62u);
  EXPECT_EQ(lines[0], "Program form ;");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "Uses Windows, Messages, CommCtrl;");
  EXPECT_EQ(lines[4], "Var WinClass: TWndClassA;");
  EXPECT_EQ(lines[7], "    TheMessage: TMsg;");
  EXPECT_EQ(lines[8], "");
  EXPECT_EQ(lines[9], "{ Custom WindowProc function }");
  EXPECT_EQ(lines[15], "    WM_CREATE: begin");
  EXPECT_EQ(lines[18], "      exit;");
  EXPECT_EQ(lines[20], "");
  EXPECT_EQ(lines[21], "    WM_DESTROY: begin");
  EXPECT_EQ(lines[26], "    Result := DefWindowProc(hWindow, Message, wParam, lParam);");
  EXPECT_EQ(lines[28], "end;");
  EXPECT_EQ(lines[29], "");
  EXPECT_EQ(lines[30], "begin");
  EXPECT_EQ(lines[35], "    style              := CS_CLASSDC or CS_PARENTDC;");
  EXPECT_EQ(lines[46], "  { Create Main Window }");
  EXPECT_EQ(lines[47], "");
  EXPECT_EQ(lines[49], "");
  EXPECT_EQ(lines[50], "  UpdateWindow(hWindow);");
  EXPECT_EQ(lines[59], "end.");
  EXPECT_EQ(lines[60], "");
  EXPECT_EQ(lines[61], "");
}

TEST(ProgramTextTest, AddTextAppendsByExactName) {
  TSDPR dpr("p");
  dpr.AddText("bodymidle", "x");
  dpr.AddText("bodymidle", "x");
  EXPECT_EQ(dpr.Section("bodymidle"), "x\r\nx\r\n");
  const std::string var = dpr.Section("var");
  dpr.AddText("var", "x");
  dpr.AddText("var", "x");
  EXPECT_EQ(dpr.Section("var"), var + "xx");
  dpr.Compose();
  const std::string before = dpr.ComposedText;
  dpr.AddText("Var", "y");
  dpr.AddText("body", "y");
  dpr.Compose();
  EXPECT_EQ(dpr.ComposedText, before);
}

// A section grows in pieces: texts that end exactly at a piece's end, cross
// it, or span several pieces must keep every byte in its order.
TEST(ProgramTextTest, LargeSectionsKeepEveryByteInOrder) {
  TSDPR dpr("p");
  std::string expected = dpr.Section("var");
  for (size_t size : {10u, 65526u, 1u, 65535u, 2u, 200000u, 65536u, 3u}) {
    std::string text;
    for (size_t i = 0; i < size; ++i) text += static_cast<char>('a' + (expected.size() + i) % 26);
    dpr.AddText("var", text);
    expected += text;
  }
  EXPECT_TRUE(dpr.Section("var") == expected);  // no dump of half a megabyte
  dpr.Compose();
  const std::string file = ::testing::TempDir() + "large.dpr";
  FileReplacement program(file);
  dpr.SaveTo(program);
  program.Finish();
  program.Commit();
  std::ifstream in(file, std::ios::binary);
  std::stringstream saved;
  saved << in.rdbuf();
  std::remove(file.c_str());
  EXPECT_TRUE(saved.str() == dpr.ComposedText + "\r\n");
  EXPECT_NE(dpr.ComposedText.find(expected), std::string::npos);
}

TEST(ProgramTextTest, AddTextOnceWritesATextOncePerSection) {
  TSDPR dpr("p");
  const std::string var = dpr.Section("var");
  EXPECT_TRUE(dpr.AddTextOnce("var", "\r\n    A: Integer;"));
  EXPECT_FALSE(dpr.AddTextOnce("var", "\r\n    A: Integer;"));
  dpr.AddText("var", "\r\n    A: Integer;");
  EXPECT_EQ(dpr.Section("var"), var + "\r\n    A: Integer;\r\n    A: Integer;");
  EXPECT_TRUE(dpr.AddTextOnce("bodymidle", "\r\n    A: Integer;"));
  EXPECT_EQ(dpr.Section("bodymidle"), "\r\n    A: Integer;\r\n");
}

TEST(ProgramTextTest, SizeHandlerFocusAndResourcesAppearOnlyWhenSet) {
  TSDPR dpr("p");
  dpr.AddText("windowprocwmsizemidle", "\r\n      SIZE;");
  dpr.Compose();
  EXPECT_EQ(dpr.ComposedText.find("SIZE;"), std::string::npos);
  EXPECT_EQ(dpr.ComposedText.find("{$R *.RES}"), std::string::npos);

  dpr.HasSizeHandler = true;
  dpr.HasResources = true;
  dpr.FocusControl = "Edit1";
  dpr.ShowWindowLine = "  ShowWindow(hWindow,SW_NORMAL);\r\n";
  dpr.Compose();
  const std::vector<std::string> lines = SplitCrLf(dpr.ComposedText);
  EXPECT_EQ(lines[3], "{$R *.RES}");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[21], "    WM_SIZE: begin");
  EXPECT_EQ(lines[22], "      SIZE;");
  EXPECT_EQ(lines[23], "    end;");
  EXPECT_NE(dpr.ComposedText.find("\r\n\r\n  SetFocus(Edit1);\r\n  ShowWindow(hWindow,SW_NORMAL);"
                                  "\r\n\r\n  UpdateWindow(hWindow);"),
            std::string::npos);
}

}  // namespace
}  // namespace vornic
