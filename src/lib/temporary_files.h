// The temporary files of a run, removed when a signal ends the process, so
// that an interrupted run leaves nothing behind but the files it began with.
#pragma once

#include <signal.h>

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
/// Forgets a name recorded by RegisterTemporaryFile.
void ForgetTemporaryFile(const std::string& name);

}  // namespace vornic
