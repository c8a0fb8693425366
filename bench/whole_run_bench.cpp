// A whole run of the tool on a large binary form with bitmaps (to text, to
// program and script, real files in a scratch folder) next to the conversion
// to text alone of the same form, so the two can be compared in one run.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "driver/file_conversion.h"
#include "driver/run.h"
#include "input/binary_to_text.h"
#include "input/text_to_binary.h"
#include "lib/file_replacement.h"
#include "peak_memory.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

constexpr int kControls = 2800;
constexpr int kBitmapSide = 76;  // 24-bit pixels: 17,382 bytes a bitmap file

void PutLittleEndian(std::string& out, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out += static_cast<char>(value >> (8 * i));
}

// A 24-bit bitmap file whose pixels vary, so that its data lines differ.
std::string BitmapFile(uint32_t seed) {
  const uint32_t pixels = kBitmapSide * kBitmapSide * 3;
  std::string file = "BM";
  PutLittleEndian(file, 54 + pixels, 4);
  PutLittleEndian(file, 0, 4);
  PutLittleEndian(file, 54, 4);
  PutLittleEndian(file, 40, 4);
  PutLittleEndian(file, kBitmapSide, 4);
  PutLittleEndian(file, kBitmapSide, 4);
  PutLittleEndian(file, 1, 2);
  PutLittleEndian(file, 24, 2);
  PutLittleEndian(file, 0, 4);
  PutLittleEndian(file, pixels, 4);
  PutLittleEndian(file, 2835, 4);
  PutLittleEndian(file, 2835, 4);
  PutLittleEndian(file, 0, 8);
  for (uint32_t i = 0; i < pixels; ++i) {
    seed = seed * 1103515245 + 12345;
    file += static_cast<char>(seed >> 16);
  }
  return file;
}

// `bytes` as a binary property value, 32 bytes a line, as the conversion writes it.
std::string HexValue(const std::string& bytes, const std::string& indent) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "{";
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) text += "\r\n" + indent;
    text += kDigits[static_cast<uint8_t>(bytes[i]) >> 4];
    text += kDigits[static_cast<uint8_t>(bytes[i]) & 0xF];
  }
  return text + "}";
}

std::string Geometry(const std::string& indent, int n) {
  return indent + "Left = " + std::to_string(8 + n % 600) + "\r\n" + indent +
         "Top = " + std::to_string(8 + n % 400) + "\r\n" + indent + "Width = 75\r\n" + indent +
         "Height = 25\r\n";
}

std::string Font(const std::string& indent, int n) {
  return indent + "Font.Charset = DEFAULT_CHARSET\r\n" + indent + "Font.Height = -" +
         std::to_string(11 + n % 4) + "\r\n" + indent + "Font.Name = 'Tahoma'\r\n" + indent +
         "Font.Style = [fsBold]\r\n";
}

// The lines of one control of every class the exact translation writes,
// chosen by `n`, inside the object line and the end line.
std::string ControlBody(const std::string& class_name, const std::string& in, int n) {
  const std::string caption = in + "Caption = 'Control ''" + std::to_string(n) + "'''\r\n";
  const std::string items = "Strings = (\r\n" + in + "  'first'\r\n" + in + "  'second')\r\n";
  if (class_name == "TImage") {
    std::string data = "\x07TBitmap";
    const std::string file = BitmapFile(static_cast<uint32_t>(n));
    PutLittleEndian(data, static_cast<uint32_t>(file.size()), 4);
    return Geometry(in, n) + in + "Picture.Data = " + HexValue(data + file, in + "  ") + "\r\n";
  }
  if (class_name == "TBitBtn") {
    std::string data;
    const std::string file = BitmapFile(static_cast<uint32_t>(n));
    PutLittleEndian(data, static_cast<uint32_t>(file.size()), 4);
    return Geometry(in, n) + caption + in + "Glyph.Data = " + HexValue(data + file, in + "  ") +
           "\r\n";
  }
  if (class_name == "TShape") {
    return Geometry(in, n) + in + "Brush.Color = clRed\r\n" + in + "Pen.Color = clBlue\r\n" + in +
           "Pen.Width = " + std::to_string(1 + n % 3) + "\r\n" + in + "Shape = stRoundRect\r\n";
  }
  if (class_name == "TProgressBar" || class_name == "TTrackBar") {
    return Geometry(in, n) + in + "Max = 50\r\n" + in + "Position = 7\r\n";
  }
  if (class_name == "TListBox" || class_name == "TComboBox") {
    return Geometry(in, n) + Font(in, n) + in + "ItemHeight = 13\r\n" + in + "Items." + items;
  }
  if (class_name == "TMemo") return Geometry(in, n) + Font(in, n) + in + "Lines." + items;
  if (class_name == "TEdit") return Geometry(in, n) + Font(in, n) + in + "Text = 'Edit'\r\n";
  if (class_name == "TStatusBar") return Font(in, n) + in + "SimpleText = 'Ready'\r\n";
  if (class_name == "TBevel") return Geometry(in, n) + in + "Shape = bsFrame\r\n";
  return Geometry(in, n) + Font(in, n) + caption;
}

