// The temporary file lives in the directory of the file it replaces, so that
// the rename stays within one file system and replaces the file in one step.
// Its data reaches the disk before the rename: after a crash the file is then
// either the old one or the new one, never an empty or partial one.
#include "lib/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#include "lib/errors.h"
#include "lib/temporary_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40;  // as many as the system follows
constexpr int kTemporaryNameAttempts = 100;
constexpr size_t kMaxFilePart = 200;  // leaves room for the suffix within a name's limit

// `name` with every symbolic link followed; a dangling link gives the file
// it would point to. Empty, with the reason in `error`, when a link cannot be
// read or there are too many of them (a loop).
std::string FollowLinks(const std::string& name, int& error) {
  fs::path path = name;
  for (int links = 0; links < kMaxLinks; ++links) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec)) return path.string();
    const fs::path link = fs::read_symlink(path, ec);
    if (ec) {
      error = ec.value();
      return "";
    }
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  error = ELOOP;
  return "";
}

// "<directory>/<file>.vornic-<pid>[-<attempt>].tmp": no user names a file so.
std::string TemporaryNameFor(const std::string& target, int attempt) {
  const fs::path path = target;
  std::string file = path.filename().string().substr(0, kMaxFilePart);
  file += ".vornic-" + std::to_string(getpid());
  if (attempt > 0) file += "-" + std::to_string(attempt);
  file += ".tmp";
  return (path.parent_path() / file).string();
}

}  // namespace

FileReplacement::FileReplacement(const std::string& name) : name_(name) {
  int error = ENOENT;  // an empty name is no file
  if (!name_.empty()) target_ = FollowLinks(name_, error);
  if (target_.empty()) Fail(error);
  struct stat status;
  const bool exists = stat(target_.c_str(), &status) == 0;
  if (exists && S_ISDIR(status.st_mode)) Fail(EISDIR);
  if (exists && !S_ISREG(status.st_mode)) {
    OpenInPlace();
    return;
  }
  // A file the user may not write is not theirs to replace, and neither is
  // one whose owner took away the write permission (even from root).
  if (exists && access(target_.c_str(), W_OK) != 0) Fail(errno);
  if (exists && (status.st_mode & S_IWUSR) == 0) Fail(EACCES);
  CreateTemporary(exists);
  if (exists) CopyOwnerAndMode(status.st_mode & 07777, status.st_uid, status.st_gid);
  buffer_.Attach(fd_);
}

FileReplacement::~FileReplacement() {
  if (fd_ >= 0) close(fd_);
  if (!committed_) RemoveTemporary();
}

void FileReplacement::OpenInPlace() {
  in_place_ = true;
  fd_ = open(target_.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd_ < 0) Fail(errno);
  buffer_.Attach(fd_);
}

void FileReplacement::CreateTemporary(bool target_exists) {
  // Until the old mode is copied, only the owner may read what is written.
  const mode_t mode = target_exists ? 0600 : 0666;
  int error = EEXIST;  // every name was taken
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    const std::string temporary = TemporaryNameFor(target_, attempt);
    fd_ = CreateTemporaryFile(temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd_ < 0 && errno == EEXIST) continue;
    if (fd_ < 0) {
      error = errno;
      break;
    }
    temporary_ = temporary;
    return;
  }
  Fail(error);
}

void FileReplacement::CopyOwnerAndMode(int mode, unsigned owner, unsigned group) {
  // Both are kept where the file system can: one without owners or modes
  // refuses them, and the new file then stays as created, readable by its
  // owner alone, which gives nobody more than before. Only root can give a
  // file to its old owner; the owner comes first as it clears set-id bits.
  if (geteuid() == 0 && fchown(fd_, owner, group) != 0) {
    // the file stays root's
  }
  if (fchmod(fd_, static_cast<mode_t>(mode)) != 0) {
    // the file keeps mode 600
  }
}

void FileReplacement::Write(std::string_view bytes) {
  stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!stream_) throw EInOutError(CannotWriteFile(name_, SystemReason(buffer_.error())));
}

void FileReplacement::Finish() {
  stream_.flush();
  bool failed = !stream_.good() || buffer_.failed();
  int error = buffer_.error();
  // A device cannot be flushed to a disk; the data of a file must be there
  // before it replaces the old one.
  if (!failed && !in_place_ && fsync(fd_) != 0) {
    failed = true;
    error = errno;
  }
  const int fd = fd_;
  fd_ = -1;
  // A file system may report a failed write only when the file is closed.
  if (close(fd) != 0 && !failed) {
    failed = true;
    error = errno;
  }
  if (failed) throw EInOutError(CannotWriteFile(name_, SystemReason(error)));
}

void FileReplacement::Commit() {
  if (in_place_) {
    committed_ = true;
    return;
  }
  if (const int error = RenameTemporaryFile(temporary_, target_); error != 0) Fail(error);
  committed_ = true;
}

void FileReplacement::Fail(int error_number) const {
  throw EInOutError(CannotCreateFile(name_, SystemReason(error_number)));
}

void FileReplacement::RemoveTemporary() {
  if (temporary_.empty()) return;
  SignalBlock block;
  unlink(temporary_.c_str());
  ForgetTemporaryFile(temporary_);
}

}  // namespace vornic
