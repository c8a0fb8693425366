// Token rules of form text: symbols, quoted strings with #codes, integers
// (decimal or "$" hexadecimal), floats with a type suffix, single characters.
#include "input/form_tokenizer.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include "input/byte_sink.h"
#include "input/form_format.h"
#include "lib/errors.h"

namespace vornic {
namespace {

// Bytes 128 to 255 count as letters so component names in the designer's
// code page (such as "Börsenindex") read as one symbol.
constexpr char kEndOfTextChar = 26;

bool IsLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 128;
}

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

bool IsSymbolPart(unsigned char c) { return IsLetter(c) || IsDigit(c); }

bool IsFloatPart(unsigned char c) {
  return IsDigit(c) || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

bool IsFloatSuffix(unsigned char c) {
  return c == 'c' || c == 'C' || c == 'd' || c == 'D' || c == 's' || c == 'S';
}

// Value of a hexadecimal digit, or -1.
constexpr std::array<int8_t, 256> MakeHexTable() {
  std::array<int8_t, 256> table{};
  for (int i = 0; i < 256; ++i) table[i] = -1;
  for (int i = 0; i < 10; ++i) table['0' + i] = static_cast<int8_t>(i);
  for (int i = 0; i < 6; ++i) {
    table['A' + i] = static_cast<int8_t>(10 + i);
    table['a' + i] = static_cast<int8_t>(10 + i);
  }
  return table;
}

constexpr std::array<int8_t, 256> kHexValue = MakeHexTable();

// A character the converter expects, in words: "Equals sign "="".
std::string PunctuationName(char c) {
  const std::string quoted = "\"" + std::string(1, c) + "\"";
  switch (c) {
    case '=':
      return "Equals sign " + quoted;
    case ',':
      return "Comma " + quoted;
    case ']':
      return "Closing bracket " + quoted;
    default:
      return "Character " + quoted;
  }
}

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// Magnitudes up to 2^63, so that the lowest 64-bit integer has one too.
constexpr uint64_t kMaxMagnitude = uint64_t{1} << 63;

std::optional<uint64_t> ParseHex(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : digits) {
    value = value * 16 + static_cast<uint64_t>(kHexValue[static_cast<unsigned char>(c)]);
    if (value > kMaxMagnitude) return std::nullopt;
  }
  return value;
}

std::optional<uint64_t> ParseDecimal(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : digits) {
    if (!IsDigit(static_cast<unsigned char>(c))) return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > kMaxMagnitude) return std::nullopt;
  }
  return value;
}

// Decimal with an optional minus sign, or "$" and hexadecimal digits.
std::optional<int64_t> ParseInteger(std::string_view text) {
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) text.remove_prefix(1);
  std::optional<uint64_t> magnitude =
      !text.empty() && text[0] == '$' && !negative ? ParseHex(text.substr(1)) : ParseDecimal(text);
  if (!magnitude || (*magnitude == kMaxMagnitude && !negative)) return std::nullopt;
  return negative ? static_cast<int64_t>(0 - *magnitude) : static_cast<int64_t>(*magnitude);
}

}  // namespace

FormTokenizer::FormTokenizer(std::istream& input) : input_(input) {
  static_assert(form::kMaxTextLine + 3 == kBufferSize,
                "a line, its CR LF and the LF of a split line end fill the buffer");
  // The mark is dropped before the text enters the buffer, so it never
  // shortens the first line's room nor shows up as letters.
  size_t count = ReadInput(0, 3);
  if (count == 3 && std::memcmp(buffer_.data(), "\xEF\xBB\xBF", 3) == 0) count = 0;
  buffer_end_ = count;
  saved_char_ = buffer_[0];
  buffer_[0] = 0;
}

size_t FormTokenizer::ReadInput(size_t offset, size_t count) {
  input_.read(buffer_.data() + offset, static_cast<std::streamsize>(count));
  // A device error is no end of the input: it must not pass for a short text.
  if (input_.bad()) throw EInputError(errno);
  return static_cast<size_t>(input_.gcount());
}

void FormTokenizer::Refill() {
  buffer_[source_end_] = saved_char_;
  size_t rest = buffer_end_ - pos_;
  std::memmove(buffer_.data(), buffer_.data() + pos_, rest);
  buffer_end_ = rest + (ended_ ? 0 : ReadInput(rest, kBufferSize - rest));
  pos_ = 0;
  // Character 26 ends the text as the line loop reads it, so the converter
  // never takes in what the program leaves out.
  if (const void* stop = std::memchr(buffer_.data(), kEndOfTextChar, buffer_end_)) {
    buffer_end_ = static_cast<size_t>(static_cast<const char*>(stop) - buffer_.data());
    ended_ = true;
  }
  source_end_ = buffer_end_;
  if (source_end_ == kBufferSize) {
    // Parse whole lines only; the zero marker needs one byte behind them.
    size_t last = kBufferSize - 2;
    while (last > 0 && buffer_[last] != '\n' && buffer_[last] != '\r') --last;
    if (last == 0) Error("Line too long");
    source_end_ = last + 1;
  }
  saved_char_ = buffer_[source_end_];
  buffer_[source_end_] = 0;
}

