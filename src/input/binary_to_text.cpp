// The binary form file to form text conversion: the resource header, the
// signature and the object records, converted value by value as they are read.
#include "input/binary_to_text.h"

#include <cstring>
#include <string>

#include "input/byte_reader.h"
#include "input/float_text.h"
#include "input/form_format.h"
#include "input/form_names.h"
#include "input/string_text.h"
#include "input/text_writer.h"
#include "input/utf8_decode.h"
#include "lib/errors.h"

namespace vornic {
namespace {

constexpr const char* kInvalidStreamFormat = "Invalid stream format";
constexpr const char* kInvalidPropertyValue = "Invalid property value";

// The header area keeps its last byte zero, so the name search always ends.
constexpr size_t kHeaderBytesRead = form::kResourceHeaderArea - 1;
constexpr size_t kNameOffset = 3;
// Type marker, type, the name's zero byte, memory flags and data size.
constexpr size_t kHeaderFixedBytes = 10;
constexpr size_t kBinaryLineBytes = 32;

class BinaryToTextConverter {
 public:
  /// Both are borrowed for the converter's lifetime.
  BinaryToTextConverter(ByteReader& reader, TextWriter& writer)
      : reader_(reader), writer_(writer) {}
  BinaryToTextConverter(const BinaryToTextConverter&) = delete;
  BinaryToTextConverter& operator=(const BinaryToTextConverter&) = delete;

  void ConvertObject(int level);

 private:
  // Counts open objects, lists and collections; too many end the conversion
  // before the recursion can exhaust the stack.
  class NestingGuard {
   public:
    explicit NestingGuard(int& depth) : depth_(depth) {
      if (++depth_ > form::kMaxNesting) throw EReadError(kInvalidStreamFormat);
    }
    ~NestingGuard() { --depth_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

   private:
    int& depth_;
  };

  void WriteObjectHeader(int level);
  void ConvertProperty(int level);
  void ConvertValue(int level);
  void ConvertList(int level);
  void ConvertSet();
  void ConvertCollection(int level);
  void ConvertBinary(int level);
  void WriteHexLine(size_t count);
  void ConvertWideString(int level);
  int64_t ReadIntegerValue();
  std::string ReadShortString();
  /// A short string that must be a name (IsNameText, dotted); throws
  /// EReadError with `failure` otherwise.
  std::string ReadName(const char* failure);
  void ExpectEndOfList();

