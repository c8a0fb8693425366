// Converts a binary form file into form text in one pass: a buffered reader
// over the input, a buffered writer over the output, no tree in between.
#pragma once

#include <istream>
#include <ostream>

namespace vornic {

/// Checks and skips the resource header, then converts as FormBinaryToText.
/// Throws EInvalidImage on a header that is not a form resource, EReadError on
/// bad or truncated data, EInputError when the input fails, EWriteError when
/// the output fails. Text written before a failure stays in the output.
void FormResourceToText(std::istream& input, std::ostream& output);

/// Converts the signature and one object record (input positioned at "TPF0").
void FormBinaryToText(std::istream& input, std::ostream& output);

}  // namespace vornic
