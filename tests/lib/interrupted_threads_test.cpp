// A signal that ends a process whose threads write files at once (a run
// over many forms) removes every temporary file, whichever thread it meets
// and whatever the others are doing at that moment.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "lib/file_replacement.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// Four threads write and replace files without end, each under names of its own.
[[noreturn]] void WriteFilesForever(const fs::path& dir) {
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([dir, t] {
      for (int n = 0;; n = (n + 1) % 8) {
        FileReplacement file((dir / ("f" + std::to_string(t) + "_" + std::to_string(n))).string());
        file.Write(std::string(4096, 'x'));
        file.Finish();
        file.Commit();
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  _exit(0);
}

std::vector<std::string> TemporaryFilesIn(const fs::path& dir) {
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() == ".tmp") files.push_back(entry.path().filename().string());
  }
  return files;
}

TEST(InterruptedThreadsTest, NoTemporaryFileOutlivesTheSignal) {
  ScratchDir scratch("vornic_interrupted");
  for (int round = 0; round < 30; ++round) {
    const fs::path dir = scratch.path() / std::to_string(round);
    fs::create_directories(dir);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) WriteFilesForever(dir);
    // Once files are being written, at a different moment each round.
    std::this_thread::sleep_for(std::chrono::milliseconds(20 + round % 7));
    kill(child, SIGTERM);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_EQ(TemporaryFilesIn(dir), std::vector<std::string>{}) << "round " << round;
  }
}

}  // namespace
}  // namespace vornic
