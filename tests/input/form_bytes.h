// Builds binary form records byte by byte for the tests, Put-style.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "input/form_format.h"

namespace vornic::testing {

/// Appends little-endian numbers, tags and strings; str() is the result.
class FormBytes {
 public:
  FormBytes& Byte(uint8_t value) {
    bytes_ += static_cast<char>(value);
    return *this;
  }
  FormBytes& Raw(std::string_view data) {
    bytes_ += data;
    return *this;
  }
  FormBytes& UInt(uint64_t value, int size) {
    for (int i = 0; i < size; ++i) Byte(static_cast<uint8_t>(value >> (8 * i)));
    return *this;
  }
  FormBytes& Short(std::string_view text) {
    return Byte(static_cast<uint8_t>(text.size())).Raw(text);
  }
  FormBytes& Signature() { return Raw(std::string_view(form::kSignature, 4)); }
  /// Optional prefix, class name and object name of an object record.
  FormBytes& Object(std::string_view class_name, std::string_view name) {
    return Short(class_name).Short(name);
  }
  FormBytes& End() { return Byte(form::kNull); }
  /// A property name and its value tag; the payload follows.
  FormBytes& Prop(std::string_view name, form::Tag tag) { return Short(name).Byte(tag); }
  FormBytes& Int8Value(int8_t value) { return Byte(form::kInt8).Byte(static_cast<uint8_t>(value)); }
  FormBytes& LongString(form::Tag tag, std::string_view data, uint32_t length) {
    return Byte(tag).UInt(length, 4).Raw(data);
  }
  FormBytes& WideString(std::u16string_view text) {
    Byte(form::kWString).UInt(text.size(), 4);
    for (char16_t unit : text) UInt(unit, 2);
    return *this;
  }

  const std::string& str() const { return bytes_; }

 private:
  std::string bytes_;
};

/// A resource header for a form whose data has `size` bytes.
inline std::string ResourceHeader(std::string_view upper_name, uint32_t size) {
  FormBytes header;
  header.Byte(0xFF).UInt(10, 2).Raw(upper_name).Byte(0).UInt(0x1030, 2).UInt(size, 4);
  return header.str();
}

}  // namespace vornic::testing
