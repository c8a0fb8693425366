// The form text of string values: quoted runs and #codes, broken into lines
// of 64 characters with " +" continuations.
#pragma once

#include <string_view>

#include "input/text_writer.h"

namespace vornic {

/// Writes a byte string held by a property line at `level`; continuation
/// lines go to level + 1. Codes below 32 and the quote become #codes.
void WriteStringText(TextWriter& writer, std::string_view text, int level);

/// The same for UTF-16 text; codes of 256 and above also become #codes,
/// the others are written as one byte each.
void WriteWideStringText(TextWriter& writer, std::u16string_view text, int level);

}  // namespace vornic
