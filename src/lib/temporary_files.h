// The temporary files of a run, removed when a signal ends the process, so
// that an interrupted run leaves nothing behind but the files it began with.
#pragma once

#include <signal.h>
#include <sys/types.h>

#include <string>

namespace vornic {

/// Blocks the signals that remove temporary files for as long as it lives, so
/// that creating a file and recording its name, or renaming the file and
/// forgetting its name, is one step as far as a signal handler can tell.
class SignalBlock {
 public:
  SignalBlock();
  ~SignalBlock();
  SignalBlock(const SignalBlock&) = delete;
  SignalBlock& operator=(const SignalBlock&) = delete;

 private:
  sigset_t saved_mask_;
};

/// Records `name` so that SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE and
/// SIGXFSZ remove that file before they end the process as they would have
/// (the handlers are installed at the first call; a signal the process
/// ignores stays ignored). False when the name cannot be recorded: too long,
/// or too many names at once.
bool RegisterTemporaryFile(const std::string& name);
/// Creates the file `name` with open(2) (`flags` hold O_CREAT and O_EXCL) and
/// records it, as one step for a signal that ends the process from any
/// thread: the file is removed with the others. Returns the descriptor, or
/// -1 with errno set (ENAMETOOLONG when the name cannot be recorded; no file
/// is then left). Once a signal is ending the process, it waits for the end.
int CreateTemporaryFile(const std::string& name, int flags, mode_t mode);
/// Renames the file `name`, created by CreateTemporaryFile, to `target` and
/// forgets it, as one step for such a signal. Returns 0, or the errno of
/// the rename (the name then stays recorded).
int RenameTemporaryFile(const std::string& name, const std::string& target);
/// Forgets a name recorded by RegisterTemporaryFile or CreateTemporaryFile.
void ForgetTemporaryFile(const std::string& name);

}  // namespace vornic
