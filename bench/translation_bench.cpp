// Translation time and peak memory of generated forms with many controls of
// mixed classes, some inside containers, to show that time grows linearly.
#include <benchmark/benchmark.h>

#include <string>

#include "memory_translation.h"
#include "peak_memory.h"

namespace vornic {
namespace {

void AddGeometry(std::string& text, const std::string& indent, int n) {
  text += indent + "Left = " + std::to_string(8 + n % 400) + "\r\n";
  text += indent + "Top = " + std::to_string(8 + n % 300) + "\r\n";
  text += indent + "Width = 75\r\n" + indent + "Height = 25\r\n";
}

void AddFont(std::string& text, const std::string& indent, int n) {
  text += indent + "Font.Charset = DEFAULT_CHARSET\r\n";
  text += indent + "Font.Height = -" + std::to_string(11 + n % 3) + "\r\n";
  text += indent + "Font.Name = 'Tahoma'\r\n";
}

// One control of the class chosen by `n`, at nesting depth `depth`.
void AddControl(std::string& text, int depth, int n) {
  static const char* const kClasses[] = {
      "TLabel", "TEdit",        "TButton",   "TCheckBox", "TRadioButton", "TListBox", "TComboBox",
      "TMemo",  "TProgressBar", "TTrackBar", "TShape",    "TBevel",       "TPanel"};
  const std::string class_name = kClasses[n % (sizeof kClasses / sizeof kClasses[0])];
  const std::string indent(static_cast<size_t>(2 * depth), ' ');
  const std::string inner = indent + "  ";
  text +=
      indent + "object " + class_name.substr(1) + std::to_string(n) + ": " + class_name + "\r\n";
  AddGeometry(text, inner, n);
  if (class_name == "TShape") {
    text += inner + "Brush.Color = clRed\r\n" + inner + "Pen.Width = 2\r\n";
  } else if (class_name == "TProgressBar" || class_name == "TTrackBar") {
    text += inner + "Max = 50\r\n" + inner + "Position = 7\r\n";
  } else if (class_name == "TListBox" || class_name == "TComboBox" || class_name == "TMemo") {
    AddFont(text, inner, n);
    text += inner + (class_name == "TMemo" ? "Lines" : "Items") + ".Strings = (\r\n";
    text += inner + "  'first'\r\n" + inner + "  'second')\r\n";
  } else if (class_name != "TBevel" && class_name != "TPanel") {
    AddFont(text, inner, n);
    text += inner + (class_name == "TEdit" ? "Text" : "Caption") + " = 'Item " + std::to_string(n) +
            "'\r\n";
  }
  text += indent + "end\r\n";
}

// A form of `controls` controls: every tenth sits in a group box with two
// more, so containers and offsets are part of the work.
std::string GeneratedForm(int controls) {
  std::string text =
      "object Form1: TForm1\r\n  Left = 0\r\n  Top = 0\r\n  Width = 800\r\n  Height = 600\r\n"
      "  Caption = 'Benchmark'\r\n  TextHeight = 13\r\n";
  for (int n = 0; n < controls;) {
    if (n % 10 == 9 && n + 2 < controls) {
      text += "  object GroupBox" + std::to_string(n) + ": TGroupBox\r\n";
      AddGeometry(text, "    ", n);
      text += "    Caption = 'Group'\r\n";
      AddControl(text, 2, n + 1);
      AddControl(text, 2, n + 2);
      text += "  end\r\n";
      n += 3;
    } else {
      AddControl(text, 1, n);
      n += 1;
    }
  }
  return text + "end\r\n";
}

void BM_TranslateControls(benchmark::State& state) {
  const int controls = static_cast<int>(state.range(0));
  const std::string form = GeneratedForm(controls);
  if (InPeakMeasurement()) {
    TranslateInMemory(form);
    FinishPeakMeasurement();
  }
  for (auto _ : state) {
    TranslateInMemory(form);
  }
  state.counters["controls"] = controls;
  // The peak includes the form text, which the measured process holds too.
  state.counters["form_MB"] = static_cast<double>(form.size()) / (1024.0 * 1024.0);
  state.counters["peak_rss_MB"] =
      PeakMegabytesOf("BM_TranslateControls/" + std::to_string(controls));
}
BENCHMARK(BM_TranslateControls)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vornic
