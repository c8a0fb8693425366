// The value checks: one table from class to the properties its generator
// writes into the program, and the three kinds of value they must be.
#include "builder/value_checks.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "builder/builder.h"
#include "lib/errors.h"
#include "lib/text.h"

namespace vornic {

enum class ValueKind { kInteger, kCharset, kStringLiteral };

struct CheckedProperty {
  std::string_view name;  // a view, so that most names differ by length alone
  ValueKind kind;
};

using PropertyList = std::vector<CheckedProperty>;

struct ClassChecks {
  const char* class_name;  // in capitals, as the class table has it
  PropertyList properties;
  bool names_variable;  // the object name becomes a variable of the program
};

namespace {

constexpr uint32_t kMaxCharacterCode = 65535;

const PropertyList kGeometry = {{"Left", ValueKind::kInteger},
                                {"Top", ValueKind::kInteger},
                                {"Width", ValueKind::kInteger},
                                {"Height", ValueKind::kInteger}};

// The values the font registry writes into the CreateFont call.
const PropertyList kFont = {{"Font.Charset", ValueKind::kCharset},
                            {"Font.Height", ValueKind::kInteger},
                            {"Font.Name", ValueKind::kStringLiteral}};

const PropertyList kRange = {
    {"Min", ValueKind::kInteger}, {"Max", ValueKind::kInteger}, {"Position", ValueKind::kInteger}};

const CheckedProperty kCaption = {"Caption", ValueKind::kStringLiteral};
const CheckedProperty kText = {"Text", ValueKind::kStringLiteral};

PropertyList Joined(std::initializer_list<PropertyList> lists) {
  PropertyList joined;
  for (const PropertyList& list : lists) joined.insert(joined.end(), list.begin(), list.end());
  return joined;
}

const PropertyList& MainWindowProperties() {
  static const PropertyList properties = Joined(
      {kGeometry,
       {{"ClientWidth", ValueKind::kInteger}, {"ClientHeight", ValueKind::kInteger}, kCaption}});
  return properties;
}

// The root object: its name is never written.
const ClassChecks& MainWindowChecks() {
  static const ClassChecks checks{"", MainWindowProperties(), false};
  return checks;
}

// Every class of the class table has a row: its object name becomes a
// variable of the program even when none of its values is checked.
const std::vector<ClassChecks>& ClassCheckTable() {
  static const std::vector<ClassChecks> table = {
      {"TFORM1", MainWindowProperties(), true},
      {"TLABEL", Joined({kGeometry, kFont, {kCaption}}), true},
      {"TEDIT", Joined({kGeometry, kFont, {kText}}), true},
      {"TBUTTON", Joined({kGeometry, kFont, {kCaption}}), true},
      {"TCHECKBOX", Joined({kGeometry, kFont, {kCaption}}), true},
      {"TGROUPBOX", Joined({kGeometry, kFont, {kCaption}}), true},
      {"TRADIOBUTTON", Joined({kGeometry, kFont, {kCaption}}), true},
      {"TLISTBOX", Joined({kGeometry, kFont}), true},
      {"TCOMBOBOX", Joined({kGeometry, kFont, {kText, {"ItemHeight", ValueKind::kInteger}}}), true},
      {"TPROGRESSBAR", Joined({kGeometry, kRange}), true},
      // The status bar docks at the bottom: its geometry is never written.
      {"TSTATUSBAR", Joined({kFont, {{"SimpleText", ValueKind::kStringLiteral}}}), true},
      {"TTRACKBAR", Joined({kGeometry, kRange}), true},
      {"TSHAPE", Joined({kGeometry, {{"Pen.Width", ValueKind::kInteger}}}), true},
      {"TBEVEL", kGeometry, true},
      {"TMEMO", Joined({kGeometry, kFont}), true},
      {"TIMAGE", kGeometry, true},
      {"TBITBTN", kGeometry, true},
  };
  return table;
}

const ClassChecks* ChecksOfClass(const std::string& class_name) {
  const std::string upper = UpperText(class_name);
  for (const ClassChecks& row : ClassCheckTable()) {
    if (upper == row.class_name) return &row;
  }
  return nullptr;
}

// The one place that builds the message; the driver reports the line, not it.
[[noreturn]] void Reject(const std::string& what, const std::string& value) {
  throw EConvertError("'" + value + "' is not a valid " + what);
}

bool IsIdentifierStart(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 128;
}

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(unsigned char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

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

void CheckProperty(const LineWords& line, const PropertyList& properties) {
  for (const CheckedProperty& property : properties) {
    if (line.Word1 != property.name || IsValueOfKind(line.Word3, property.kind)) continue;
    // The same failure a sum of positions would raise for the value later.
    if (property.kind == ValueKind::kInteger) TextToInt(line.Word3);
    Reject("value of " + line.Word1, line.Word3);
  }
}

// An entry of a string list; the last one carries the ")" that closes the list.
void CheckListEntry(const std::string& word) {
  const std::string entry = LastChar(word) == ')' ? DropLastChar(word) : word;
  if (!IsStringLiteral(entry)) Reject("list entry", word);
}

// A line of bitmap data: hexadecimal digits, the last line closed by "}".
void CheckDataLine(const std::string& word) {
  const size_t digits = LastChar(word) == '}' ? word.size() - 1 : word.size();
  for (size_t i = 0; i < digits; ++i) {
    if (!IsHexDigit(static_cast<unsigned char>(word[i]))) Reject("bitmap data line", word);
  }
}

// The continuation lines that the list and bitmap generators store: one word,
// no kind, while their marker is set.
void CheckContinuationLine(const LineWords& line, const std::string& list_marker) {
  if (list_marker.empty() || !line.Kind.empty() || line.WordCount != 1) return;
  if (list_marker == "lb_is" || list_marker == "cb_is" || list_marker == "memo_is") {
    CheckListEntry(line.Word1);
  } else if (list_marker == "image_is" || list_marker == "bitbtn_is") {
    CheckDataLine(line.Word1);
  }
}

}  // namespace

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
      const size_t digits = ++p;
      uint32_t code = 0;
      while (p < text.size() && IsDigit(static_cast<unsigned char>(text[p]))) {
        code = code * 10 + static_cast<uint32_t>(text[p++] - '0');
        if (code > kMaxCharacterCode) return false;
      }
      if (p == digits) return false;
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

const ClassChecks* ChecksFor(CheckedObject object, const std::string& class_name) {
  switch (object) {
    case CheckedObject::kNone:
      return nullptr;
    case CheckedObject::kMainWindow:
      return &MainWindowChecks();
    case CheckedObject::kControl:
      break;
  }
  return ChecksOfClass(class_name);
}

void CheckLineValues(const LineWords& line, const ClassChecks* checks,
                     const std::string& list_marker) {
  if (checks == nullptr) return;
  if (line.Kind == "object") {
    if (!checks->names_variable) return;
    const std::string& word = line.ObjectName;
    const std::string name = LastChar(word) == ':' ? DropLastChar(word) : word;
    if (!IsIdentifier(name)) Reject("object name", word);
  } else if (line.Kind == "set") {
    CheckProperty(line, checks->properties);
  } else {
    CheckContinuationLine(line, list_marker);
  }
}

}  // namespace vornic