  ByteReader& reader_;
  TextWriter& writer_;
  int depth_ = 0;
};

void BinaryToTextConverter::ConvertObject(int level) {
  NestingGuard guard(depth_);
  WriteObjectHeader(level);
  while (reader_.PeekByte() != form::kNull) ConvertProperty(level + 1);
  reader_.ReadByte();
  while (reader_.PeekByte() != form::kNull) ConvertObject(level + 1);
  reader_.ReadByte();
  writer_.WriteIndent(level);
  writer_.Write(std::string_view("end"));
  writer_.EndLine();
}

void BinaryToTextConverter::WriteObjectHeader(int level) {
  uint8_t flags = 0;
  if ((reader_.PeekByte() & form::kPrefixMask) == form::kPrefixMask) {
    flags = reader_.ReadByte() & ~form::kPrefixMask;
  }
  std::string position;
  if (flags & form::kFlagChildPos) {
    const int64_t value = ReadIntegerValue();
    // The text reads a negative position as none.
    if (value < 0) throw EReadError(kInvalidPropertyValue);
    position = std::to_string(value);
  }
  std::string class_name = ReadName(kInvalidStreamFormat);
  std::string object_name = ReadShortString();
  if (!object_name.empty() && !IsNameText(object_name, true)) {
    throw EReadError(kInvalidStreamFormat);
  }

  writer_.WriteIndent(level);
  // An embedded frame must stay recognisable, so "inline" wins over "inherited".
  if (flags & form::kFlagInline) {
    writer_.Write(std::string_view("inline "));
  } else if (flags & form::kFlagInherited) {
    writer_.Write(std::string_view("inherited "));
  } else {
    writer_.Write(std::string_view("object "));
  }
  if (!object_name.empty()) {
    writer_.Write(object_name);
    writer_.Write(std::string_view(": "));
  }
  writer_.Write(class_name);
  if (flags & form::kFlagChildPos) {
    writer_.Write(std::string_view(" ["));
    writer_.Write(position);
    writer_.Write(']');
  }
  writer_.EndLine();
}

void BinaryToTextConverter::ConvertProperty(int level) {
  const std::string name = ReadName(kInvalidStreamFormat);
  if (StartsWithKeyword(name)) throw EReadError(kInvalidStreamFormat);
  writer_.WriteIndent(level);
  writer_.Write(name);
  writer_.Write(std::string_view(" = "));
  ConvertValue(level);
  writer_.EndLine();
}

void BinaryToTextConverter::ConvertValue(int level) {
  const uint8_t tag = reader_.ReadByte();
  switch (tag) {
    case form::kNull:
      writer_.Write(std::string_view("Null"));
      break;
    case form::kList:
      ConvertList(level);
      break;
    case form::kInt8:
      writer_.Write(std::to_string(static_cast<int8_t>(reader_.ReadByte())));
      break;
    case form::kInt16:
      writer_.Write(std::to_string(static_cast<int16_t>(reader_.ReadUInt16())));
      break;
    case form::kInt32:
      writer_.Write(std::to_string(static_cast<int32_t>(reader_.ReadUInt32())));
      break;
    case form::kInt64:
      writer_.Write(std::to_string(static_cast<int64_t>(reader_.ReadUInt64())));
      break;
    case form::kExtended: {
      unsigned char bytes[10];
      reader_.Read(bytes, sizeof bytes);
      writer_.Write(FloatText(DecodeExtended(bytes)));
      break;
    }
    case form::kSingle:
      writer_.Write(FloatText(DecodeSingle(reader_.ReadUInt32())) + "s");
      break;
    case form::kCurrency:
      // The stored amount times 10000, as the text reads it back.
      writer_.Write(FloatText(FromInteger(static_cast<int64_t>(reader_.ReadUInt64()))) + "c");
      break;
    case form::kDate:
      writer_.Write(FloatText(DecodeDouble(reader_.ReadUInt64())) + "d");
      break;
    case form::kString:
      WriteStringText(writer_, ReadShortString(), level);
      break;
    case form::kLString: {
      std::string text;
      reader_.AppendTo(text, reader_.ReadUInt32());
      WriteStringText(writer_, text, level);
      break;
    }
    case form::kWString:
      ConvertWideString(level);
      break;
    case form::kUtf8String: {
      std::string bytes;
      reader_.AppendTo(bytes, reader_.ReadUInt32());
      WriteWideStringText(writer_, Utf8ToUtf16(bytes), level);
      break;
    }
    case form::kIdent:
      writer_.Write(IdentifierText(ReadName(kInvalidPropertyValue)));
      break;
    case form::kFalse:
      writer_.Write(std::string_view("False"));
      break;
    case form::kTrue:
      writer_.Write(std::string_view("True"));
      break;
    case form::kNil:
      writer_.Write(std::string_view("nil"));
      break;
    case form::kBinary:
      ConvertBinary(level);
      break;
    case form::kSet:
      ConvertSet();
      break;
    case form::kCollection:
      ConvertCollection(level);
      break;
    default:
      throw EReadError(kInvalidPropertyValue);
  }
}

void BinaryToTextConverter::ConvertList(int level) {
  NestingGuard guard(depth_);
  writer_.Write('(');
  while (reader_.PeekByte() != form::kNull) {
    writer_.NewLine(level + 1);
    ConvertValue(level + 1);
  }
  reader_.ReadByte();
  writer_.Write(')');
}

void BinaryToTextConverter::ConvertSet() {
  writer_.Write('[');
  bool first = true;
  for (std::string name = ReadShortString(); !name.empty(); name = ReadShortString()) {
    if (!IsNameText(name, false)) throw EReadError(kInvalidPropertyValue);
    if (!first) writer_.Write(std::string_view(", "));
    writer_.Write(name);
    first = false;
  }
  writer_.Write(']');
}

void BinaryToTextConverter::ConvertCollection(int level) {
  NestingGuard guard(depth_);
  writer_.Write('<');
  while (reader_.PeekByte() != form::kNull) {
    writer_.NewLine(level + 1);
    writer_.Write(std::string_view("item"));
    uint8_t next = reader_.PeekByte();
    if (next == form::kInt8 || next == form::kInt16 || next == form::kInt32) {
      const int64_t index = ReadIntegerValue();
      // The text reads an index of -1 as none.
      if (index == -1) throw EReadError(kInvalidPropertyValue);
      writer_.Write(std::string_view(" ["));
      writer_.Write(std::to_string(index));
      writer_.Write(']');
    }
    if (reader_.ReadByte() != form::kList) throw EReadError(kInvalidPropertyValue);
    writer_.EndLine();
    while (reader_.PeekByte() != form::kNull) ConvertProperty(level + 2);
    reader_.ReadByte();
    writer_.WriteIndent(level + 1);
    writer_.Write(std::string_view("end"));
  }
  reader_.ReadByte();
  writer_.Write('>');
}

void BinaryToTextConverter::ConvertBinary(int level) {
  uint32_t remaining = reader_.ReadUInt32();
  writer_.Write('{');
  if (remaining < kBinaryLineBytes) {
    WriteHexLine(remaining);
  } else {
    // Moved in line-sized pieces, so bitmaps of any size need no memory.
    while (remaining > 0) {
      size_t count = remaining < kBinaryLineBytes ? remaining : kBinaryLineBytes;
      writer_.NewLine(level + 1);
      WriteHexLine(count);
      remaining -= static_cast<uint32_t>(count);
    }
  }
  writer_.Write('}');
}

void BinaryToTextConverter::WriteHexLine(size_t count) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  unsigned char bytes[kBinaryLineBytes];
  char digits[kBinaryLineBytes * 2];
  reader_.Read(bytes, count);
  for (size_t i = 0; i < count; ++i) {
    digits[2 * i] = kHexDigits[bytes[i] >> 4];
    digits[2 * i + 1] = kHexDigits[bytes[i] & 0x0F];
  }
  writer_.Write(std::string_view(digits, count * 2));
}

void BinaryToTextConverter::ConvertWideString(int level) {
  uint32_t length = reader_.ReadUInt32();
  std::u16string text;
  // Grows with the units actually read, whatever the length field claims.
  for (uint32_t i = 0; i < length; ++i) text += static_cast<char16_t>(reader_.ReadUInt16());
  WriteWideStringText(writer_, text, level);
}

int64_t BinaryToTextConverter::ReadIntegerValue() {
  switch (reader_.ReadByte()) {
    case form::kInt8:
      return static_cast<int8_t>(reader_.ReadByte());
    case form::kInt16:
      return static_cast<int16_t>(reader_.ReadUInt16());
    case form::kInt32:
      return static_cast<int32_t>(reader_.ReadUInt32());
    default:
      throw EReadError(kInvalidPropertyValue);
  }
}

std::string BinaryToTextConverter::ReadShortString() {
  std::string text;
  reader_.AppendTo(text, reader_.ReadByte());
  return text;
}

std::string BinaryToTextConverter::ReadName(const char* failure) {
  std::string name = ReadShortString();
  if (!IsNameText(name, true)) throw EReadError(failure);
  return name;
}

// The header's size and flags are not examined: the object record itself
// says where the form ends.
void SkipResourceHeader(ByteReader& reader) {
  unsigned char area[form::kResourceHeaderArea] = {};
  reader.PeekAvailable(area, kHeaderBytesRead);
  unsigned type = area[1] | area[2] << 8;
  if (area[0] != form::kResourceTypeMarker || type != form::kResourceTypeRcData) {
    throw EInvalidImage(kInvalidStreamFormat);
  }
  size_t name_length = std::strlen(reinterpret_cast<const char*>(area) + kNameOffset);
  // A header cut short leaves the signature check to report it.
  reader.SkipAvailable(name_length + kHeaderFixedBytes);
}

void ReadSignature(ByteReader& reader) {
  char signature[sizeof form::kSignature];
  if (reader.ReadAvailable(signature, sizeof signature) != sizeof signature ||
      std::memcmp(signature, form::kSignature, sizeof signature) != 0) {
    throw EReadError(kInvalidStreamFormat);
  }
}

// Runs one conversion; the text converted before a failure reaches the output.
template <typename Steps>
void Convert(std::istream& input, std::ostream& output, Steps steps) {
  ByteReader reader(input);
  // Longer lines would not read back.
  TextWriter writer(output, form::kMaxTextLine);
  try {
    steps(reader);
    ReadSignature(reader);
    BinaryToTextConverter(reader, writer).ConvertObject(0);
  } catch (...) {
    writer.FlushAfterFailure();
    throw;
  }
  writer.Flush();
}

}  // namespace

void FormResourceToText(std::istream& input, std::ostream& output) {
  Convert(input, output, [](ByteReader& reader) { SkipResourceHeader(reader); });
}

void FormBinaryToText(std::istream& input, std::ostream& output) {
  Convert(input, output, [](ByteReader&) {});
}

}  // namespace vornic
