// Put-style appenders for the pieces of a binary form record: bytes,
// little-endian numbers, short strings and integer values with their tag.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vornic {

inline void PutByte(std::string& out, uint8_t byte) { out += static_cast<char>(byte); }

/// Appends the low `size` bytes of `value`, least significant first.
void PutLittleEndian(std::string& out, uint64_t value, int size);

/// A length byte and the text, cut to 255 bytes.
void PutShortString(std::string& out, std::string_view text);

/// Tag 2, 3 or 4, whichever is the smallest that holds the value, and its bytes.
void PutIntegerValue(std::string& out, int32_t value);

}  // namespace vornic
