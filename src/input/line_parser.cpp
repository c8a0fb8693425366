// Word splitting of form text lines. Positions here are 0-based indexes into
// Line; only the blank separates words, a tab is an ordinary character.
#include "input/line_parser.h"

#include <algorithm>
#include <string>

#include "lib/character_code.h"
#include "lib/errors.h"
#include "lib/text.h"

namespace vornic {
namespace {

constexpr char kQuote = '\'';

size_t SkipBlanks(const std::string& line, size_t p) {
  while (p < line.size() && line[p] == ' ') ++p;
  return p;
}

size_t PlainWordEnd(const std::string& line, size_t p) {
  return std::min(line.find(' ', p), line.size());
}

bool StartsStringExpression(const std::string& line, size_t p) {
  return p < line.size() && (line[p] == kQuote || line[p] == '#');
}

// A quoted run from the opening quote at `p`: two quotes in a row stand for
// one quote character, so only a lone quote closes the run. Without a closing
// quote the run takes the rest of the line.
size_t QuotedRunEnd(const std::string& line, size_t p) {
  ++p;
  while (p < line.size()) {
    if (line[p] != kQuote) {
      ++p;
    } else if (p + 1 < line.size() && line[p + 1] == kQuote) {
      p += 2;
    } else {
      return p + 1;
    }
  }
  return p;
}

// A string expression as form text writes it: quoted runs and #codes with no
// blank between them, such as 'a'#13#10'b' or #$4E2D'x'.
size_t StringExpressionEnd(const std::string& line, size_t p) {
  while (StartsStringExpression(line, p)) {
    if (line[p] == kQuote) {
      p = QuotedRunEnd(line, p);
    } else {
      p = ReadCharacterCode(line, p).end;
    }
  }
  return p;
}

// The first word of a list item keeps one character behind its string, the
// ")" that closes the list.
size_t FirstWordEnd(const std::string& line, size_t p) {
  if (!StartsStringExpression(line, p)) return PlainWordEnd(line, p);
  p = StringExpressionEnd(line, p);
  if (p < line.size() && line[p] != ' ') ++p;
  return p;
}

// A set keeps its blanks: [fsBold, fsItalic] is one word.
size_t SetWordEnd(const std::string& line, size_t p) {
  size_t close = line.find(']', p);
  return close == std::string::npos ? line.size() : close + 1;
}

size_t ThirdWordEnd(const std::string& line, size_t p) {
  if (StartsStringExpression(line, p)) return StringExpressionEnd(line, p);
  if (p < line.size() && line[p] == '[') return SetWordEnd(line, p);
  return PlainWordEnd(line, p);
}

bool IsObjectHeaderWord(std::string_view word) {
  return word == "object" || word == "inherited" || word == "inline";
}

// The creation order that form text may write behind an unnamed object's
// class, as in "object TMemo [2]".
bool IsOrderModifier(const std::string& word) {
  if (word.size() < 3 || word.front() != '[' || word.back() != ']') return false;
  for (size_t i = 1; i + 1 < word.size(); ++i) {
    if (word[i] < '0' || word[i] > '9') return false;
  }
  return true;
}

bool IsIdentifierPart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         static_cast<unsigned char>(c) >= 128;
}

}  // namespace

bool EndsRootObject(const LineWords& line) {
  const std::string& word = line.Word1;
  return line.Indent == 0 && word.size() >= 3 && UpperText(word.substr(0, 3)) == "END" &&
         (word.size() == 3 || !IsIdentifierPart(word[3]));
}

bool TILineParser::ParseLine(int line_number, std::string_view line) {
  if (IsBlankText(line)) return true;
  Line.assign(line);
  LineNumber = line_number;
  LineLength = static_cast<int>(line.size());
  SplitLine();
  return true;
}

void TILineParser::SplitLine() {
  WordCount = 0;
  Word1.clear();
  Word2.clear();
  Word3.clear();
  Kind.clear();

  size_t p = SkipBlanks(Line, 0);
  Indent = static_cast<int>(p);
  size_t end = FirstWordEnd(Line, p);
  // Assigned in place, so the words keep their storage from line to line.
  Word1.assign(Line, p, end - p);
  if (Word1.empty()) return;
  WordCount = 1;
  if (std::string_view(Word1) == "end") {
    Kind = "end";
    ComputeLevel();
  }

  p = SkipBlanks(Line, end);
  end = PlainWordEnd(Line, p);
  Word2.assign(Line, p, end - p);
  if (Word2.empty()) return;
  WordCount = 2;

  p = SkipBlanks(Line, end);
  end = ThirdWordEnd(Line, p);
  Word3.assign(Line, p, end - p);
  if (!Word3.empty()) WordCount = 3;

  if (IsObjectHeaderWord(Word1)) {
    ClassifyObjectLine(std::string_view(Line).substr(end));
  } else if (WordCount == 3) {
    Kind = "set";
  }
}

// An object header names its object and class ("object Button1: TButton"),
// or only its class when the object has no name ("object TMemo", possibly
// followed by a creation order).
void TILineParser::ClassifyObjectLine(std::string_view rest) {
  bool unnamed = WordCount == 2 || (IsOrderModifier(Word3) && IsBlankText(rest));
  Kind = "object";
  if (unnamed) {
    ClassName = Word2;
    ObjectName.clear();
  } else {
    ClassName = Word3;
    ObjectName = Word2;
  }
  ComputeLevel();
}

// Each nesting step indents by two blanks, so an odd indent belongs to no level.
void TILineParser::ComputeLevel() {
  if (Indent % 2 != 0) {
    throw EConvertError("Line " + std::to_string(LineNumber) + " is indented by " +
                        std::to_string(Indent) + " blanks, which gives no nesting level");
  }
  Level = (Indent + 2) / 2;
}

}  // namespace vornic
