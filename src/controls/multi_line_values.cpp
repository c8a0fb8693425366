// Multi-line values as form text writes them: a list entry per line, the
// last one carrying the ")" that closes the list; data lines of hex digits,
// the last closed by "}"; collection items between "item" and "end", the last
// item's end written "end>". (A string continued over lines with " +"
// reaches the generators joined into one line.)
#include "controls/multi_line_values.h"

#include <string_view>
#include <utility>

#include "builder/value_checks.h"
#include "lib/errors.h"
#include "lib/text.h"

namespace vornic {

namespace {

[[noreturn]] void RejectEntry(std::string_view entry) {
  throw EConvertError("'" + std::string(entry) + "' is not a valid list entry");
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

MultiLineValues::Owner MultiLineValues::OnProperty(const LineWords& line) {
  if (reading_ == Reading::kCollection && in_item_) return Owner::kItem;
  const std::string& value = line.Word3;
  Reading opened = Reading::kNothing;
  if (value == "(") {
    opened = Reading::kList;
  } else if (!value.empty() && value[0] == '{') {
    opened = Reading::kData;
  } else if (value == "<") {
    opened = Reading::kCollection;
  } else if (value != "()" && value != "<>" && value != "{}") {
    return Owner::kObject;
  }
  reading_ = opened;
  property_ = line.Word1;
  items_ = 0;
  in_item_ = false;
  entries_.Clear();
  data_.clear();
  // Data may begin on the property's own line.
  if (opened == Reading::kData && value.size() > 1) {
    LineWords first;
    first.Word1 = value.substr(1);
    first.WordCount = 1;
    OnContinuationLine(first);
  }
  return Owner::kOpened;
}

bool MultiLineValues::OnContinuationLine(const LineWords& line) {
  switch (reading_) {
    case Reading::kNothing:
      return false;
    case Reading::kList:
      TakeListLine(line);
      break;
    case Reading::kData:
      if (LastChar(line.Word1) == '}') {
        data_ += DropLastChar(line.Word1);
        reading_ = Reading::kNothing;
      } else {
        data_ += line.Word1;
      }
      break;
    case Reading::kCollection:
      if (line.Word1 == "item") {
        ++items_;
        in_item_ = true;
      } else if (line.Word1 == "end") {
        in_item_ = false;
      } else if (line.Word1 == "end>") {
        in_item_ = false;
        reading_ = Reading::kNothing;
      }
      break;
  }
  return reading_ == Reading::kNothing;
}

void MultiLineValues::TakeListLine(const LineWords& line) {
  // An end line ends a list that lost its closing entry; it is no entry.
  if (line.Kind == "end") {
    reading_ = Reading::kNothing;
    return;
  }
  if (line.WordCount != 1) return;
  std::string_view entry = line.Word1;
  if (!entry.empty() && entry.back() == ')') {
    entry.remove_suffix(1);
    reading_ = Reading::kNothing;
  }
  entries_.Add(entry);
}

bool MultiLineValues::ReadsStrings() const {
  return reading_ == Reading::kList && property_.ends_with(".Strings");
}

TIDictonary MultiLineValues::TakeStringEntries() {
  for (int i = 1; i <= entries_.HighIndex(); ++i) {
    if (!IsStringLiteral(std::string(entries_.GetItem(i)))) RejectEntry(entries_.GetItem(i));
  }
  return std::exchange(entries_, TIDictonary());
}

std::vector<int32_t> MultiLineValues::IntegerEntries() const {
  std::vector<int32_t> numbers;
  for (int i = 1; i <= entries_.HighIndex(); ++i) {
    const std::string entry(entries_.GetItem(i));
    if (!IsIntegerText(entry)) RejectEntry(entry);
    numbers.push_back(TextToInt(entry));
  }
  return numbers;
}

std::string MultiLineValues::DataBytes() const {
  if (data_.size() % 2 != 0) return "";
  std::string bytes;
  bytes.reserve(data_.size() / 2);
  for (size_t i = 0; i < data_.size(); i += 2) {
    const int high = HexDigit(data_[i]);
    const int low = HexDigit(data_[i + 1]);
    if (high < 0 || low < 0) return "";
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  return bytes;
}

}  // namespace vornic
