// Overwriting written bytes seeks back, writes and returns to the end; sizes
// are rare next to the data, so the seeks cost little.
#include "input/byte_sink.h"

#include <algorithm>

#include "input/record_encoding.h"
#include "lib/errors.h"

namespace vornic {

ByteSink::ByteSink(std::ostream& output) : output_(output), start_(output.tellp()) {
  pending_.reserve(kSpillSize + kSpillSize / 4);
}

void ByteSink::Overwrite(uint64_t position, std::string_view bytes) {
  if (position < written_) {
    // The part already in the stream: a stream that cannot seek cannot take it.
    size_t in_stream = static_cast<size_t>(std::min<uint64_t>(bytes.size(), written_ - position));
    if (start_ == std::ostream::pos_type(-1)) throw EWriteError(kStreamWriteError);
    const auto end = start_ + static_cast<std::streamoff>(written_);
    output_.seekp(start_ + static_cast<std::streamoff>(position));
    WriteToStream(bytes.substr(0, in_stream));
    output_.seekp(end);
    if (!output_) throw EWriteError(kStreamWriteError);
    bytes.remove_prefix(in_stream);
    position += in_stream;
  }
  if (!bytes.empty())
    pending_.replace(static_cast<size_t>(position - written_), bytes.size(), bytes);
}

void ByteSink::FillInSize(uint64_t size_at) {
  std::string size;
  PutLittleEndian(size, position() - size_at - 4, 4);
  Overwrite(size_at, size);
}

void ByteSink::WritePending() {
  WriteToStream(pending_);
  written_ += pending_.size();
  pending_.clear();
}

void ByteSink::WriteToStream(std::string_view bytes) {
  output_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!output_) throw EWriteError(kStreamWriteError);
}

}  // namespace vornic
