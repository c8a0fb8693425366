// Feeds a builder the lines of a small form through the line parser, the way
// the driver does, so tests describe forms as objects, properties and ends.
#pragma once

#include <string>
#include <vector>

#include "builder/builder.h"
#include "input/line_parser.h"
#include "output/program_text.h"

namespace vornic {

/// Writes each line as form text indents it and hands it to a line parser,
/// whose outputs go to ProcessLine. Borrows both arguments.
class FormLines {
 public:
  FormLines(TBuilder& builder, TSDPR& dpr) : builder_(builder), dpr_(dpr) {}

  /// "object <name> <class>" one level below the innermost open object; an
  /// empty name gives the line of an object written without one.
  FormLines& Object(const std::string& name, const std::string& class_name);
  /// "<property> = <value>" inside the innermost open object.
  FormLines& Set(const std::string& property, const std::string& value);
  /// A continuation line of a multi-line value: kind empty, one word.
  FormLines& Item(const std::string& word);
  /// "end" of the innermost open object.
  FormLines& End();
  /// Ends every object still open.
  FormLines& EndAll();

  int depth() const { return depth_; }

 private:
  /// Parses `text` indented by `indent` blanks and processes it.
  void Feed(int indent, const std::string& text);

  TBuilder& builder_;
  TSDPR& dpr_;
  TILineParser parser_;
  int depth_ = 0;  // objects open
  int line_number_ = 0;
};

/// Runs the end of a conversion (graphics, fonts, compose) and returns the program.
std::string FinishProgram(TBuilder& builder, TSDPR& dpr);

/// The lines of a CR LF text; the text must end with CR LF.
std::vector<std::string> SplitCrLf(const std::string& text);

}  // namespace vornic
