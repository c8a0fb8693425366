// Writing one bitmap entry of the resource script: the time must grow in step
// with the size of the bitmap.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "output/resource_script.h"

namespace vornic {
namespace {

void BM_WriteBitmap(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));  // 32 bytes each
  TIImage image;
  image.ControlName = "Image1";
  for (int i = 1; i < lines; ++i) image.DataLines.Add(std::string(64, 'A'));
  image.DataLines.Add(std::string(64, 'B') + "}");
  const std::string base =
      (std::filesystem::temp_directory_path() / "vornic_bench_bitmap").string();
  for (auto _ : state) {
    image.ScriptBaseName = base;
    image.ScriptPending = true;  // each round writes a new script
    image.WriteBitmap(24);
  }
  state.SetBytesProcessed(state.iterations() * int64_t{lines} * 32);
  state.SetComplexityN(lines);
  std::remove((base + ".rc").c_str());
}
BENCHMARK(BM_WriteBitmap)->RangeMultiplier(8)->Range(1 << 12, 1 << 20)->Complexity(benchmark::oN);

}  // namespace
}  // namespace vornic
