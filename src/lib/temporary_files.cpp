// A signal handler may only make async-signal-safe calls: the names live in
// fixed slots, each marked used by an atomic flag once its name is whole, and
// the handler does nothing but unlink them, restore the signal's previous
// action and raise the signal again.
#include "lib/temporary_files.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <string>

namespace vornic {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGXFSZ};
constexpr int kSignalCount = sizeof(kSignals) / sizeof(kSignals[0]);
constexpr int kSlotCount = 16;  // a run holds three temporary files at most
constexpr size_t kMaxName = 4096;

static_assert(std::atomic<bool>::is_always_lock_free);

struct Slot {
  char name[kMaxName];
  std::atomic<bool> used{false};  // set only while `name` holds a whole name
};

Slot slots[kSlotCount];
struct sigaction previous_actions[kSignalCount];
bool handlers_installed = false;

extern "C" void RemoveTemporaryFiles(int signal_number) {
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

void InstallHandlers() {
  if (handlers_installed) return;
  handlers_installed = true;
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
  for (Slot& slot : slots) {
    if (slot.used.load()) continue;
    std::memcpy(slot.name, name.c_str(), name.size() + 1);
    slot.used.store(true);
    return true;
  }
  return false;
}

void ForgetTemporaryFile(const std::string& name) {
  for (Slot& slot : slots) {
    if (slot.used.load() && name == slot.name) {
      slot.used.store(false);
      return;
    }
  }
}

}  // namespace vornic
