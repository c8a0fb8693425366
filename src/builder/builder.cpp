// TBuilder's per-line dispatch: the level stack kept in step with the objects,
// the routing of each line, and the shared texts written after the last line.
#include "builder/builder.h"

#include <string_view>
#include <utility>

#include "builder/class_table.h"
#include "builder/value_checks.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

namespace {

// The form itself is the only object at level 1.
constexpr int kRootLevel = 1;

}  // namespace

TBuilder::TBuilder(std::string output_base_name) : OutputBaseName(std::move(output_base_name)) {
  BitmapStore.ScriptBaseName = OutputBaseName;
}

void TBuilder::ProcessLine(TSDPR& dpr, const std::string& class_name,
                           const std::string& object_name, const std::string& kind,
                           const std::string& word1, const std::string& word2,
                           const std::string& word3, int level, int indent, int word_count) {
  ProcessLine(dpr, LineWords{class_name, object_name, kind, word1, word2, word3, level, indent,
                             word_count});
}

void TBuilder::ProcessLine(TSDPR& dpr, const LineWords& line) {
  // Views: compared with a literal, they test the length before any byte.
  const std::string_view kind = line.Kind;
  const std::string_view word1 = line.Word1;
  const int level = line.Level;
  if (kind == "object") {
    BeginObject(dpr, line);
  } else if (kind == "set" && word1 == "Left") {
    Levels.SetLeft(std::to_string(level), line.Word3);
  } else if (kind == "set" && word1 == "Top") {
    Levels.SetTop(std::to_string(level), line.Word3);
  } else if (kind == "end" && root_open_ && level == kRootLevel) {
    // A form without children still gets its window.
    root_open_ = false;
    if (!main_window_written_) EmitMainWindow(dpr);
  }
  CheckLineValues(line, checks_, ListMarker);
  Dispatch(dpr, line);
  if (kind == "end") Levels.RemoveLevel(std::to_string(level));
}

void TBuilder::BeginObject(TSDPR& dpr, const LineWords& line) {
  // The root's first child: a form without a TextHeight line still needs its
  // window, and it must come before any control is created.
  if (root_open_ && !main_window_written_) EmitMainWindow(dpr);

  const bool is_root = !root_seen_ && line.Level == kRootLevel;
  if (is_root) root_seen_ = root_open_ = true;
  Levels.AddLevel(std::to_string(line.Level), "0", "0", UpperText(line.ClassName), is_root);

  // A group box must be created before the controls inside it, yet its end
  // line comes after theirs: it is written when its first child begins.
  if (!GroupBox.Emitted) {
    BuildGroupBox(dpr,
                  LineWords{"TGROUPBOX", "", "end", "", "", "", line.Level - 1, line.Indent, 1});
  }
  // A control that was never written must not pass its font or list state on.
  ClearFont();
  ListMarker.clear();

  // The class only changes at object lines: look up its generator and checks
  // once here rather than for every line of the object.
  if (is_root) {
    route_ = Route::kMainWindow;
    // The root's name is never written.
    checks_ = ObjectChecks{&MainWindowRow().checks, nullptr, nullptr, false};
  } else if (line.ObjectName.empty()) {
    route_ = Route::kNowhere;
    checks_ = ObjectChecks{};
  } else {
    route_ = Route::kClassTable;
    const ClassRow* row = FindClassRow(line.ClassName);
    generator_ = row == nullptr ? nullptr : row->build;
    checks_ = row == nullptr ? ObjectChecks{} : ObjectChecks{&row->checks, nullptr, nullptr, true};
  }
}

void TBuilder::Dispatch(TSDPR& dpr, const LineWords& line) {
  switch (route_) {
    case Route::kMainWindow:
      BuildForm(dpr, line);
      return;
    case Route::kNowhere:
      return;
    case Route::kClassTable:
      if (generator_ != nullptr) (this->*generator_)(dpr, line);
      return;
  }
}

void TBuilder::FinishGraphics(TSDPR& dpr) {
  if (PaintNeeded || BevelPainted) {
    dpr.AddText("windowprocpaintbegin",
                "\r\n    WM_PAINT: begin\r\n      PaintDC := BeginPaint(hWindow,PaintStruct);");
    dpr.AddText("windowprocpaintend", "\r\n      EndPaint(hWindow,PaintStruct);\r\n    end;");
  }
  // Each text goes into its section before the next is built: with many
  // pens and brushes they are large, and need not be held side by side.
  dpr.AddText("var", Graphics.GetGraphicsDeclarations(BevelPainted));
  dpr.AddText("windowproccreatemidle", Graphics.GetGraphicsCreation());
  dpr.AddText("windowprocdestroymidle", Graphics.GetGraphicsDeletion());
}

void TBuilder::FinishFonts(TSDPR& dpr) {
  // As with the graphics, one text at a time.
  dpr.AddText("var", Fonts.GetFontDeclarations());
  dpr.AddText("bodymidleend", Fonts.GetFontCreation());
  dpr.AddText("bodymidleend", Fonts.GetFontAssignments());
  dpr.AddText("windowprocdestroymidle", Fonts.GetFontDeletion());
}

void TBuilder::ClearFont() { CurrentFont = TRFont(); }

bool TBuilder::HasFont() const { return !CurrentFont.Height.empty(); }

}  // namespace vornic
