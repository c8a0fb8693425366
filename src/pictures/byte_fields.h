// Little-endian fields of the picture formats, read from memory and appended
// to a string. Each reader requires the field to lie inside `bytes`; callers
// check the size first.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vornic {

inline uint8_t ByteAt(std::string_view bytes, size_t at) {
  assert(at < bytes.size());
  return static_cast<uint8_t>(bytes[at]);
}

inline uint16_t Little16(std::string_view bytes, size_t at) {
  return static_cast<uint16_t>(ByteAt(bytes, at) | ByteAt(bytes, at + 1) << 8);
}

inline uint32_t Little32(std::string_view bytes, size_t at) {
  return static_cast<uint32_t>(Little16(bytes, at)) | static_cast<uint32_t>(Little16(bytes, at + 2))
                                                          << 16;
}

inline int32_t LittleSigned32(std::string_view bytes, size_t at) {
  return static_cast<int32_t>(Little32(bytes, at));
}

inline void PutLittle16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8 & 0xFF);
}

inline void PutLittle32(std::string& out, uint32_t value) {
  PutLittle16(out, value & 0xFFFF);
  PutLittle16(out, value >> 16);
}

}  // namespace vornic
