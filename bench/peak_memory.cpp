// The fresh process of a peak memory measurement: the benchmark program run
// again with a filter that selects one case and variables that mark it. The
// process reads its own high-water mark: the one the parent could read after
// wait4 still holds the memory of the forked copy from before the exec.
#include "peak_memory.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace vornic {

namespace {

constexpr char kPayload[] = "VORNIC_BENCH_PEAK_PAYLOAD";
constexpr char kReport[] = "VORNIC_BENCH_PEAK_REPORT";  // file that receives the figure

// "VmHWM:" of /proc/self/status, in kB; -1 when it cannot be read.
long HighWaterKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long kilobytes = -1;
  while (status >> key) {
    if (key == "VmHWM:") {
      status >> kilobytes;
      break;
    }
    status.ignore(1 << 12, '\n');
  }
  return kilobytes;
}

}  // namespace

bool InPeakMeasurement() { return getenv(kReport) != nullptr; }

std::string PeakMeasurementPayload() {
  const char* payload = getenv(kPayload);
  return payload == nullptr ? "" : payload;
}

void FinishPeakMeasurement() {
  std::ofstream report(getenv(kReport));
  report << HighWaterKilobytes() << "\n";
  report.close();  // _exit skips the destructor that would flush it
  _exit(report ? 0 : 1);
}

double PeakMegabytesOf(const std::string& benchmark_name, const std::string& payload) {
  char report[] = "/tmp/vornic_bench_peak_XXXXXX";
  const int fd = mkstemp(report);
  if (fd < 0) return -1;
  close(fd);
  const std::string filter = "--benchmark_filter=^" + benchmark_name + "$";
  const pid_t child = fork();
  if (child == 0) {
    // The fresh process prints its own report header; nobody needs it.
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    setenv(kPayload, payload.c_str(), 1);
    setenv(kReport, report, 1);
    execl("/proc/self/exe", "vornic_bench", filter.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  long kilobytes = -1;
  if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
      WEXITSTATUS(status) == 0) {
    std::ifstream(report) >> kilobytes;
  }
  unlink(report);
  return kilobytes < 0 ? -1 : static_cast<double>(kilobytes) / 1024.0;
}

}  // namespace vornic
