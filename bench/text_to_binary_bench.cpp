// Throughput of the form text to binary conversion on a bitmap-heavy form,
// where almost every byte is hexadecimal picture data.
#include <benchmark/benchmark.h>

#include <istream>
#include <ostream>
#include <string>

#include "input/text_to_binary.h"

namespace {

// Reads straight from a string that outlives it, so no copy is timed.
class MemoryInput : public std::streambuf {
 public:
  explicit MemoryInput(const std::string& data) {
    char* begin = const_cast<char*>(data.data());
    setg(begin, begin, begin + data.size());
  }
};

// Counts and drops what is written.
class DiscardOutput : public std::streambuf {
 protected:
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
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

void BM_FormTextToResource(benchmark::State& state) {
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
}

BENCHMARK(BM_FormTextToResource)->Arg(32)->Unit(benchmark::kMillisecond);

}  // namespace
