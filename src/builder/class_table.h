// The class table: one row per class the builder translates, naming the
// generator that receives the lines of its objects and the values that
// generator writes.
#pragma once

#include <string>

#include "builder/builder.h"
#include "builder/value_checks.h"

namespace vornic {

/// A generator of TBuilder, as the class table names it.
using Generator = void (TBuilder::*)(TSDPR&, const LineWords&);

/// Everything the builder knows about one class.
struct ClassRow {
  const char* class_name;  // in capitals
  Generator build;
  PropertyList checks;  // the values its generator writes into the program
};

/// The row of `class_name`, compared in capitals; nullptr for a class that
/// the builder does not translate.
const ClassRow* FindClassRow(const std::string& class_name);

/// The row of the root object, whatever its class: the main window.
const ClassRow& MainWindowRow();

/// The generator for `class_name`, compared in capitals; nullptr for a class
/// for which it produces no code.
Generator GeneratorFor(const std::string& class_name);

}  // namespace vornic
