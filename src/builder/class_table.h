// The class table of the per-line dispatch: which generator receives the
// lines of an object of a given class.
#pragma once

#include <string>

#include "builder/builder.h"

namespace vornic {

/// A generator of TBuilder, as the class table names it.
using Generator = void (TBuilder::*)(TSDPR&, const LineWords&);

/// The generator for `class_name`, compared in capitals; nullptr for a class
/// that produces no code.
Generator GeneratorFor(const std::string& class_name);

}  // namespace vornic
