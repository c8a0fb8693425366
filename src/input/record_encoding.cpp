// Encodings shared by every record the text converter writes.
#include "input/record_encoding.h"

#include "input/form_format.h"

namespace vornic {

void PutLittleEndian(std::string& out, uint64_t value, int size) {
  for (int i = 0; i < size; ++i) out += static_cast<char>(value >> (8 * i));
}

void PutShortString(std::string& out, std::string_view text) {
  if (text.size() > 255) text = text.substr(0, 255);
  PutByte(out, static_cast<uint8_t>(text.size()));
  out.append(text);
}

void PutIntegerValue(std::string& out, int32_t value) {
  auto bits = static_cast<uint32_t>(value);
  if (value >= -128 && value <= 127) {
    PutByte(out, form::kInt8);
    PutLittleEndian(out, bits, 1);
  } else if (value >= -32768 && value <= 32767) {
    PutByte(out, form::kInt16);
    PutLittleEndian(out, bits, 2);
  } else {
    PutByte(out, form::kInt32);
    PutLittleEndian(out, bits, 4);
  }
}

}  // namespace vornic