void FormTokenizer::SkipBlanks() {
  while (true) {
    auto c = static_cast<unsigned char>(buffer_[pos_]);
    if (c == 0) {
      // A zero inside the parsed part is a zero byte of the text: its end.
      if (pos_ != source_end_) break;
      Refill();
      if (buffer_[pos_] == 0) break;
      continue;
    }
    if (c > 32) break;
    // CR LF, a lone CR and a lone LF each end one line; the LF of a CR LF
    // may arrive with the next refill, so the CR is remembered.
    if (c == '\r' || (c == '\n' && !after_cr_)) ++line_;
    after_cr_ = c == '\r';
    ++pos_;
  }
  after_cr_ = false;
}

int FormTokenizer::NextToken() {
  previous_line_ = line_;
  SkipBlanks();
  token_start_ = pos_;
  float_suffix_ = 0;
  auto c = static_cast<unsigned char>(buffer_[pos_]);
  if (IsLetter(c)) {
    do {
      ++pos_;
    } while (IsSymbolPart(static_cast<unsigned char>(buffer_[pos_])));
    token_ = kSymbol;
  } else if (c == '\'' || c == '#') {
    ScanString();
  } else if (c == '$') {
    do {
      ++pos_;
    } while (kHexValue[static_cast<unsigned char>(buffer_[pos_])] >= 0);
    token_ = kInteger;
  } else if (c == '-' || IsDigit(c)) {
    ScanNumber();
    return token_;
  } else if (c == 0) {
    token_ = kEndOfText;
  } else {
    ++pos_;
    token_ = c;
  }
  token_end_ = pos_;
  return token_;
}

void FormTokenizer::ScanNumber() {
  do {
    ++pos_;
  } while (IsDigit(static_cast<unsigned char>(buffer_[pos_])));
  token_ = kInteger;
  // A negative infinity is written "-INF"; a lone "INF" stays a symbol.
  if (pos_ == token_start_ + 1 && buffer_[token_start_] == '-' && buffer_[pos_] == 'I' &&
      buffer_[pos_ + 1] == 'N' && buffer_[pos_ + 2] == 'F') {
    pos_ += 3;
    token_ = kFloat;
  }
  while (IsFloatPart(static_cast<unsigned char>(buffer_[pos_]))) {
    ++pos_;
    token_ = kFloat;
  }
  token_end_ = pos_;
  if (IsFloatSuffix(static_cast<unsigned char>(buffer_[pos_]))) {
    float_suffix_ = buffer_[pos_];
    ++pos_;
    token_ = kFloat;
  }
}

void FormTokenizer::ScanString() {
  string_value_.clear();
  wide_value_.clear();
  wide_ = false;
  empty_code_ = false;
  while (true) {
    char c = buffer_[pos_];
    if (c == '\'') {
      ++pos_;
      while (true) {
        c = buffer_[pos_];
        if (c == 0 || c == '\r' || c == '\n') Error("Invalid string constant");
        ++pos_;
        if (c == '\'') {
          if (buffer_[pos_] != '\'') break;
          ++pos_;
        }
        AppendCode(static_cast<unsigned char>(c), false);
      }
    } else if (c == '#') {
      // Decimal digits, or "$" and hexadecimal ones.
      const bool hex = buffer_[++pos_] == '$';
      if (hex) ++pos_;
      const size_t digits = pos_;
      uint32_t code = 0;
      bool above_byte = false;
      while (hex ? kHexValue[static_cast<unsigned char>(buffer_[pos_])] >= 0
                 : IsDigit(static_cast<unsigned char>(buffer_[pos_]))) {
        // Only the low 16 bits are kept, but any code above 255 makes it wide.
        const uint32_t digit =
            static_cast<uint32_t>(kHexValue[static_cast<unsigned char>(buffer_[pos_])]);
        code = (code * (hex ? 16 : 10) + digit) & 0xFFFF;
        if (code > 255) above_byte = true;
        ++pos_;
      }
      if (pos_ == digits) empty_code_ = true;
      AppendCode(code, above_byte);
    } else {
      break;
    }
  }
  token_ = wide_ ? kWString : kString;
}