// About 10 MB of form text, 4.5 MB as a binary form: 2,800 controls, 350 of
// them group boxes holding two radio buttons each, the others of the
// fourteen other classes in turn, so that 250 are images and bit buttons
// with a bitmap each.
std::string LargeFormText() {
  static const char* const kClasses[] = {
      "TLabel", "TEdit",   "TButton",      "TCheckBox", "TListBox", "TComboBox", "TMemo",
      "TImage", "TBitBtn", "TProgressBar", "TTrackBar", "TShape",   "TBevel",    "TStatusBar"};
  std::string text =
      "object Form1: TForm1\r\n  Left = 0\r\n  Top = 0\r\n  Width = 800\r\n  Height = 600\r\n"
      "  Caption = 'Benchmark'\r\n" +
      Font("  ", 0) + "  TextHeight = 13\r\n";
  int kind = 0;
  for (int n = 0; n < kControls;) {
    if (n % 8 == 7 && n + 3 <= kControls) {
      text += "  object GroupBox" + std::to_string(n) + ": TGroupBox\r\n" + Geometry("    ", n) +
              "    Caption = 'Group'\r\n";
      for (int radio = 1; radio <= 2; ++radio) {
        text += "    object RadioButton" + std::to_string(n + radio) + ": TRadioButton\r\n" +
                ControlBody("TRadioButton", "      ", n + radio) + "    end\r\n";
      }
      text += "  end\r\n";
      n += 3;
      continue;
    }
    const std::string class_name = kClasses[kind++ % std::size(kClasses)];
    text += "  object " + class_name.substr(1) + std::to_string(n) + ": " + class_name + "\r\n" +
            ControlBody(class_name, "    ", n) + "  end\r\n";
    ++n;
  }
  return text + "end\r\n";
}

// A scratch folder holding the large form as a binary form file, made once
// and removed when the program ends.
const fs::path& FormFolder() {
  static fs::path folder;
  if (folder.empty()) {
    std::string pattern = (fs::temp_directory_path() / "vornic_bench_run_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    std::istringstream text(LargeFormText());
    std::ofstream binary(fs::path(pattern) / "form.dfm", std::ios::binary);
    FormTextToResource(text, binary);
    if (!binary.flush()) std::abort();
    folder = pattern;
    // Registered after the path exists, so it runs before the path is destroyed.
    std::atexit([] { fs::remove_all(folder); });
  }
  return folder;
}

// The tool run as from the command line on `folder`/form.dfm.
void RunTool(const fs::path& folder) {
  std::ostringstream console;
  if (Run({(folder / "form.dfm").string()}, console) != 0) std::abort();
}

// The conversion step of a run, into a file written as the run writes it.
void ConvertOnly(const fs::path& folder) {
  std::ifstream input = OpenForReading((folder / "form.dfm").string());
  FileReplacement text((folder / "converted.txt").string());
  ConvertFile(input, "form.dfm", text, FormResourceToText);
  text.Commit();
}

using Step = void (*)(const fs::path&);

void RunCase(benchmark::State& state, const std::string& name, Step step) {
  if (InPeakMeasurement()) {
    step(PeakMeasurementPayload());
    FinishPeakMeasurement();
  }
  const fs::path& folder = FormFolder();
  for (auto _ : state) step(folder);
  const auto form_bytes = static_cast<int64_t>(fs::file_size(folder / "form.dfm"));
  state.SetBytesProcessed(state.iterations() * form_bytes);
  state.counters["form_MB"] = static_cast<double>(form_bytes) / (1 << 20);
  state.counters["peak_rss_MB"] = PeakMegabytesOf(name, folder.string());
}

void BM_WholeRun(benchmark::State& state) { RunCase(state, "BM_WholeRun", RunTool); }
void BM_ConversionAlone(benchmark::State& state) {
  RunCase(state, "BM_ConversionAlone", ConvertOnly);
}

BENCHMARK(BM_ConversionAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeRun)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vornic
