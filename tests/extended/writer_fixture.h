// A fixture for tests of the extended translation's writers: form text read
// into a tree and written, as the driver does, and what each section of the
// program gained.
#pragma once

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "support/program_fixture.h"

namespace vornic {

class WriterFixture : public ProgramFixture {
 protected:
  /// Writes a form holding `objects` (form text, LF line ends) and `values`;
  /// returns the report of its first failing line, empty when it is written.
  std::string WriteFormReport(const std::string& objects, const std::string& values = "") {
    return TranslateForm("object Form1: TForm1\n  ClientHeight = 300\n  ClientWidth = 400\n" +
                         values + "  TextHeight = 13\n" + objects + "end\n");
  }
  /// The same for a form that must be written.
  void WriteForm(const std::string& objects, const std::string& values = "") {
    ASSERT_EQ(WriteFormReport(objects, values), "");
  }

  /// What the form added to `section` of the program's frame, its lines
  /// separated by "\n" without their indentation.
  std::string Lines(const std::string& section) const {
    static const std::regex kLineStart("\r\n *");
    return std::regex_replace(Added(section), kLineStart, "\n");
  }
};

}  // namespace vornic
