// The extended translation's class table: one row per class it writes, with
// the writer of its objects and the values that writer copies into the
// program. Adding a class is one row here and one writer file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "builder/value_checks.h"
#include "extended/class_aliases.h"
#include "extended/control_writer.h"
#include "form/form_reader.h"

namespace vornic {

/// A list value whose lines a writer copies, and how they are checked:
/// "lb_is" for string entries, "image_is" for lines of bitmap data, "int_is"
/// for integer entries.
struct ListCheck {
  std::string_view property;
  std::string_view marker;
};

/// Everything the extended translation knows about one class.
struct WrittenClass {
  const char* class_name;  // in capitals
  WriterFactory writer;
  PropertyList checks;  // the values its writer copies into the program
  std::vector<ListCheck> lists = {};
};

/// The classes with the user's aliases; also the rules by which the form
/// reader checks each object's lines.
class ClassTable : public ReadingRules {
 public:
  explicit ClassTable(ClassAliases aliases = ClassAliases());

  /// The row `class_name` is written by, compared in capitals; nullptr for a
  /// class nothing writes. A user's alias wins over the class's own row, a
  /// built-in one applies only to a class without a row, aliases of aliases
  /// are followed, and a class that neither names is guessed: a Unicode
  /// wrapper as the class it wraps (WrappedClass), else by the end of its
  /// name (ClassByEnding). `guessed` says whether the row is a guess (also
  /// through a built-in alias of another library's class).
  const WrittenClass* Find(const std::string& class_name, bool* guessed = nullptr) const;
  /// The row of the root object, whatever its class: the main window.
  static const WrittenClass& MainWindow();
  /// The row of a frame placed on the form ("inline"), whatever its class.
  static const WrittenClass& Frame();
  /// The row `object` is written by, nullptr when nothing of it is written.
  const WrittenClass* RowFor(const FormObject& object) const;
  /// The writer of `object`: its row's, a placeholder's for a visual control
  /// that no row writes (NeedsPlaceholder), else nullptr.
  std::unique_ptr<ControlWriter> WriterFor(const FormObject& object) const;

  ObjectRules RulesFor(const FormObject& object, bool is_root) const override;

 private:
  /// The row that `upper`, a class nothing names, is taken for.
  const WrittenClass* Guess(const std::string& upper, bool* guessed) const;

  ClassAliases aliases_;
};

}  // namespace vornic
