// A recursive-descent converter: every object, property and value is written
// as soon as it is parsed; no tree is built.
#include "input/form_text_converter.h"

#include <array>
#include <utility>

#include "input/decimal_float.h"
#include "input/form_format.h"
#include "input/form_tokenizer.h"
#include "input/record_encoding.h"

namespace vornic {
namespace {

using Tok = FormTokenizer;

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
  void ConvertString();
  void ConvertWideString();
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
  int depth_ = 0;  // objects, lists and collections open right now
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
  parser_.NextToken();
  --depth_;
}

void FormTextConverter::ConvertHeader(uint8_t flags) {
  parser_.CheckToken(Tok::kSymbol);
  std::string class_name(parser_.TokenString());
  std::string object_name;
  if (parser_.NextToken() == ':') {
    parser_.NextToken();
    parser_.CheckToken(Tok::kSymbol);
    object_name = std::move(class_name);
    class_name = parser_.TokenString();
    parser_.NextToken();
  }
  int32_t position = ConvertOrderModifier();
  if (position >= 0) flags |= form::kFlagChildPos;
  if (depth_ == 1) {
    if (before_data_) before_data_(class_name);
    out_.append(form::kSignature, sizeof form::kSignature);
  }
  if (flags != 0) {
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
  ConvertValue();
}

void FormTextConverter::ConvertValue() {
  sink_.Spill();
  switch (parser_.token()) {
    case Tok::kString:
      return ConvertString();  // already stands behind the joined strings
    case Tok::kWString:
      return ConvertWideString();
    case Tok::kSymbol:
      ConvertSymbol();
      break;
    case Tok::kInteger:
      PutIntegerValue(out_, parser_.TokenInt());
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

void FormTextConverter::ConvertString() {
  std::string value = parser_.string_value();
  while (parser_.NextToken() == '+') {
    parser_.NextToken();
    parser_.CheckToken(Tok::kString);
    value += parser_.string_value();
  }
  if (value.size() <= 255) {
    PutByte(out_, form::kString);
    PutByte(out_, static_cast<uint8_t>(value.size()));
  } else {
    PutByte(out_, form::kLString);
    PutLittleEndian(out_, value.size(), 4);
  }
  out_ += value;
}

void FormTextConverter::ConvertWideString() {
  std::u16string value = parser_.wide_value();
  while (parser_.NextToken() == '+') {
    parser_.NextToken();
    parser_.CheckToken(Tok::kWString);
    value += parser_.wide_value();
  }
  PutByte(out_, form::kWString);
  PutLittleEndian(out_, value.size(), 4);
  for (char16_t c : value) PutLittleEndian(out_, c, 2);
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

void FormTextConverter::ConvertList() {
  EnterNested();
  parser_.NextToken();
  PutByte(out_, form::kList);
  while (parser_.token() != ')') ConvertValue();
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
  PutByte(out_, form::kNull);
  --depth_;
}

}  // namespace

void ConvertFormText(std::istream& input, ByteSink& sink, RootClassHandler before_data) {
  FormTextConverter converter(input, sink, std::move(before_data));
  converter.Convert();
}

}  // namespace vornic
