// A recursive-descent converter: every object, property and value is written
// as soon as it is parsed; no tree is built.
#include "input/form_text_converter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "input/decimal_float.h"
#include "input/form_format.h"
#include "input/form_tokenizer.h"
#include "input/record_encoding.h"

namespace vornic {
namespace {

using Tok = FormTokenizer;

// Every byte becomes the 16-bit character of the same number.
void AppendWidened(std::u16string& wide, std::string_view bytes) {
  for (char c : bytes) wide += static_cast<char16_t>(static_cast<unsigned char>(c));
}

class FormTextConverter {
 public:
  FormTextConverter(std::istream& input, ByteSink& sink, RootClassHandler before_data)
      : parser_(input), sink_(sink), out_(sink.pending()), before_data_(std::move(before_data)) {}

  void Convert();

 private:
  void ConvertObject();
  void ConvertHeader(uint8_t flags);
  int32_t ConvertOrderModifier();
  void ConvertProperty();
  void ConvertValue();
  void ConvertSymbol();
  void ConvertInteger();
  void ConvertString();
  void ConvertFloat();
  void ConvertList();
  void ConvertSet();
  void ConvertBinary();
  void ConvertCollection();
  void EnterNested();

  Tok parser_;
  ByteSink& sink_;
  std::string& out_;  // the sink's pending bytes, appended to Put-style
  RootClassHandler before_data_;
  int depth_ = 0;               // objects, lists and collections open right now
  bool in_list_ = false;        // the value being read is an entry of a list of strings
  bool strings_value_ = false;  // the property being read holds strings ("Items.Strings")
};

void FormTextConverter::Convert() {
  parser_.NextToken();
  ConvertObject();
}

// Deep nesting is refused so hostile text cannot exhaust the stack.
void FormTextConverter::EnterNested() {
  if (++depth_ > form::kMaxNesting) parser_.Error("Nesting too deep");
}

void FormTextConverter::ConvertObject() {
  EnterNested();
  uint8_t flags = 0;
  if (parser_.TokenSymbolIs("INHERITED")) {
    flags = form::kFlagInherited;
  } else if (parser_.TokenSymbolIs("INLINE")) {
    flags = form::kFlagInline;
  } else {
    parser_.CheckTokenSymbol("OBJECT");
  }
  parser_.NextToken();
  ConvertHeader(flags);
  while (!parser_.TokenSymbolIs("END") && !parser_.TokenSymbolIs("OBJECT") &&
         !parser_.TokenSymbolIs("INHERITED") && !parser_.TokenSymbolIs("INLINE")) {
    ConvertProperty();
  }
  PutByte(out_, form::kNull);
  while (!parser_.TokenSymbolIs("END")) ConvertObject();
  PutByte(out_, form::kNull);
  // Nothing behind the root's end is read, not even one token: the line loop
  // stops there too, so both see the same form.
  if (depth_ > 1) parser_.NextToken();
  --depth_;
}

void FormTextConverter::ConvertHeader(uint8_t flags) {
  // Names may hold dots, as the binary reader passes them on.
  std::string class_name(parser_.TokenComponentIdent());
  std::string object_name;
  if (parser_.NextToken() == ':') {
    parser_.NextToken();
    object_name = std::move(class_name);
    class_name = parser_.TokenComponentIdent();
    parser_.NextToken();
  }
  int32_t position = ConvertOrderModifier();
  if (position >= 0) flags |= form::kFlagChildPos;
  if (depth_ == 1) {
    if (before_data_) before_data_(class_name);
    out_.append(form::kSignature, sizeof form::kSignature);
  }
  // A class name of 240 bytes or more has a length byte that reads as a
  // prefix, so it always gets one, even without flags.
  const bool long_class = std::min<size_t>(class_name.size(), 255) >= form::kPrefixMask;
  if (flags != 0 || long_class) {
    PutByte(out_, form::kPrefixMask | flags);
    if (position >= 0) PutIntegerValue(out_, position);
  }
  PutShortString(out_, class_name);
  PutShortString(out_, object_name);
}

// "[n]" behind an object or collection item header; -1 when absent.
int32_t FormTextConverter::ConvertOrderModifier() {
  if (parser_.token() != '[') return -1;
  parser_.NextToken();
  parser_.CheckToken(Tok::kInteger);
  int32_t value = parser_.TokenInt();
  parser_.NextToken();
  parser_.CheckToken(']');
  parser_.NextToken();
  return value;
}

void FormTextConverter::ConvertProperty() {
  sink_.Spill();
  parser_.CheckToken(Tok::kSymbol);
  std::string name(parser_.TokenString());
  parser_.NextToken();
  while (parser_.token() == '.') {
    parser_.NextToken();
    parser_.CheckToken(Tok::kSymbol);
    name += '.';
    name += parser_.TokenString();
    parser_.NextToken();
  }
  PutShortString(out_, name);
  parser_.CheckToken('=');
  parser_.NextToken();
  strings_value_ = name.ends_with(".Strings");
  ConvertValue();
  strings_value_ = false;
}

void FormTextConverter::ConvertValue() {
  sink_.Spill();
  switch (parser_.token()) {
    case Tok::kString:
    case Tok::kWString:
      return ConvertString();  // already stands behind the joined strings
    case Tok::kSymbol:
      ConvertSymbol();
      break;
    case Tok::kInteger:
      ConvertInteger();
      break;
    case Tok::kFloat:
      ConvertFloat();
      break;
    case '(':
      ConvertList();
      break;
    case '[':
      ConvertSet();
      break;
    case '{':
      ConvertBinary();
      break;
    case '<':
      ConvertCollection();
      break;
    default:
      parser_.Error("Invalid property value");
  }
  parser_.NextToken();
}

void FormTextConverter::ConvertSymbol() {
  std::string_view ident = parser_.TokenComponentIdent();
  if (parser_.TokenSymbolIs("FALSE")) {
    PutByte(out_, form::kFalse);
  } else if (parser_.TokenSymbolIs("TRUE")) {
    PutByte(out_, form::kTrue);
  } else if (parser_.TokenSymbolIs("NIL")) {
    PutByte(out_, form::kNil);
  } else {
    PutByte(out_, form::kIdent);
    PutShortString(out_, ident);
  }
}

void FormTextConverter::ConvertInteger() {
  const int64_t value = parser_.TokenInt64();
  if (value >= INT32_MIN && value <= INT32_MAX) {
    PutIntegerValue(out_, static_cast<int32_t>(value));
  } else {
    PutByte(out_, form::kInt64);
    PutLittleEndian(out_, static_cast<uint64_t>(value), 8);
  }
}

// Pieces of both kinds may be joined in any order, as a wide string that
// wraps over several lines has plain pieces too; one wide piece makes the
// whole value wide.
void FormTextConverter::ConvertString() {
  std::string bytes;
  std::u16string wide;
  bool is_wide = false;
  while (true) {
    if (in_list_ && parser_.has_empty_code()) parser_.RefuseLine();
    if (parser_.token() == Tok::kWString) {
      if (!is_wide) AppendWidened(wide, bytes);
      is_wide = true;
      wide += parser_.wide_value();
    } else if (is_wide) {
      AppendWidened(wide, parser_.string_value());
    } else {
      bytes += parser_.string_value();
    }
    if (parser_.NextToken() != '+') break;
    if (parser_.NextToken() != Tok::kWString) parser_.CheckToken(Tok::kString);
  }
  if (is_wide) {
    PutByte(out_, form::kWString);
    PutLittleEndian(out_, wide.size(), 4);
    for (char16_t c : wide) PutLittleEndian(out_, c, 2);
  } else if (bytes.size() <= 255) {
    PutByte(out_, form::kString);
    PutByte(out_, static_cast<uint8_t>(bytes.size()));
    out_ += bytes;
  } else {
    PutByte(out_, form::kLString);
    PutLittleEndian(out_, bytes.size(), 4);
    out_ += bytes;
  }
}

void FormTextConverter::ConvertFloat() {
  ExtendedValue value = parser_.TokenFloat();
  switch (parser_.float_suffix()) {
    case 's':
    case 'S':
      PutByte(out_, form::kSingle);
      PutLittleEndian(out_, SingleBits(value), 4);
      break;
    case 'c':
    case 'C':
      PutByte(out_, form::kCurrency);
      PutLittleEndian(out_, static_cast<uint64_t>(parser_.TokenCurrency()), 8);
      break;
    case 'd':
    case 'D':
      PutByte(out_, form::kDate);
      PutLittleEndian(out_, DoubleBits(value), 8);
      break;
    default: {
      PutByte(out_, form::kExtended);
      std::array<uint8_t, 10> bytes = ExtendedBytes(value);
      out_.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
  }
}

// The line loop reads a list of strings one entry a line: a value behind
// another on its line, or behind the "(", and a string whose "#" has no
// code would be lost there, so they are refused here as well, with their line.
void FormTextConverter::ConvertList() {
  EnterNested();
  parser_.NextToken();
  PutByte(out_, form::kList);
  const bool was_in_list = in_list_;
  in_list_ = strings_value_;
  strings_value_ = false;  // a list inside it is no list of strings
  while (parser_.token() != ')') {
    if (in_list_ && parser_.line() == parser_.previous_line()) parser_.RefuseLine();
    ConvertValue();
  }
  in_list_ = was_in_list;
  PutByte(out_, form::kNull);
  --depth_;
}

void FormTextConverter::ConvertSet() {
  parser_.NextToken();
  PutByte(out_, form::kSet);
  if (parser_.token() != ']') {
    while (true) {
      parser_.CheckToken(Tok::kSymbol);
      PutShortString(out_, parser_.TokenString());
      if (parser_.NextToken() == ']') break;
      parser_.CheckToken(',');
      parser_.NextToken();
    }
  }
  PutByte(out_, 0);
}

void FormTextConverter::ConvertBinary() {
  PutByte(out_, form::kBinary);
  const uint64_t size_at = sink_.position();
  PutLittleEndian(out_, 0, 4);
  parser_.HexToBinary(sink_);
  sink_.FillInSize(size_at);
}

void FormTextConverter::ConvertCollection() {
  EnterNested();
  const bool was_in_list = in_list_;
  in_list_ = false;  // its items' values are properties, not entries
  parser_.NextToken();
  PutByte(out_, form::kCollection);
  while (parser_.token() != '>') {
    parser_.CheckTokenSymbol("item");
    parser_.NextToken();
    int32_t index = ConvertOrderModifier();
    if (index != -1) PutIntegerValue(out_, index);
    PutByte(out_, form::kList);
    while (!parser_.TokenSymbolIs("END")) ConvertProperty();
    PutByte(out_, form::kNull);
    parser_.NextToken();
  }
  in_list_ = was_in_list;
  PutByte(out_, form::kNull);
  --depth_;
}

}  // namespace

void ConvertFormText(std::istream& input, ByteSink& sink, RootClassHandler before_data) {
  FormTextConverter converter(input, sink, std::move(before_data));
  converter.Convert();
}

}  // namespace vornic
