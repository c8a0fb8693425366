// Splits form text into tokens. The text is read through a 4096-byte buffer
// whose parsed part always ends behind a whole line (CR, LF or CR LF), so no
// token but hexadecimal data ever meets a refill. A zero byte or a character
// 26 ends the text.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

#include "input/decimal_float.h"

namespace vornic {

class ByteSink;

/// Tokenizer over form text. The input stream is borrowed and must outlive it.
/// Token values: the kinds below, or (33 and up) the code of a single character
/// that stands for itself, such as '=', '(', '[', '<', '{', '.', '+', ':'.
class FormTokenizer {
 public:
  enum Kind : int {
    kEndOfText = 0,
    kSymbol = 1,
    kString = 2,
    kInteger = 3,
    kFloat = 4,
    kWString = 5,
  };

  /// Skips a UTF-8 byte order mark at the very start of the input.
  explicit FormTokenizer(std::istream& input);
  FormTokenizer(const FormTokenizer&) = delete;
  FormTokenizer& operator=(const FormTokenizer&) = delete;

  /// Reads the next token and returns its value (also kept in token()).
  int NextToken();
  int token() const { return token_; }
  /// Line of the current position, counting from 1.
  int line() const { return line_; }
  /// Line on which the token before the current one ended.
  int previous_line() const { return previous_line_; }
  /// True when the kString or kWString token has a "#" without digits,
  /// a character code the line loop cannot read.
  bool has_empty_code() const { return empty_code_; }

  /// Text of a symbol, integer or float token (a float without its suffix);
  /// valid until the next call that reads input.
  std::string_view TokenString() const;
  /// Decoded value of a kString token.
  const std::string& string_value() const { return string_value_; }
  /// Decoded value of a kWString token, one element per 16-bit character.
  const std::u16string& wide_value() const { return wide_value_; }
  /// 'c', 'C', 'd', 'D', 's', 'S' for a float token that has one, else 0.
  char float_suffix() const { return float_suffix_; }

  /// The integer token's value; EConvertError "'<text>' is not a valid
  /// integer value on line <line>" when out of the 64-bit range.
  int64_t TokenInt64() const;
  /// The same; EConvertError when out of the 32-bit range.
  int32_t TokenInt() const;
  /// The float token's value; EConvertError when malformed or out of range.
  ExtendedValue TokenFloat() const;
  /// The float token rounded to an integer (it holds the amount times 10000);
  /// EConvertError outside the 64-bit range.
  int64_t TokenCurrency() const;
  /// Extends the current symbol by ".symbol" parts that follow directly.
  std::string_view TokenComponentIdent();
  /// True when the token is a symbol equal to `word` (ASCII letters of any case).
  bool TokenSymbolIs(std::string_view word) const;

  /// Fails with the message for `expected` unless the token is that: the
  /// kind in words ("Identifier expected"), a character by its name
  /// ("Equals sign "=" expected").
  void CheckToken(int expected) const;
  /// Fails with "<word> expected" unless TokenSymbolIs(word).
  void CheckTokenSymbol(std::string_view word) const;

  /// Decodes hexadecimal data behind a '{' token up to and including the '}',
  /// putting the bytes into `sink`. The caller takes the next token.
  void HexToBinary(ByteSink& sink);

  /// Throws EParserError "<text> on line <line>".
  [[noreturn]] void Error(std::string_view text) const;
  /// " on line <line>": where every message of the tokenizer points.
  std::string OnLine() const;
  /// Throws ELineError for the line the current token stands on.
  [[noreturn]] void RefuseLine() const;

 private:
  static constexpr size_t kBufferSize = 4096;

  void Refill();
  void SkipBlanks();
  size_t ReadInput(size_t offset, size_t count);
  void ScanString();
  void ScanNumber();
  void AppendCode(uint32_t code, bool above_byte);
  [[noreturn]] void InvalidInteger() const;
  [[noreturn]] void InvalidFloat() const;

  std::istream& input_;
  std::array<char, kBufferSize> buffer_{};
  size_t buffer_end_ = 0;  // one past the last byte read into the buffer
  size_t source_end_ = 0;  // end of the parsed part; holds a zero byte
  char saved_char_ = 0;    // the byte the zero at source_end_ replaced
  size_t pos_ = 0;         // next byte to scan; never past source_end_
  size_t token_start_ = 0;
  size_t token_end_ = 0;  // one past the token's text (before a suffix)
  int token_ = kEndOfText;
  int line_ = 1;
  int previous_line_ = 1;
  bool empty_code_ = false;  // the string token has a "#" without digits
  bool after_cr_ = false;    // the last byte skipped was a CR
  bool ended_ = false;       // a character 26 has ended the text; nothing more is read
  char float_suffix_ = 0;
  bool wide_ = false;  // whether the string being scanned is wide
  std::string string_value_;
  std::u16string wide_value_;
};

}  // namespace vornic
