// The tables the extended generators read their objects' properties with:
// which property goes into which field of the record, and which form value
// stands for which window style.
#pragma once

#include <cstddef>
#include <string>

#include "input/line_words.h"

namespace vornic {

/// A property and the field of `Record` that keeps its value as written.
template <typename Record>
struct NamedField {
  const char* name;
  std::string Record::*field;
};

/// Stores the value of `line` in the field that `fields` names for its
/// property; false when none does.
template <typename Record, size_t N>
bool StoreNamedField(const NamedField<Record> (&fields)[N], Record& record, const LineWords& line) {
  for (const NamedField<Record>& named : fields) {
    if (line.Word1 != named.name) continue;
    record.*named.field = line.Word3;
    return true;
  }
  return false;
}

/// A form value and the window style it stands for.
struct ValueStyle {
  const char* value;
  const char* style;
};

/// The style of `value` in `table`; a value the table does not know keeps
/// the designer's default, the first row.
template <size_t N>
const char* StyleForValue(const ValueStyle (&table)[N], const std::string& value) {
  for (const ValueStyle& row : table) {
    if (value == row.value) return row.style;
  }
  return table[0].style;
}

/// A boolean property as form text writes it; anything else keeps `otherwise`.
inline bool FlagOf(const std::string& value, bool otherwise) {
  if (value == "True") return true;
  if (value == "False") return false;
  return otherwise;
}

/// True when the set `value` ("[goVertLine, goHorzLine]") holds `element`.
inline bool SetHolds(const std::string& value, const std::string& element) {
  for (size_t at = value.find(element); at != std::string::npos; at = value.find(element, at + 1)) {
    const size_t end = at + element.size();
    const bool starts = at > 0 && (value[at - 1] == '[' || value[at - 1] == ' ');
    if (starts && end < value.size() && (value[end] == ',' || value[end] == ']')) return true;
  }
  return false;
}

/// The extended window style of a control with a BorderStyle property:
/// the sunken edge unless the form says bsNone.
inline std::string BorderExStyle(const std::string& border_style) {
  return border_style == "bsNone" ? "0" : "WS_EX_CLIENTEDGE";
}

}  // namespace vornic
