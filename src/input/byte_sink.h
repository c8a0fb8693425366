// An output buffer for writers that learn some sizes only after the bytes
// behind them: the bytes are appended Put-style to a string that is written
// out whenever it grows past a bound, and a size written earlier can still be
// overwritten, in the buffer or, once written out, by seeking the stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace vornic {

/// Holds at most about kSpillSize bytes of output in memory, whatever the
/// size of the whole output. The stream is borrowed and must outlive the sink;
/// overwriting bytes already written out needs a stream that can seek. Bytes
/// still pending when the sink is destroyed are dropped, so a writer that
/// fails leaves out what it had not finished. Write failures throw EWriteError
/// "Stream write error".
class ByteSink {
 public:
  static constexpr size_t kSpillSize = 64 * 1024;

  explicit ByteSink(std::ostream& output);
  ByteSink(const ByteSink&) = delete;
  ByteSink& operator=(const ByteSink&) = delete;

  /// The bytes not yet written out; writers append to it directly.
  std::string& pending() { return pending_; }
  /// The number of bytes put so far, written out or pending.
  uint64_t position() const { return written_ + pending_.size(); }

  /// Writes the pending bytes out once they pass kSpillSize. Call it only
  /// between whole records, where the bytes so far are final or overwritable.
  void Spill() {
    if (pending_.size() >= kSpillSize) WritePending();
  }
  /// Replaces bytes put earlier, starting at `position`.
  void Overwrite(uint64_t position, std::string_view bytes);
  /// Overwrites the 4 bytes at `size_at` with the little-endian number of
  /// bytes put behind them.
  void FillInSize(uint64_t size_at);
  /// Writes out everything pending.
  void Finish() { WritePending(); }

 private:
  void WritePending();
  void WriteToStream(std::string_view bytes);

  std::ostream& output_;
  std::ostream::pos_type start_;  // where the first byte went; -1 if the stream cannot tell
  std::string pending_;
  uint64_t written_ = 0;  // bytes before pending_, already in the stream
};

}  // namespace vornic
