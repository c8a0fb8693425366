// Writes retry after a signal and continue after a partial write; any other
// short write is a failure of the device (a full disk, an I/O error).
#include "lib/file_output_buffer.h"

#include <unistd.h>

#include <cerrno>

namespace vornic {
namespace {

constexpr size_t kBufferSize = 64 * 1024;
// Pieces from this size on are large enough to be written alone.
constexpr size_t kDirectWrite = kBufferSize / 4;

}  // namespace

FileOutputBuffer::FileOutputBuffer() : buffer_(kBufferSize) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool FileOutputBuffer::WriteAll(const char* bytes, size_t count) {
  if (error_ != 0) return false;
  const char* const end = bytes + count;
  while (bytes < end) {
    const ssize_t written = write(fd_, bytes, static_cast<size_t>(end - bytes));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      // A write that takes nothing without an error has met a full device.
      error_ = written < 0 ? errno : ENOSPC;
      return false;
    }
    bytes += written;
  }
  return true;
}

bool FileOutputBuffer::WriteOut() {
  if (!WriteAll(pbase(), static_cast<size_t>(pptr() - pbase()))) return false;
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return true;
}

std::streamsize FileOutputBuffer::xsputn(const char* bytes, std::streamsize count) {
  const auto size = static_cast<size_t>(count);
  if (size < kDirectWrite) return std::streambuf::xsputn(bytes, count);
  // A large piece would only be copied into the buffer to be written out again.
  if (!WriteOut() || !WriteAll(bytes, size)) return 0;
  return count;
}

FileOutputBuffer::int_type FileOutputBuffer::overflow(int_type c) {
  if (!WriteOut()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int FileOutputBuffer::sync() { return WriteOut() ? 0 : -1; }

FileOutputBuffer::pos_type FileOutputBuffer::seekoff(off_type offset,
                                                     std::ios_base::seekdir direction,
                                                     std::ios_base::openmode which) {
  if ((which & std::ios_base::out) == 0 || !WriteOut()) return pos_type(off_type(-1));
  const int whence = direction == std::ios_base::beg   ? SEEK_SET
                     : direction == std::ios_base::cur ? SEEK_CUR
                                                       : SEEK_END;
  const off_t position = lseek(fd_, static_cast<off_t>(offset), whence);
  if (position < 0) return pos_type(off_type(-1));
  return pos_type(off_type(position));
}

FileOutputBuffer::pos_type FileOutputBuffer::seekpos(pos_type position,
                                                     std::ios_base::openmode which) {
  return seekoff(off_type(position), std::ios_base::beg, which);
}

}  // namespace vornic
