// A fixture for tests of the extended translation's writers: form text read
// into a tree and written, as the driver does, and what each section of the
// program gained.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>

#include "builder/program_names.h"
#include "extended/class_table.h"
#include "extended/form_writer.h"
#include "form/form_reader.h"
#include "form/references.h"
#include "output/program_text.h"

namespace vornic {

class WriterFixture : public ::testing::Test {
 protected:
  /// Writes a form holding `objects` (form text, LF line ends) and `values`.
  void WriteForm(const std::string& objects, const std::string& values = "") {
    ClassTable classes;
    FormReader reader("form.txt", classes);
    reader.Add("object Form1: TForm1\n  ClientHeight = 300\n  ClientWidth = 400\n" + values +
               "  TextHeight = 13\n" + objects + "end\n");
    reader.Finish();
    FormTree tree = reader.TakeTree();
    ResolveReferences(tree);
    ProgramNames names;
    names.ReserveExtendedIdentifiers();
    program_ = std::make_unique<TSDPR>("form");
    FormWriter writer(*program_, names, classes, "form");
    writer.Write(tree);
  }

  /// What the form added to `section` of the program's frame, its lines
  /// separated by "\n" without their indentation.
  std::string Lines(const std::string& section) const {
    static const TSDPR kFrame("form");
    static const std::regex kLineStart("\r\n *");
    const std::string added = program_->Section(section).substr(kFrame.Section(section).size());
    return std::regex_replace(added, kLineStart, "\n");
  }

  std::unique_ptr<TSDPR> program_;
};

}  // namespace vornic
