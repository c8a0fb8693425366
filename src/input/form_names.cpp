// Names and identifiers as the form text converter tokenizes them.
#include "input/form_names.h"

namespace vornic {
namespace {

bool IsNameStart(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 128;
}

bool IsNamePart(unsigned char c) { return IsNameStart(c) || (c >= '0' && c <= '9'); }

// `word` is in capitals.
bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != word[i]) return false;
  }
  return true;
}

}  // namespace

bool IsNameText(std::string_view text, bool dotted) {
  bool part_start = true;
  for (unsigned char c : text) {
    if (c == '.' && dotted && !part_start) {
      part_start = true;
    } else if (part_start ? IsNameStart(c) : IsNamePart(c)) {
      part_start = false;
    } else {
      return false;
    }
  }
  return !part_start;
}

bool StartsWithKeyword(std::string_view name) {
  std::string_view first = name.substr(0, name.find('.'));
  for (std::string_view word : {"END", "OBJECT", "INHERITED", "INLINE"}) {
    if (EqualsIgnoringCase(first, word)) return true;
  }
  return false;
}

std::string_view IdentifierText(std::string_view ident) {
  if (EqualsIgnoringCase(ident, "TRUE")) return "True";
  if (EqualsIgnoringCase(ident, "FALSE")) return "False";
  if (EqualsIgnoringCase(ident, "NIL")) return "nil";
  return ident;
}

}  // namespace vornic
