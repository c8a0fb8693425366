// Looks at no more than the leading blanks and one word.
#include "input/form_file_kind.h"

#include <cerrno>
#include <string>

#include "lib/errors.h"
#include "lib/text.h"

namespace vornic {
namespace {

constexpr int kEndOfTextChar = 26;
constexpr size_t kLongestKeyword = 9;  // "inherited"

// The bytes the form text converter passes over between tokens.
bool IsBlank(int c) { return c > 0 && c <= 32 && c != kEndOfTextChar; }

bool IsWordPart(int c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c >= 128;
}

// Reads through the stream rather than its buffer, so that a read error
// of the device marks the stream bad instead of escaping as an exception.
FormFileKind Detect(std::istream& input) {
  using Traits = std::istream::traits_type;
  int c = input.get();
  if (c == 0xFF) return FormFileKind::kBinary;
  if (c == 0xEF && input.get() == 0xBB && input.get() == 0xBF) c = input.get();
  while (IsBlank(c)) c = input.get();
  std::string word;
  while (c != Traits::eof() && IsWordPart(c) && word.size() <= kLongestKeyword) {
    word += static_cast<char>(c);
    c = input.get();
  }
  const std::string upper = UpperText(word);
  const bool keyword = upper == "OBJECT" || upper == "INHERITED" || upper == "INLINE";
  return keyword && !IsWordPart(c) ? FormFileKind::kText : FormFileKind::kNeither;
}

}  // namespace

FormFileKind DetectFormFileKind(std::istream& input) {
  const std::istream::pos_type start = input.tellg();
  const FormFileKind kind = Detect(input);
  if (input.bad()) throw EInputError(errno);
  input.clear();
  input.seekg(start);
  // A pipe cannot go back to the start it was read from.
  if (!input) throw EInputError(ESPIPE);
  return kind;
}

}  // namespace vornic
