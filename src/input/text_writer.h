// A writer that puts form text into an output stream through a 4096-byte
// buffer, with the line breaks and indentation of form text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string_view>

namespace vornic {

/// Buffers text for a stream. A refused write throws EWriteError "Stream
/// write error" and the writer stays failed. The stream is borrowed and must
/// outlive the writer; nothing is flushed on destruction, the owner calls
/// Flush (or FlushAfterFailure when a conversion ends with an exception).
class TextWriter {
 public:
  static constexpr size_t kBufferSize = 4096;

  /// A line longer than `max_line_length` bytes (its CR LF not counted)
  /// throws EReadError "Line too long" when it ends.
  explicit TextWriter(std::ostream& output, size_t max_line_length = SIZE_MAX);
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;

  void Write(std::string_view text);
  void Write(char c);
  /// Two blanks per level.
  void WriteIndent(int level);
  /// CR LF, then the indentation of `level`.
  void NewLine(int level);
  /// CR LF; throws when the line it ends is too long.
  void EndLine();
  /// Hands the buffered text to the stream and flushes the stream.
  void Flush();
  /// Flush for the failure path: the exception in flight is the one to
  /// report, so a second failure here is not thrown.
  void FlushAfterFailure() noexcept;

 private:
  void WriteBuffer();

  std::ostream& output_;
  std::array<char, kBufferSize> buffer_;
  size_t used_ = 0;  // bytes waiting in buffer_
  size_t max_line_length_;
  size_t line_length_ = 0;  // bytes written since the last CR LF
  bool failed_ = false;     // the stream refused bytes once; nothing more is sent
};

}  // namespace vornic
