// Feeds a builder the lines of a small form the way the driver and the line
// parser would, so tests describe forms as objects, properties and ends.
#pragma once

#include <string>
#include <vector>

#include "builder/builder.h"
#include "output/program_text.h"

namespace vornic {

/// Keeps the parser's persistent outputs (class and object name of the most
/// recent object line, level of the most recent object or end line) and
/// passes them to ProcessLine with each line. Borrows both arguments.
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
  void Feed(const std::string& kind, const std::string& word1, const std::string& word2,
            const std::string& word3, int indent, int word_count);

  TBuilder& builder_;
  TSDPR& dpr_;
  int depth_ = 0;  // objects open
  std::string class_name_;
  std::string object_name_;
  int level_ = 0;
};

/// Runs the end of a conversion (graphics, fonts, compose) and returns the program.
std::string FinishProgram(TBuilder& builder, TSDPR& dpr);

/// The lines of a CR LF text; the text must end with CR LF.
std::vector<std::string> SplitCrLf(const std::string& text);

}  // namespace vornic
