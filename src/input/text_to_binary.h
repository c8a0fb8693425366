// Converts form text into a binary form file: a tokenizer over a 4096-byte
// buffer and a converter that writes the binary records as it parses.
#pragma once

#include <istream>
#include <ostream>

namespace vornic {

/// Converts the text into memory, then writes the resource header and the
/// data. Throws EParserError ("... on line N"), EConvertError or EWriteError;
/// nothing reaches the output when the text does not convert.
void FormTextToResource(std::istream& input, std::ostream& output);

/// Parses one object from the text and writes "TPF0" and its object record.
void FormTextToBinary(std::istream& input, std::ostream& output);

}  // namespace vornic
