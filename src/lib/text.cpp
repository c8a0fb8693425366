#include "lib/text.h"

#include <optional>

#include "lib/errors.h"

namespace vornic {

std::string CopyText(const std::string& text, int start, int count) {
  std::string result;
  if (count <= 0 || start < 1) return result;
  for (size_t i = static_cast<size_t>(start) - 1; i < text.size() && count > 0; ++i, --count) {
    if (text[i] == '\0') break;
    result += text[i];
  }
  return result;
}

int FindText(const std::string& text, const std::string& sub) {
  const int length = static_cast<int>(text.size());
  for (int p = 1; p <= length; ++p) {
    if (CopyText(text, p, static_cast<int>(sub.size())) == sub) return p;
  }
  return 0;
}

std::string RepeatText(const std::string& text, int count) {
  std::string result;
  for (int i = 0; i < count; ++i) result += text;
  return result;
}

std::string Spaces(int count) { return count > 0 ? std::string(count, ' ') : std::string(); }

std::string RemoveChar(const std::string& text, const std::string& ch) {
  if (ch.size() != 1) return text;
  std::string result;
  for (char c : text) {
    if (c != ch[0]) result += c;
  }
  return result;
}

char LastChar(const std::string& text) { return text.empty() ? '\0' : text.back(); }

std::string DropLastChar(const std::string& text) {
  return text.empty() ? text : text.substr(0, text.size() - 1);
}

std::string UpperText(const std::string& text) {
  std::string result = text;
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

bool IsBlankText(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string TextBeforeFullStop(const std::string& text) { return text.substr(0, text.find('.')); }

namespace {

int DigitValue(char c, bool hex) {
  if (c >= '0' && c <= '9') return c - '0';
  if (hex && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (hex && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<int32_t> ParseInteger(const std::string& text) {
  size_t pos = 0;
  const bool negative = pos < text.size() && text[pos] == '-';
  if (negative) ++pos;
  const bool hex = pos < text.size() && text[pos] == '$';
  if (hex) ++pos;
  if (pos == text.size()) return std::nullopt;
  const int64_t limit = negative ? int64_t{1} << 31 : (int64_t{1} << 31) - 1;
  int64_t value = 0;
  for (; pos < text.size(); ++pos) {
    const int digit = DigitValue(text[pos], hex);
    if (digit < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + digit;
    if (value > limit) return std::nullopt;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace

int32_t TextToInt(const std::string& text) {
  const std::optional<int32_t> value = ParseInteger(text);
  if (!value) throw EConvertError("'" + text + "' is not a valid integer value");
  return *value;
}

bool IsIntegerText(const std::string& text) { return ParseInteger(text).has_value(); }

}  // namespace vornic
