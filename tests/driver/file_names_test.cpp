#include "driver/file_names.h"

#include <gtest/gtest.h>

namespace vornic {
namespace {

TEST(FileNamesTest, ExtensionIsTheTailAfterTheLastFullStopOfTheFilePart) {
  EXPECT_EQ(ExtractExtension("form.dfm"), ".dfm");
  EXPECT_EQ(ExtractExtension("form.tar.TXT"), ".TXT");
  EXPECT_EQ(ExtractExtension("form."), ".");
  EXPECT_EQ(ExtractExtension("form"), "");
  EXPECT_EQ(ExtractExtension("dir.v1\\form"), "");
  EXPECT_EQ(ExtractExtension("dir.v1/form"), "");
  EXPECT_EQ(ExtractExtension("a.b:form"), "");
}

TEST(FileNamesTest, ChangeExtensionKeepsThePath) {
  EXPECT_EQ(ChangeExtension("dir/form.txt", ".dpr"), "dir/form.dpr");
  EXPECT_EQ(ChangeExtension("C:\\work\\form.dfm", ".txt"), "C:\\work\\form.txt");
  EXPECT_EQ(ChangeExtension("my.form.txt", ".dfm"), "my.form.dfm");
  EXPECT_EQ(ChangeExtension("build.v1/form", ".dpr"), "build.v1/form.dpr");
}

TEST(FileNamesTest, OutputNameIsTheSecondArgumentOrTheInputAsProgram) {
  EXPECT_EQ(OutputNameFor({"form.txt"}), "form.dpr");
  EXPECT_EQ(OutputNameFor({"dir/form.dfm"}), "dir/form.dpr");
  EXPECT_EQ(OutputNameFor({"form.txt", "out.pas", "ignored"}), "out.pas");
  EXPECT_EQ(OutputNameFor({"form.txt", "out"}), "out");
  EXPECT_EQ(OutputNameFor({"form.txt", ""}), "");
}

TEST(FileNamesTest, BaseNameKeepsTheDirectoryAndCutsTheFileAtItsFirstFullStop) {
  EXPECT_EQ(OutputBaseNameFor("form.dpr"), "form");
  EXPECT_EQ(OutputBaseNameFor("my.out.pas"), "my");
  EXPECT_EQ(OutputBaseNameFor("build/v1.2/out.dpr"), "build/v1.2/out");
  EXPECT_EQ(OutputBaseNameFor("C:\\work.old\\out.dpr"), "C:\\work.old\\out");
  EXPECT_EQ(OutputBaseNameFor("C:out.dpr"), "C:out");
  EXPECT_EQ(OutputBaseNameFor("out"), "out");
  EXPECT_EQ(OutputBaseNameFor(""), "");
}

TEST(FileNamesTest, ProgramNameIsTheFilePartAlone) {
  EXPECT_EQ(ProgramNameFor("dir/form.dpr"), "form");
  EXPECT_EQ(ProgramNameFor("build/v1.2/out.dpr"), "out");
  EXPECT_EQ(ProgramNameFor("C:\\work\\out.dpr"), "out");
  EXPECT_EQ(ProgramNameFor("C:out.dpr"), "out");
  EXPECT_EQ(ProgramNameFor("my.out.pas"), "my");
  // Only an identifier compiles after "Program "; the script keeps the file's name.
  EXPECT_EQ(ProgramNameFor("dir/my-form 2.dpr"), "my_form_2");
  EXPECT_EQ(ProgramNameFor("2nd.dpr"), "_2nd");
  EXPECT_EQ(ProgramNameFor("dir/B\xC3\xB6rse.dpr"), "Borse");
  EXPECT_EQ(ProgramNameFor("dir/.dpr"), "noname");
  EXPECT_EQ(ProgramNameFor("dir/"), "noname");
  EXPECT_EQ(OutputBaseNameFor("dir/my-form 2.dpr"), "dir/my-form 2");
}

}  // namespace
}  // namespace vornic
