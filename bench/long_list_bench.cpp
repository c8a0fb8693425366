// Whole extended runs on forms that hold one long list: a list box of a
// million entries (about 28 MB of form text), and a radio group and a tab
// control of a hundred thousand. The peak memory of the run is what counts:
// the list is held once, and written into the program as data.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "driver/run.h"
#include "peak_memory.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// One control of `class_name` whose list `property` holds `count` entries,
// each on a line of 27 bytes.
std::string LongListForm(const std::string& class_name, const std::string& property, int count) {
  std::string text =
      "object Form1: TForm1\r\n  Left = 0\r\n  Top = 0\r\n  Width = 640\r\n  Height = 480\r\n"
      "  Caption = 'Long list'\r\n  TextHeight = 13\r\n  object Control1: " +
      class_name +
      "\r\n    Left = 8\r\n    Top = 8\r\n    Width = 600\r\n    Height = 400\r\n    " + property +
      " = (";
  char entry[32];
  for (int n = 1; n <= count; ++n) {
    std::snprintf(entry, sizeof entry, "\r\n      'List entry %07d'", n);
    text += entry;
  }
  return text + ")\r\n  end\r\nend\r\n";
}

// A scratch folder per case holding its form as form.txt, made once and
// removed when the program ends.
const fs::path& FolderOf(const std::string& name, const std::string& form) {
  static std::map<std::string, fs::path> folders;
  fs::path& folder = folders[name];
  if (folder.empty()) {
    std::string pattern = (fs::temp_directory_path() / "vornic_bench_list_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    std::ofstream(fs::path(pattern) / "form.txt", std::ios::binary) << form;
    folder = pattern;
    if (folders.size() == 1)
      std::atexit([] {
        for (const auto& [case_name, path] : folders) fs::remove_all(path);
      });
  }
  return folder;
}

// The tool run as `vornic --extended form.txt` in `folder`.
void RunExtended(const fs::path& folder) {
  std::ostringstream console;
  if (Run({"--extended", (folder / "form.txt").string()}, console) != 0) std::abort();
}

void RunListCase(benchmark::State& state, const std::string& name, const std::string& class_name,
                 const std::string& property) {
  if (InPeakMeasurement()) {
    RunExtended(PeakMeasurementPayload());
    FinishPeakMeasurement();
  }
  const int count = static_cast<int>(state.range(0));
  const std::string case_name = name + "/" + std::to_string(count);
  const fs::path& folder = FolderOf(case_name, LongListForm(class_name, property, count));
  for (auto _ : state) RunExtended(folder);
  const auto form_bytes = static_cast<double>(fs::file_size(folder / "form.txt"));
  state.counters["form_MB"] = form_bytes / (1 << 20);
  state.counters["peak_rss_MB"] = PeakMegabytesOf(case_name, folder.string());
}

void BM_LongListBox(benchmark::State& state) {
  RunListCase(state, "BM_LongListBox", "TListBox", "Items.Strings");
}
void BM_LongRadioGroup(benchmark::State& state) {
  RunListCase(state, "BM_LongRadioGroup", "TRadioGroup", "Items.Strings");
}
void BM_LongTabControl(benchmark::State& state) {
  RunListCase(state, "BM_LongTabControl", "TTabControl", "Tabs.Strings");
}

BENCHMARK(BM_LongListBox)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongRadioGroup)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongTabControl)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vornic
