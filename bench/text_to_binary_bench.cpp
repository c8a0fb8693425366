// Throughput and peak memory of the form text to binary conversion on a
// bitmap-heavy form, where almost every byte is hexadecimal picture data.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <istream>
#include <ostream>
#include <string>

#include "input/text_to_binary.h"
#include "peak_memory.h"

namespace {

// Reads straight from a string that outlives it, so no copy is timed.
class MemoryInput : public std::streambuf {
 public:
  explicit MemoryInput(const std::string& data) {
    char* begin = const_cast<char*>(data.data());
    setg(begin, begin, begin + data.size());
  }
};

// Drops what is written but keeps its place, so the conversion can seek back
// to fill in sizes as it does in a file.
class DiscardOutput : public std::streambuf {
 protected:
  std::streamsize xsputn(const char*, std::streamsize count) override {
    Advance(count);
    return count;
  }
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) Advance(1);
    return traits_type::not_eof(c);
  }
  pos_type seekoff(off_type offset, std::ios_base::seekdir from, std::ios_base::openmode) override {
    const off_type base = from == std::ios_base::beg   ? 0
                          : from == std::ios_base::cur ? place_
                                                       : end_;
    place_ = base + offset;
    return pos_type(place_);
  }
  pos_type seekpos(pos_type place, std::ios_base::openmode) override {
    place_ = off_type(place);
    return place;
  }

 private:
  void Advance(off_type count) {
    place_ += count;
    if (place_ > end_) end_ = place_;
  }

  off_type place_ = 0;
  off_type end_ = 0;
};

// About `megabytes` MB of form text: images with 32-byte data lines as the
// conversion to text writes them, and a few ordinary properties each.
std::string BitmapForm(int megabytes) {
  std::string data_line(6, ' ');
  data_line.append(64, 'A').append("\r\n");
  std::string text = "object Form1: TForm1\r\n  Caption = 'Pictures'\r\n";
  size_t target = static_cast<size_t>(megabytes) << 20;
  for (int image = 0; text.size() < target; ++image) {
    text.append("  object Image").append(std::to_string(image)).append(": TImage\r\n");
    text.append("    Left = 8\r\n    Top = ").append(std::to_string(image % 30000));
    text.append("\r\n    Picture.Data = {\r\n");
    for (int line = 0; line < 2000; ++line) text.append(data_line);
    text.pop_back();
    text.pop_back();
    text.append("}\r\n  end\r\n");
  }
  text.append("end\r\n");
  return text;
}

// Peak resident set in MB of converting a form of `megabytes` MB from a file
// into /dev/null, in a fresh process that holds nothing else.
double PeakMegabytesOfFileConversion(int megabytes) {
  char path[] = "/tmp/vornic_bench_XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) std::abort();
  close(fd);
  std::ofstream(path, std::ios::binary) << BitmapForm(megabytes);
  const double peak =
      vornic::PeakMegabytesOf("BM_FormTextToResource/" + std::to_string(megabytes), path);
  std::remove(path);
  return peak;
}

// The fresh process of the measurement: one conversion of the file it is given.
void ConvertFileOnce() {
  std::ifstream input(vornic::PeakMeasurementPayload(), std::ios::binary);
  std::ofstream output("/dev/null", std::ios::binary);
  vornic::FormTextToResource(input, output);
  if (!output) _exit(1);
  vornic::FinishPeakMeasurement();
}

void BM_FormTextToResource(benchmark::State& state) {
  if (vornic::InPeakMeasurement()) ConvertFileOnce();
  const double peak_megabytes = PeakMegabytesOfFileConversion(static_cast<int>(state.range(0)));
  const std::string text = BitmapForm(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    MemoryInput input_buffer(text);
    std::istream input(&input_buffer);
    DiscardOutput output_buffer;
    std::ostream output(&output_buffer);
    vornic::FormTextToResource(input, output);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
  state.counters["input_MB"] = static_cast<double>(text.size()) / (1 << 20);
  state.counters["peak_rss_MB"] = peak_megabytes;
}

BENCHMARK(BM_FormTextToResource)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond);

}  // namespace
