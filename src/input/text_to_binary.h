// Converts form text into a binary form file: a tokenizer over a 4096-byte
// buffer and a converter that writes the binary records as it parses.
#pragma once

#include <istream>
#include <ostream>

namespace vornic {

/// Writes the resource header and the converted data as the text is parsed,
/// holding a bounded amount in memory; the data size in the header is filled
/// in at the end, by seeking back when the data was long. Throws EParserError
/// or EConvertError (both "... on line N"), EInputError or EWriteError. A text that
/// fails within the first 64 KB of output writes nothing; one that fails
/// later leaves the output cut short, so callers write into a temporary file.
void FormTextToResource(std::istream& input, std::ostream& output);

/// Parses one object from the text and writes "TPF0" and its object record.
void FormTextToBinary(std::istream& input, std::ostream& output);

/// Parses the text as FormTextToResource does and fails as it does, but
/// writes nothing: for a form text that is translated without a conversion.
void CheckFormText(std::istream& input);

}  // namespace vornic
