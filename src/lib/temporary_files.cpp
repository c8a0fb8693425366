// A signal handler may only make async-signal-safe calls: the names live in
// fixed slots, each marked used by an atomic flag once its name is whole, and
// the handler does nothing but unlink them, restore the signal's previous
// action and raise the signal again. Threads that translate forms at once
// record and forget their names under one lock, which the handler never takes.
#include "lib/temporary_files.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <string>

namespace vornic {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGXFSZ};
constexpr int kSignalCount = sizeof(kSignals) / sizeof(kSignals[0]);
// A form's run holds four temporary files at most, and a run over many
// forms runs at most 32 of them at once.
constexpr int kSlotCount = 4 * 32 + 16;
constexpr size_t kMaxName = 4096;

static_assert(std::atomic<bool>::is_always_lock_free);

struct Slot {
  char name[kMaxName];
  std::atomic<bool> used{false};  // set only while `name` holds a whole name
};

Slot slots[kSlotCount];
struct sigaction previous_actions[kSignalCount];
std::once_flag handlers_installed;
std::mutex slots_mutex;  // held while a name is recorded or forgotten
// Set by the handler before it removes the files. A thread that creates or
// renames a temporary file counts itself in `busy` first and does neither
// once the process is ending; the handler waits for those counted.
std::atomic<bool> ending{false};
std::atomic<int> busy{0};

extern "C" void RemoveTemporaryFiles(int signal_number) {
  ending.store(true);
  while (busy.load() > 0) {
  }
  for (Slot& slot : slots) {
    if (slot.used.load()) unlink(slot.name);
  }
  for (int i = 0; i < kSignalCount; ++i) {
    if (kSignals[i] == signal_number) sigaction(signal_number, &previous_actions[i], nullptr);
  }
  // Blocked while the handler runs, the signal arrives again on its return
  // and ends the process with the status the caller of the tool expects.
  raise(signal_number);
}

sigset_t HandledSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal_number : kSignals) sigaddset(&set, signal_number);
  return set;
}

// Once only: installed twice, the handler would take itself for the action
// it restores, and a signal would never end the process.
void InstallHandlersNow() {
  struct sigaction action = {};
  action.sa_handler = RemoveTemporaryFiles;
  action.sa_mask = HandledSignals();
  for (int i = 0; i < kSignalCount; ++i) {
    sigaction(kSignals[i], nullptr, &previous_actions[i]);
    // A run started with nohup, or in the background of some shells, must
    // keep ignoring what it was told to ignore.
    if (previous_actions[i].sa_handler == SIG_IGN) continue;
    sigaction(kSignals[i], &action, nullptr);
  }
}

void InstallHandlers() { std::call_once(handlers_installed, InstallHandlersNow); }

// One step on a temporary file, which a signal that ends the process waits
// for; once the process is ending, the thread waits for the end instead.
class FileStep {
 public:
  FileStep() {
    // Before the first file: a signal that another thread takes must find
    // the handler in place.
    InstallHandlers();
    busy.fetch_add(1);
    if (ending.load()) {
      busy.fetch_sub(1);
      for (;;) pause();
    }
  }
  ~FileStep() { busy.fetch_sub(1); }
  FileStep(const FileStep&) = delete;
  FileStep& operator=(const FileStep&) = delete;

 private:
  SignalBlock block_;  // first: the handler never waits for its own thread
};

}  // namespace

SignalBlock::SignalBlock() {
  const sigset_t handled = HandledSignals();
  pthread_sigmask(SIG_BLOCK, &handled, &saved_mask_);
}

SignalBlock::~SignalBlock() { pthread_sigmask(SIG_SETMASK, &saved_mask_, nullptr); }

bool RegisterTemporaryFile(const std::string& name) {
  if (name.size() >= kMaxName) return false;
  SignalBlock block;
  InstallHandlers();
  std::lock_guard<std::mutex> lock(slots_mutex);
  for (Slot& slot : slots) {
    if (slot.used.load()) continue;
    std::memcpy(slot.name, name.c_str(), name.size() + 1);
    slot.used.store(true);
    return true;
  }
  return false;
}

int CreateTemporaryFile(const std::string& name, int flags, mode_t mode) {
  const FileStep step;
  int fd = open(name.c_str(), flags, mode);
  if (fd >= 0 && !RegisterTemporaryFile(name)) {
    close(fd);
    unlink(name.c_str());
    fd = -1;
    errno = ENAMETOOLONG;
  }
  return fd;
}

int RenameTemporaryFile(const std::string& name, const std::string& target) {
  const FileStep step;
  if (rename(name.c_str(), target.c_str()) != 0) return errno;
  ForgetTemporaryFile(name);
  return 0;
}

void ForgetTemporaryFile(const std::string& name) {
  // The handler must not run while this thread holds the lock, which a
  // thread it waits for may want.
  SignalBlock block;
  std::lock_guard<std::mutex> lock(slots_mutex);
  for (Slot& slot : slots) {
    if (slot.used.load() && name == slot.name) {
      slot.used.store(false);
      return;
    }
  }
}

}  // namespace vornic
