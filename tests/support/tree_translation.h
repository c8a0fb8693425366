// The extended translation as the driver makes it: form text read into a
// tree, then written. Kept apart from the line-by-line builder's headers,
// which name some classes the same.
#pragma once

#include <string>

namespace vornic {

class TSDPR;

/// Reads `form` into a tree and writes it into `program`, the resource
/// script named after `base`, and joins the program's sections. Returns the
/// error report, empty when the form passes; `control_count` gets the
/// controls written.
std::string WriteFormTree(const std::string& form, TSDPR& program, const std::string& base,
                          int& control_count);

}  // namespace vornic
