// FileOutputBuffer: a stream buffer that writes to a file descriptor and
// keeps the first failure, so that no error of the device goes unnoticed.
#pragma once

#include <ios>
#include <streambuf>
#include <vector>

namespace vornic {

/// Buffers output for a file descriptor, borrowed from Attach on, which must
/// stay open while the buffer is used. A failed write makes every later one fail as well; the
/// stream over the buffer then turns bad. Seeking writes the buffer out first,
/// so writers can overwrite bytes they wrote earlier. A large piece (a
/// quarter of the buffer or more) goes to the descriptor directly, without a copy.
class FileOutputBuffer : public std::streambuf {
 public:
  FileOutputBuffer();
  FileOutputBuffer(const FileOutputBuffer&) = delete;
  FileOutputBuffer& operator=(const FileOutputBuffer&) = delete;

  /// Sends the output to `fd` from now on.
  void Attach(int fd) { fd_ = fd; }
  /// True once a write has failed.
  bool failed() const { return error_ != 0; }
  /// The errno of the first failed write; 0 while none has failed.
  int error() const { return error_; }

 protected:
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;
  int_type overflow(int_type c) override;
  int sync() override;
  pos_type seekoff(off_type offset, std::ios_base::seekdir direction,
                   std::ios_base::openmode which) override;
  pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

 private:
  /// Writes the buffered bytes to the descriptor; false on failure.
  bool WriteOut();
  /// Writes `count` bytes to the descriptor; false on failure.
  bool WriteAll(const char* bytes, size_t count);

  int fd_ = -1;
  std::vector<char> buffer_;
  int error_ = 0;  // the errno of the first failed write
};

}  // namespace vornic
