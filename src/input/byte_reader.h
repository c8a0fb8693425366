// A reader that takes bytes from an input stream through a 4096-byte buffer
// and checks the remaining bytes before every read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>

namespace vornic {

/// The message of every read that runs past the end of the input.
inline constexpr const char* kStreamReadError = "Stream read error";

/// Reads little-endian numbers and byte runs from a stream. Exact reads that
/// run out of input throw EReadError "Stream read error"; the *Available
/// operations return fewer bytes instead. The stream is borrowed and must
/// outlive the reader.
class ByteReader {
 public:
  static constexpr size_t kBufferSize = 4096;

  explicit ByteReader(std::istream& input);
  ByteReader(const ByteReader&) = delete;
  ByteReader& operator=(const ByteReader&) = delete;

  /// The next byte, left unread.
  uint8_t PeekByte();
  uint8_t ReadByte();
  uint16_t ReadUInt16();
  uint32_t ReadUInt32();
  uint64_t ReadUInt64();
  /// Reads exactly `count` bytes into `out`.
  void Read(void* out, size_t count);
  /// Appends exactly `count` bytes to `out`; it grows only as bytes arrive,
  /// so a length field larger than the input cannot reserve a huge block.
  void AppendTo(std::string& out, size_t count);
  /// Reads up to `count` bytes; fewer only at the end of the input.
  size_t ReadAvailable(void* out, size_t count);
  /// Skips up to `count` bytes; fewer only at the end of the input.
  size_t SkipAvailable(size_t count);
  /// Copies up to `count` (at most kBufferSize) next bytes without reading
  /// them; fewer only at the end of the input.
  size_t PeekAvailable(void* out, size_t count);

 private:
  /// Refills the empty buffer; false at the end of the input.
  bool Refill();
  /// Takes up to `count` buffered bytes (refilling once when empty).
  size_t Take(char* out, size_t count);

  std::istream& input_;
  std::array<char, kBufferSize> buffer_;
  size_t next_ = 0;  // first unread byte in buffer_
  size_t end_ = 0;   // one past the last valid byte in buffer_
};

}  // namespace vornic