void FormTokenizer::AppendCode(uint32_t code, bool above_byte) {
  if (!wide_ && above_byte) {
    wide_ = true;
    for (char byte : string_value_)
      wide_value_ += static_cast<char16_t>(static_cast<unsigned char>(byte));
  }
  if (wide_) {
    wide_value_ += static_cast<char16_t>(code);
  } else {
    string_value_ += static_cast<char>(code);
  }
}

std::string_view FormTokenizer::TokenString() const {
  return std::string_view(buffer_.data() + token_start_, token_end_ - token_start_);
}

int64_t FormTokenizer::TokenInt64() const {
  std::optional<int64_t> value = ParseInteger(TokenString());
  if (!value) InvalidInteger();
  return *value;
}

int32_t FormTokenizer::TokenInt() const {
  int64_t value = TokenInt64();
  if (value < INT32_MIN || value > INT32_MAX) InvalidInteger();
  return static_cast<int32_t>(value);
}

void FormTokenizer::InvalidInteger() const {
  throw EConvertError("'" + std::string(TokenString()) + "' is not a valid integer value" +
                      OnLine());
}

ExtendedValue FormTokenizer::TokenFloat() const {
  std::optional<ExtendedValue> value = ParseExtended(TokenString());
  if (!value) InvalidFloat();
  return *value;
}

int64_t FormTokenizer::TokenCurrency() const {
  std::optional<int64_t> value = RoundToInt64(TokenFloat());
  if (!value) InvalidFloat();
  return *value;
}

void FormTokenizer::InvalidFloat() const {
  throw EConvertError("'" + std::string(TokenString()) + "' is not a valid floating point value" +
                      OnLine());
}

std::string_view FormTokenizer::TokenComponentIdent() {
  CheckToken(kSymbol);
  size_t p = token_end_;
  while (buffer_[p] == '.') {
    ++p;
    if (!IsLetter(static_cast<unsigned char>(buffer_[p]))) Error("Identifier expected");
    do {
      ++p;
    } while (IsSymbolPart(static_cast<unsigned char>(buffer_[p])));
  }
  pos_ = token_end_ = p;
  return TokenString();
}

bool FormTokenizer::TokenSymbolIs(std::string_view word) const {
  if (token_ != kSymbol) return false;
  std::string_view text = TokenString();
  if (text.size() != word.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (UpperAscii(text[i]) != UpperAscii(word[i])) return false;
  }
  return true;
}

void FormTokenizer::CheckToken(int expected) const {
  if (token_ == expected) return;
  switch (expected) {
    case kSymbol:
      Error("Identifier expected");
    case kString:
    case kWString:
      Error("String expected");
    case kInteger:
    case kFloat:
      Error("Number expected");
    default:
      Error(PunctuationName(static_cast<char>(expected)) + " expected");
  }
}

void FormTokenizer::CheckTokenSymbol(std::string_view word) const {
  if (!TokenSymbolIs(word)) Error(std::string(word) + " expected");
}

void FormTokenizer::HexToBinary(ByteSink& sink) {
  std::string& out = sink.pending();
  SkipBlanks();
  while (buffer_[pos_] != '}') {
    sink.Spill();
    // Whole pairs only; a pair cut by a blank or a line end does not decode.
    size_t start = pos_;
    while (true) {
      // The high digit is checked first: only a digit may have a byte behind it.
      int high = kHexValue[static_cast<unsigned char>(buffer_[pos_])];
      if (high < 0) break;
      int low = kHexValue[static_cast<unsigned char>(buffer_[pos_ + 1])];
      if (low < 0) break;
      out += static_cast<char>(high << 4 | low);
      pos_ += 2;
    }
    if (pos_ == start) Error("Invalid binary value");
    SkipBlanks();
  }
  ++pos_;
}

void FormTokenizer::Error(std::string_view text) const {
  throw EParserError(std::string(text) + OnLine());
}

std::string FormTokenizer::OnLine() const { return " on line " + std::to_string(line_); }

// Refills happen at line ends only, so the whole line of the token lies in
// the buffer: from behind the line end before it to the line end after it.
void FormTokenizer::RefuseLine() const {
  const auto ends_line = [](char c) { return c == '\r' || c == '\n' || c == 0; };
  size_t begin = token_start_;
  while (begin > 0 && !ends_line(buffer_[begin - 1])) --begin;
  size_t end = token_start_;
  while (end < source_end_ && !ends_line(buffer_[end])) ++end;
  throw ELineError(line_, std::string(buffer_.data() + begin, end - begin));
}

}  // namespace vornic
