// Throughput and peak memory of the binary form to form text conversion on
// generated forms of tens of MB, mostly bitmap data and strings.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "input/binary_to_text.h"
#include "input/form_format.h"
#include "lib/errors.h"

namespace vornic {
namespace {

constexpr size_t kBitmapBytes = 16 * 1024;

void PutUInt(std::string& out, uint64_t value, int size) {
  for (int i = 0; i < size; ++i) out += static_cast<char>(value >> (8 * i));
}

void PutShort(std::string& out, const std::string& text) {
  out += static_cast<char>(text.size());
  out += text;
}

// One image control: a bitmap, a caption, a long text and a wide hint.
std::string ImageRecord(int index, uint32_t& seed) {
  std::string out;
  PutShort(out, "TImage");
  PutShort(out, "Image" + std::to_string(index));
  PutShort(out, "Left");
  out += static_cast<char>(form::kInt16);
  PutUInt(out, static_cast<uint64_t>(index % 1000), 2);
  PutShort(out, "Picture.Data");
  out += static_cast<char>(form::kBinary);
  PutUInt(out, kBitmapBytes, 4);
  for (size_t i = 0; i < kBitmapBytes; ++i) {
    seed = seed * 1103515245 + 12345;
    out += static_cast<char>(seed >> 16);
  }
  std::string caption;
  while (caption.size() < 200) caption += "It's a caption\r\n";
  PutShort(out, "Caption");
  out += static_cast<char>(form::kString);
  PutShort(out, caption.substr(0, 200));
  std::string lines;
  while (lines.size() < 2000) lines += "A line of the memo with some words in it. ";
  PutShort(out, "Lines.Text");
  out += static_cast<char>(form::kLString);
  PutUInt(out, lines.size(), 4);
  out += lines;
  PutShort(out, "Hint");
  out += static_cast<char>(form::kWString);
  PutUInt(out, 100, 4);
  for (int i = 0; i < 100; ++i) PutUInt(out, i % 10 == 0 ? 0x20AC : 'a' + i % 26, 2);
  out += '\0';  // end of properties
  out += '\0';  // end of children
  return out;
}

// Writes a form of about `megabytes` MB to a temporary file, record by
// record, so the benchmark process itself stays small.
std::string GenerateForm(int megabytes) {
  char path[] = "/tmp/vornic_bench_XXXXXX";
  int fd = mkstemp(path);
  if (fd < 0) std::abort();
  close(fd);
  std::ofstream file(path, std::ios::binary);
  const std::string name = "TFORM1";
  file.write("\xFF\x0A\x00", 3);
  file.write(name.c_str(), static_cast<std::streamsize>(name.size() + 1));
  file.write("\x30\x10\0\0\0\0", 6);  // the size is not examined when reading
  std::string head = "TPF0";
  PutShort(head, "TForm1");
  PutShort(head, "Form1");
  head += '\0';
  file << head;
  uint32_t seed = 1;
  const uint64_t target = static_cast<uint64_t>(megabytes) << 20;
  for (int index = 1; static_cast<uint64_t>(file.tellp()) < target; ++index) {
    file << ImageRecord(index, seed);
  }
  file.put('\0');
  if (!file) std::abort();
  return path;
}

const std::string& FormFile(int megabytes) {
  static std::map<int, std::string> files;
  auto found = files.find(megabytes);
  if (found == files.end()) {
    found = files.emplace(megabytes, GenerateForm(megabytes)).first;
    std::atexit([] {
      for (const auto& entry : files) std::remove(entry.second.c_str());
    });
  }
  return found->second;
}

// Runs `work` in a forked child; returns the child's peak resident set in KB.
template <typename Work>
long RunInChild(Work work) {
  pid_t child = fork();
  if (child < 0) std::abort();
  if (child == 0) _exit(work());
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::abort();
  }
  return usage.ru_maxrss;
}

int ConvertToNull(const std::string& path) {
  std::ifstream input(path, std::ios::binary);
  std::ofstream output("/dev/null", std::ios::binary);
  try {
    FormResourceToText(input, output);
  } catch (const Error&) {
    return 1;
  }
  return 0;
}

void BM_FormResourceToText(benchmark::State& state) {
  const int megabytes = static_cast<int>(state.range(0));
  const std::string& path = FormFile(megabytes);
  std::ifstream probe(path, std::ios::binary | std::ios::ate);
  const int64_t file_bytes = probe.tellg();
  long peak_kb = 0;
  for (auto _ : state) {
    peak_kb = std::max(peak_kb, RunInChild([&] { return ConvertToNull(path); }));
  }
  // A child that converts nothing shows the share of the process itself.
  long idle_kb = RunInChild([] { return 0; });
  state.SetBytesProcessed(state.iterations() * file_bytes);
  state.counters["input_MB"] = static_cast<double>(file_bytes) / (1 << 20);
  state.counters["peak_rss_MB"] = peak_kb / 1024.0;
  state.counters["idle_child_rss_MB"] = idle_kb / 1024.0;
}

BENCHMARK(BM_FormResourceToText)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vornic
