// ProgramNames: the run-wide registry of the identifiers that the generated
// program declares for the form's names, so that every one compiles and none
// hides another.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "lib/text_rows.h"

namespace vornic {

/// Hands out the program's identifiers for the names a form gives. The
/// compiler compares identifiers without regard to case, and so does the
/// registry; lookups take constant expected time.
class ProgramNames {
 public:
  ProgramNames() = default;
  ProgramNames(const ProgramNames&) = delete;
  ProgramNames& operator=(const ProgramNames&) = delete;

  /// The identifier for `name`, taken for the rest of the run: `name` made
  /// ASCII (AsciiIdentifier), or, when that is a reserved word, an identifier
  /// of the program's own texts or taken already, the first of it + "_1",
  /// "_2", ... that is none of these. With a `companion` prefix the
  /// identifier prefix + result must be free as well and is taken with it,
  /// for a control that declares a second variable named so.
  /// REQUIRES: `name` is not empty.
  std::string Take(const std::string& name, const std::string& companion = "");
  /// Keeps from the form's names, too, the identifiers that only the extended
  /// program uses; the exact translation leaves them to the form, so that it
  /// names every control as it always did.
  void ReserveExtendedIdentifiers();
  /// Keeps `identifiers` (in any case) from the form's names as well: those
  /// of a program that calls event handlers.
  void ReserveIdentifiers(const std::vector<std::string>& identifiers);
  /// The identifiers Take gave for `name` (compared in capitals), oldest
  /// first; empty when it gave none. A control that names another one (an
  /// up-down its buddy) finds the other's variable here.
  std::vector<std::string> TakenFor(const std::string& name) const;

 private:
  /// Whether `upper` may be taken, `row` being its row in names_ (0: none).
  bool IsFree(const std::string& upper, int row) const;
  bool IsFree(const std::string& upper) const;
  /// The row of `upper` in names_, added when new.
  int RowOf(const std::string& upper);
  /// Records that `identifier` was given for the name `upper_name`.
  void RecordGiven(const std::string& upper_name, const std::string& identifier);

  bool extended_ = false;  // the extended program's identifiers are kept too
  std::unordered_set<std::string> reserved_;  // more identifiers kept, in capitals
  // Every name in capitals that was taken or had suffixes tried, once: a
  // name is mostly both.
  TextRows names_{1};
  std::vector<bool> taken_;       // taken_[row - 1]: the name is taken
  std::vector<int> next_suffix_;  // for the name as a base: the suffixes below are taken
  // The names Take was called with, in capitals, each once; and the
  // identifiers it gave, in order, each linked to the next given for the
  // same name. Rows of text rather than a map of strings: a form of many
  // controls records one identifier per control.
  TextRows given_names_{1};
  std::vector<int> first_given_;  // first_given_[name row - 1]: its first identifier's row
  std::vector<int> last_given_;   // last_given_[name row - 1]: its latest identifier's row
  TextRows given_{1};
  std::vector<int> next_given_;   // next_given_[row - 1]: the next for the same name, 0: none
};

}  // namespace vornic
