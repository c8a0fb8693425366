// The buffered form text writer.
#include "input/text_writer.h"

#include <algorithm>
#include <cstring>

#include "lib/errors.h"

namespace vornic {

TextWriter::TextWriter(std::ostream& output, size_t max_line_length)
    : output_(output), max_line_length_(max_line_length) {}

void TextWriter::Write(std::string_view text) {
  line_length_ += text.size();
  while (!text.empty()) {
    if (used_ == buffer_.size()) WriteBuffer();
    size_t part = std::min(text.size(), buffer_.size() - used_);
    std::memcpy(buffer_.data() + used_, text.data(), part);
    used_ += part;
    text.remove_prefix(part);
  }
}

void TextWriter::Write(char c) {
  ++line_length_;
  if (used_ == buffer_.size()) WriteBuffer();
  buffer_[used_++] = c;
}

void TextWriter::WriteIndent(int level) {
  static constexpr std::string_view kBlanks = "                                ";
  size_t count = static_cast<size_t>(level) * 2;
  while (count > 0) {
    size_t part = std::min(count, kBlanks.size());
    Write(kBlanks.substr(0, part));
    count -= part;
  }
}

void TextWriter::NewLine(int level) {
  EndLine();
  WriteIndent(level);
}

void TextWriter::EndLine() {
  if (line_length_ > max_line_length_) throw EReadError("Line too long");
  Write(std::string_view("\r\n"));
  line_length_ = 0;
}

void TextWriter::WriteBuffer() {
  if (failed_) throw EWriteError(kStreamWriteError);
  if (used_ > 0) {
    output_.write(buffer_.data(), static_cast<std::streamsize>(used_));
    used_ = 0;
  }
  if (!output_) {
    failed_ = true;
    throw EWriteError(kStreamWriteError);
  }
}

void TextWriter::Flush() {
  WriteBuffer();
  output_.flush();
  if (!output_) {
    failed_ = true;
    throw EWriteError(kStreamWriteError);
  }
}

void TextWriter::FlushAfterFailure() noexcept {
  if (failed_) return;
  try {
    Flush();
  } catch (const EWriteError&) {
    // The conversion's own failure is reported; this one adds nothing to it.
  }
}

}  // namespace vornic
