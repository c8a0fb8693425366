// Translation time and peak memory of generated forms that stress one
// structure each: a value continued over many lines, many distinct pens and
// brushes, many distinct fonts, and many objects left open. Ten times the
// input should take about ten times as long.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "memory_translation.h"
#include "peak_memory.h"

namespace vornic {
namespace {

std::string FormHeader() {
  return "object Form1: TForm1\r\n  Left = 0\r\n  Top = 0\r\n  Width = 800\r\n"
         "  Height = 600\r\n  Caption = 'Benchmark'\r\n  TextHeight = 13\r\n";
}

std::string Geometry(const std::string& indent, int n) {
  return indent + "Left = " + std::to_string(8 + n % 400) + "\r\n" + indent +
         "Top = " + std::to_string(8 + n % 300) + "\r\n" + indent + "Width = 75\r\n" + indent +
         "Height = 25\r\n";
}

// One label whose caption is continued over `count` lines with " +".
std::string ContinuedValueForm(int count) {
  std::string text = FormHeader() + "  object Label1: TLabel\r\n" + Geometry("    ", 1);
  text += "    Caption =\r\n";
  for (int n = 1; n < count; ++n) text += "      'Piece " + std::to_string(n) + " of it' +\r\n";
  text += "      'the last piece'\r\n";
  return text + "  end\r\nend\r\n";
}

// Shapes that each draw with a pen and a brush no other shape has.
std::string DistinctPensForm(int count) {
  std::string text = FormHeader();
  char color[16];
  for (int n = 0; n < count; ++n) {
    std::snprintf(color, sizeof color, "$00%06X", n);
    text += "  object Shape" + std::to_string(n) + ": TShape\r\n" + Geometry("    ", n);
    text += "    Brush.Color = " + std::string(color) + "\r\n";
    text += "    Pen.Width = " + std::to_string(n + 1) + "\r\n  end\r\n";
  }
  return text + "end\r\n";
}

// Edits that each use a font no other edit has.
std::string DistinctFontsForm(int count) {
  std::string text = FormHeader();
  for (int n = 0; n < count; ++n) {
    text += "  object Edit" + std::to_string(n) + ": TEdit\r\n" + Geometry("    ", n);
    text += "    Font.Charset = DEFAULT_CHARSET\r\n";
    text += "    Font.Height = -" + std::to_string(n + 1) + "\r\n";
    text += "    Font.Name = 'Tahoma'\r\n    Text = 'Edit'\r\n  end\r\n";
  }
  return text + "end\r\n";
}

// Panels whose end lines are indented as if they were deeper: each closes its
// panel for the form structure but no entry of the level stack, so the panels
// stay open there. Every label lies in all the panels before it, and its end
// removes the oldest open entry of its level from behind all of them.
std::string LeftOpenForm(int count) {
  std::string text = FormHeader();
  for (int n = 0; n < count; ++n) {
    text += "  object Panel" + std::to_string(n) + ": TPanel\r\n" + Geometry("    ", n);
    text += "    object Label" + std::to_string(n) + ": TLabel\r\n" + Geometry("      ", n);
    text += "      Caption = 'Label'\r\n    end\r\n        end\r\n";
  }
  return text + "end\r\n";
}

using FormMaker = std::string (*)(int);

void RunGrowthCase(benchmark::State& state, const std::string& name, FormMaker make) {
  const int count = static_cast<int>(state.range(0));
  const std::string form = make(count);
  if (InPeakMeasurement()) {
    TranslateInMemory(form);
    FinishPeakMeasurement();
  }
  for (auto _ : state) {
    TranslateInMemory(form);
  }
  state.counters["count"] = count;
  state.counters["form_MB"] = static_cast<double>(form.size()) / (1024.0 * 1024.0);
  state.counters["peak_rss_MB"] = PeakMegabytesOf(name + "/" + std::to_string(count));
}

void BM_ContinuedValue(benchmark::State& state) {
  RunGrowthCase(state, "BM_ContinuedValue", ContinuedValueForm);
}
void BM_DistinctPens(benchmark::State& state) {
  RunGrowthCase(state, "BM_DistinctPens", DistinctPensForm);
}
void BM_DistinctFonts(benchmark::State& state) {
  RunGrowthCase(state, "BM_DistinctFonts", DistinctFontsForm);
}
void BM_ObjectsLeftOpen(benchmark::State& state) {
  RunGrowthCase(state, "BM_ObjectsLeftOpen", LeftOpenForm);
}

BENCHMARK(BM_ContinuedValue)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DistinctPens)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DistinctFonts)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ObjectsLeftOpen)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vornic
