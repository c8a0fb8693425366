// The value checks: the three kinds of value a form value must be to reach
// the program, and the lists of properties the class table builds its rows from.
#include "builder/value_checks.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "input/line_words.h"
#include "input/bitmap_data_line.h"
#include "lib/character_code.h"
#include "lib/errors.h"
#include "lib/text.h"

namespace vornic {

namespace {

constexpr uint32_t kMaxCharacterCode = 65535;

// The one place that builds the message; the driver reports the line, not it.
[[noreturn]] void Reject(const std::string& what, const std::string& value) {
  throw EConvertError("'" + value + "' is not a valid " + what);
}

bool IsIdentifierStart(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 128;
}

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// The character sets the Windows unit declares. Any other identifier would
// be whatever the program means by it, a function call included.
bool IsCharsetConstant(const std::string& value) {
  static const char* const kCharsets[] = {
      "ANSI_CHARSET",        "DEFAULT_CHARSET",    "SYMBOL_CHARSET",  "MAC_CHARSET",
      "SHIFTJIS_CHARSET",    "HANGEUL_CHARSET",    "JOHAB_CHARSET",   "GB2312_CHARSET",
      "CHINESEBIG5_CHARSET", "GREEK_CHARSET",      "TURKISH_CHARSET", "VIETNAMESE_CHARSET",
      "HEBREW_CHARSET",      "ARABIC_CHARSET",     "BALTIC_CHARSET",  "RUSSIAN_CHARSET",
      "THAI_CHARSET",        "EASTEUROPE_CHARSET", "OEM_CHARSET"};
  const std::string upper = UpperText(value);
  for (const char* charset : kCharsets) {
    if (upper == charset) return true;
  }
  return false;
}

bool IsValueOfKind(const std::string& value, ValueKind kind) {
  switch (kind) {
    case ValueKind::kInteger:
      // A 32-bit integer, as TextToInt reads it.
      return IsIntegerText(value);
    case ValueKind::kCharset:
      return IsCharsetConstant(value) || IsIntegerText(value);
    case ValueKind::kStringLiteral:
      return IsStringLiteral(value);
  }
  return false;
}

void CheckProperty(const LineWords& line, const PropertyList* properties) {
  if (properties == nullptr) return;
  for (const CheckedProperty& property : *properties) {
    if (line.Word1 != property.name || IsValueOfKind(line.Word3, property.kind)) continue;
    // The same failure a sum of positions would raise for the value later.
    if (property.kind == ValueKind::kInteger) TextToInt(line.Word3);
    Reject("value of " + line.Word1, line.Word3);
  }
}

// A line of a string list up to its closing ")": one word, a string literal,
// the last one carrying the ")". A line of more words (a value behind the
// entry, a code the line parser ends the word at) would be lost.
void CheckListEntry(const LineWords& line) {
  const std::string& word = line.Word1;
  if (line.WordCount != 1) Reject("list entry", word + " " + line.Word2);
  const std::string entry = LastChar(word) == ')' ? DropLastChar(word) : word;
  if (!IsStringLiteral(entry)) Reject("list entry", word);
}

// A line of bitmap data: hexadecimal digits, the last line closed by "}".
void CheckDataLine(const std::string& word) {
  if (!IsBitmapDataWord(word)) Reject("bitmap data line", word);
}

// An entry of a list of integers (a grid's column widths), the last one
// carrying the ")".
void CheckIntegerEntry(const std::string& word) {
  if (!IsIntegerText(LastChar(word) == ')' ? DropLastChar(word) : word)) {
    Reject("list entry", word);
  }
}

// The continuation lines that the list and bitmap generators store: one word,
// no kind, while their marker is set.
void CheckContinuationLine(const LineWords& line, std::string_view list_marker) {
  if (list_marker.empty() || !line.Kind.empty() || line.WordCount != 1) return;
  if (list_marker == "image_is" || list_marker == "bitbtn_is") CheckDataLine(line.Word1);
  if (list_marker == "int_is") CheckIntegerEntry(line.Word1);
}

}  // namespace

bool IsStringListMarker(std::string_view list_marker) {
  return list_marker == "lb_is" || list_marker == "cb_is" || list_marker == "memo_is";
}

const PropertyList& GeometryValues() {
  static const PropertyList values = {{"Left", ValueKind::kInteger},
                                      {"Top", ValueKind::kInteger},
                                      {"Width", ValueKind::kInteger},
                                      {"Height", ValueKind::kInteger}};
  return values;
}

const PropertyList& FontValues() {
  static const PropertyList values = {{"Font.Charset", ValueKind::kCharset},
                                      {"Font.Height", ValueKind::kInteger},
                                      {"Font.Name", ValueKind::kStringLiteral}};
  return values;
}

const PropertyList& RangeValues() {
  static const PropertyList values = {{"Min", ValueKind::kInteger},
                                      {"Max", ValueKind::kInteger},
                                      {"Position", ValueKind::kInteger}};
  return values;
}

PropertyList Joined(std::initializer_list<PropertyList> lists) {
  PropertyList joined;
  for (const PropertyList& list : lists) joined.insert(joined.end(), list.begin(), list.end());
  return joined;
}

bool IsIdentifier(const std::string& text) {
  if (text.empty() || !IsIdentifierStart(static_cast<unsigned char>(text[0]))) return false;
  for (unsigned char c : text) {
    if (!IsIdentifierStart(c) && !IsDigit(c)) return false;
  }
  return true;
}

bool IsStringLiteral(const std::string& text) {
  size_t p = 0;
  while (p < text.size()) {
    if (text[p] == '#') {
      // A character code beyond the 16-bit range does not compile.
      const CharacterCode code = ReadCharacterCode(text, p);
      if (!code.has_digits || code.code > kMaxCharacterCode) return false;
      p = code.end;
    } else if (text[p] == '\'') {
      // Inside the run a quote either doubles or closes it.
      for (++p;; ++p) {
        if (p >= text.size()) return false;
        if (text[p] != '\'') continue;
        if (p + 1 < text.size() && text[p + 1] == '\'') {
          ++p;
        } else {
          break;
        }
      }
      ++p;
    } else {
      return false;
    }
  }
  return !text.empty();
}

void CheckLineValues(const LineWords& line, const ObjectChecks& checks,
                     const std::string& list_marker) {
  if (checks.properties == nullptr && checks.extended == nullptr && checks.inherited == nullptr &&
      !checks.names_variable) {
    return;
  }
  const std::string_view kind = line.Kind;
  if (kind == "object") {
    if (!checks.names_variable) return;
    const std::string& word = line.ObjectName;
    const std::string name = LastChar(word) == ':' ? DropLastChar(word) : word;
    if (!IsIdentifier(name)) Reject("object name", word);
  } else if (IsStringListMarker(list_marker) && kind != "end") {
    // Every line before the closing ")" is an entry, whatever its words
    // look like; an end line closes a list that lost its ")".
    CheckListEntry(line);
  } else if (kind == "set") {
    CheckProperty(line, checks.properties);
    CheckProperty(line, checks.extended);
    CheckProperty(line, checks.inherited);
  } else {
    CheckContinuationLine(line, list_marker);
  }
}

bool LineValuesFit(const LineWords& line, const ObjectChecks& checks,
                   const std::string& list_marker) {
  try {
    CheckLineValues(line, checks, list_marker);
  } catch (const EConvertError&) {
    return false;
  }
  return true;
}

}  // namespace vornic
