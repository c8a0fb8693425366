// The two form-file conversions on byte strings, for tests that feed one
// with what the other wrote.
#pragma once

#include <string>

namespace vornic {

/// The form text of the binary form file `binary` (a form resource).
std::string TextOf(const std::string& binary);
/// The binary form file (a form resource) of the form text `text`.
std::string BinaryOf(const std::string& text);

}  // namespace vornic
