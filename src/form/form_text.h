// The form tree written back as form text, as the designer writes it: two
// blanks per nesting step, lists one entry a line, data 32 bytes a line
// (less than that on the property's line).
#pragma once

#include <string>

#include "form/form_object.h"

namespace vornic {

/// The text of `object` and everything it holds, lines ending in CR LF.
std::string FormText(const FormObject& object);

}  // namespace vornic
