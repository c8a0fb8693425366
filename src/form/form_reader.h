// FormReader: reads form text, handed over in pieces as it is read or
// converted, into a FormTree, checking every value that will reach the
// program as its line goes by.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "builder/value_checks.h"
#include "form/form_object.h"
#include "input/form_text_lines.h"
#include "input/form_text_sink.h"
#include "input/line_parser.h"

namespace vornic {

/// What the lines of one object must hold before any of it may reach the
/// program.
struct ObjectRules {
  ObjectChecks checks;  // the values its writer copies into the program
  // Its class went by its name's ending: a value that class cannot hold
  // leaves the object out (FormObject::left_out) instead of failing the form.
  bool by_ending = false;
  ObjectChecks if_left_out;  // the checks that stay once it is left out
  // The list values whose entries its writer copies, each with the marker
  // that says how its lines are checked ("lb_is": string literals,
  // "image_is": bitmap data).
  std::vector<std::pair<std::string_view, std::string_view>> list_markers;
};

/// Decides the rules of each object as its object line is read.
class ReadingRules {
 public:
  virtual ~ReadingRules() = default;
  /// The rules of `object`, whose class, name and kind are read; `is_root`
  /// for the form itself.
  virtual ObjectRules RulesFor(const FormObject& object, bool is_root) const = 0;
};

/// Reads the non-blank logical lines of a form text up to the root object's
/// end (the first unindented "end" line) into a tree. A line that fails
/// throws EParserError "[Error] <text_name>(<number>): <line>". The rules are
/// borrowed and must outlive the reader.
class FormReader : public FormTextSink, private FormTextLines::Receiver {
 public:
  FormReader(const std::string& text_name, const ReadingRules& rules);
  FormReader(const FormReader&) = delete;
  FormReader& operator=(const FormReader&) = delete;

  void Add(std::string_view bytes) override;
  void Finish() override;
  bool done() const override { return done_ || lines_.ended(); }

  /// The tree read. REQUIRES: Finish() has returned.
  FormTree TakeTree();

 private:
  // A multi-line value being read, innermost last.
  struct OpenValue {
    FormProperty* property;
    std::string_view marker;  // how its entry lines are checked
    bool in_item = false;     // a collection between an "item" line and its end
  };
  struct OpenObjectEntry {
    FormObject* object;
    int level;
    ObjectRules rules;
    std::vector<OpenValue> values;  // its multi-line values being read
  };

  void OnLine(std::string_view line, int line_number) override;
  size_t TakeLines(std::string_view text, int& lines) override;

  void Read(const LineWords& line, int line_number);
  void BeginObject(const LineWords& line, int line_number);
  void SetProperty(const LineWords& line, int line_number);
  void ContinueValue(const LineWords& line, int line_number);
  /// Ends the object open at `level`, and whatever is still open inside it.
  bool EndObject(int level, int line_number);
  /// Checks a line of the innermost object against its rules; a line that
  /// does not fit an object whose class went by its ending leaves it out.
  void Check(const LineWords& line);
  /// Adds `word` to the data value being read; true when "}" closed it.
  bool AddData(OpenObjectEntry& open, std::string_view word);
  /// True while a list of string entries is open: every line up to its
  /// ")" is an entry, even one that reads like a property line.
  bool InStringList() const;
  /// The property list the next property line of the innermost object goes to.
  FormProperties& PropertyTarget(OpenObjectEntry& open);

  const std::string text_name_;
  const ReadingRules& rules_;
  TILineParser parser_;
  FormTextLines lines_{*this};
  FormTree tree_;
  std::vector<OpenObjectEntry> open_;  // levels rise strictly from first to last
  bool done_ = false;                  // the root object's end line has been read
  std::string head_;                   // the first bytes of the text, for its byte order mark
};

}  // namespace vornic
