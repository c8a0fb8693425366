// A small scanner of Pascal tokens: identifiers and single symbols, with
// comments ({ }, (* *), //) and string literals skipped, is all a class
// declaration needs.
#include "project/unit_declarations.h"

#include <vector>

#include "lib/text.h"

namespace vornic {

namespace {

bool IsIdentifierStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}

bool IsIdentifierPart(char c) { return IsIdentifierStart(c) || (c >= '0' && c <= '9'); }

// Identifiers as written; every other token one character long.
std::vector<std::string> Tokens(std::string_view text) {
  std::vector<std::string> tokens;
  size_t at = 0;
  auto skip_to = [&](std::string_view end) {
    const size_t found = text.find(end, at);
    at = found == std::string_view::npos ? text.size() : found + end.size();
  };
  while (at < text.size()) {
    const char c = text[at];
    if (c == '{') {
      skip_to("}");
    } else if (c == '(' && at + 1 < text.size() && text[at + 1] == '*') {
      at += 2;
      skip_to("*)");
    } else if (c == '/' && at + 1 < text.size() && text[at + 1] == '/') {
      skip_to("\n");
    } else if (c == '\'') {
      ++at;
      skip_to("'");
      tokens.emplace_back("'");
    } else if (IsIdentifierStart(c)) {
      const size_t start = at;
      while (at < text.size() && IsIdentifierPart(text[at])) ++at;
      tokens.emplace_back(text.substr(start, at - start));
    } else {
      if (c != ' ' && c != '\t' && c != '\r' && c != '\n') tokens.emplace_back(1, c);
      ++at;
    }
  }
  return tokens;
}

bool IsIdentifier(const std::string& token) { return !token.empty() && IsIdentifierStart(token[0]); }

bool IsWord(const std::string& token, const char* upper) { return UpperText(token) == upper; }

}  // namespace

std::string DeclaredAncestor(std::string_view unit, const std::string& class_name) {
  const std::string wanted = UpperText(class_name);
  const std::vector<std::string> tokens = Tokens(unit);
  for (size_t i = 0; i + 4 < tokens.size(); ++i) {
    if (tokens[i + 1] != "=" || !IsWord(tokens[i + 2], "CLASS") || !IsWord(tokens[i], wanted.c_str()))
      continue;
    size_t at = i + 3;
    if (IsWord(tokens[at], "SEALED") || IsWord(tokens[at], "ABSTRACT")) ++at;
    if (at + 1 >= tokens.size() || tokens[at] != "(" || !IsIdentifier(tokens[at + 1])) continue;
    // The last part of a qualified name.
    ++at;
    while (at + 2 < tokens.size() && tokens[at + 1] == "." && IsIdentifier(tokens[at + 2])) at += 2;
    return tokens[at];
  }
  return "";
}

}  // namespace vornic
