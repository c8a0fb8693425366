// The class table: one row per translated class, naming the generator that
// receives the lines of its objects and the values that generator writes.
#pragma once

#include <string>

#include "builder/builder.h"
#include "builder/control_generator.h"
#include "builder/value_checks.h"

namespace vornic {

/// A generator of TBuilder, as the class table names it.
using Generator = void (TBuilder::*)(TSDPR&, const LineWords&);

/// Everything the builder knows about one class. Adding a class is one row
/// and its generator's file.
struct ClassRow {
  const char* class_name;  // in capitals
  Generator build;         // nullptr: only the extended translation writes the class
  PropertyList checks;     // the values its generators write into the program
  // The extended translation's own generator of the class; nullptr: `build`
  // serves both translations.
  GeneratorFactory extended = nullptr;
  PropertyList extended_checks = {};  // values only the extended translation writes
};

class ClassAliases;

/// The row of `class_name`, compared in capitals; nullptr for a class that
/// neither translation writes. With `aliases`, a class is looked up as the
/// class its alias names: a user's alias wins over the class's own row, a
/// built-in one applies only to a class without a row, aliases of aliases
/// are followed, and a class that neither names goes by the end of its name
/// (ClassByEnding).
/// `by_ending`, when given, says whether the row came by the name's ending.
const ClassRow* FindClassRow(const std::string& class_name,
                             const ClassAliases* aliases = nullptr, bool* by_ending = nullptr);

/// The row of the root object, whatever its class: the main window.
const ClassRow& MainWindowRow();

/// The exact translation's generator for `class_name`, compared in capitals;
/// nullptr for a class for which it produces no code.
Generator GeneratorFor(const std::string& class_name);

}  // namespace vornic
