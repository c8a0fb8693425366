// Telling the two encodings of a form file apart by their first bytes, since
// the designer stores forms as text under the binary file's extension too.
#pragma once

#include <istream>

namespace vornic {

enum class FormFileKind {
  kBinary,  // begins with the resource header's 0xFF
  kText,    // begins with object, inherited or inline
  kNeither,
};

/// Reads the start of `input`: a first byte 0xFF is a binary form file; an
/// optional UTF-8 byte order mark and blanks followed by the word object,
/// inherited or inline (any case) is form text. Puts the stream back where it
/// was. Throws EInputError when reading fails or the stream cannot be put
/// back (a pipe).
FormFileKind DetectFormFileKind(std::istream& input);

}  // namespace vornic
