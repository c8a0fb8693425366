// Translation of a form text held in memory, read in place as a file would
// be read, so that no copy of the form is part of the time.
#pragma once

#include <string>

#include "driver/translator.h"

namespace vornic {

/// Translates `form` (form text) and writes the program to /dev/null section
/// by section, as a run writes its program file. A resource script goes to a
/// temporary file, removed again.
void TranslateInMemory(const std::string& form, Translation translation = Translation::kExact);

}  // namespace vornic
