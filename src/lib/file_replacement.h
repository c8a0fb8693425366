// FileReplacement: the new content of a file, written beside it under a
// temporary name and put in its place in one step, so that a failure at any
// point leaves the file as it was and no temporary file behind.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "lib/file_output_buffer.h"

namespace vornic {

/// Writes a file without ever leaving it half-written. The temporary file,
/// named "<file>.vornic-<process id>.tmp" beside the file, gets the old file's
/// permission bits; a symbolic link is followed, so the file it points to is
/// replaced and the link stays. A device or pipe is written directly, as
/// there is nothing to lose. The temporary file is removed on destruction
/// unless committed, and when a signal ends the process.
class FileReplacement {
 public:
  /// Creates the temporary file. Throws EInOutError "Cannot create file
  /// <name>: <reason>" when `name` is a directory, an existing file that the
  /// user may not write or that is write-protected, a loop of links, or in a
  /// directory that takes no new file; the reason is the system's.
  explicit FileReplacement(const std::string& name);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  /// The stream into the temporary file; it turns bad when a write fails.
  std::ostream& stream() { return stream_; }
  /// Appends `bytes`; throws EInOutError "Cannot write file <name>: <reason>".
  void Write(std::string_view bytes);
  /// Writes out what is buffered, flushes it to the disk and closes the
  /// temporary file; throws EInOutError "Cannot write file <name>: <reason>"
  /// when any of it fails, or when the stream failed before.
  void Finish();
  /// Renames the finished temporary file over the file. REQUIRES: Finish.
  /// Throws EInOutError "Cannot create file <name>: <reason>".
  void Commit();

  /// The name as given, which messages use.
  const std::string& name() const { return name_; }
  /// The file that Commit replaces: the name with its links followed.
  const std::string& target() const { return target_; }
  /// Where the content is until Commit.
  const std::string& temporary_name() const { return in_place_ ? target_ : temporary_; }
  /// The errno of the first write into stream() that failed; 0 while none has.
  int write_error() const { return buffer_.error(); }

 private:
  void OpenInPlace();
  void CreateTemporary(bool target_exists);
  void CopyOwnerAndMode(int mode, unsigned owner, unsigned group);
  void RemoveTemporary();
  /// Throws EInOutError "Cannot create file <name>: <the system's reason>".
  [[noreturn]] void Fail(int error_number) const;

  std::string name_;
  std::string target_;
  std::string temporary_;  // empty until the temporary file exists
  int fd_ = -1;
  bool in_place_ = false;   // a device or pipe: written directly, nothing to rename
  bool committed_ = false;  // the temporary file has become the file
  FileOutputBuffer buffer_;
  std::ostream stream_{&buffer_};
};

}  // namespace vornic
