// TBuilder's per-line dispatch: the level stack kept in step with the objects,
// the routing of each line, and the shared texts written after the last line.
#include "builder/builder.h"

#include <string_view>
#include <utility>

#include "builder/class_table.h"
#include "builder/translation_steps.h"
#include "builder/value_checks.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

namespace {

// The form itself is the only object at level 1.
constexpr int kRootLevel = 1;

}  // namespace

TBuilder::TBuilder(std::string output_base_name, Translation translation)
    : TBuilder(std::move(output_base_name), MakeTranslationSteps(translation)) {}

TBuilder::TBuilder(std::string output_base_name, std::unique_ptr<TranslationSteps> steps)
    : OutputBaseName(std::move(output_base_name)), steps_(std::move(steps)) {
  BitmapStore.ScriptBaseName = OutputBaseName;
  steps_->ReserveNames(Names);
}

TBuilder::~TBuilder() = default;

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
  // A class that goes by its name's ending may store values of kinds its
  // standard class has not: it is left out rather than refusing the form.
  if (by_ending_level_ != 0 && !LineValuesFit(line, checks_, ListMarker)) LeaveOutByEnding();
  CheckLineValues(line, checks_, ListMarker);
  if (kind == "set") open_.StoreFontProperty(line);
  if (kind == "set") open_.StoreProperty(line);
  Dispatch(dpr, line);
  if (kind == "end") {
    Levels.RemoveLevel(std::to_string(level));
    EndObject(dpr, line);
  }
}

void TBuilder::BeginObject(TSDPR& dpr, const LineWords& line) {
  // The root's first child: a form without a TextHeight line still needs its
  // window, and it must come before any control is created.
  if (root_open_ && !main_window_written_) EmitMainWindow(dpr);

  const bool is_root = !root_seen_ && line.Level == kRootLevel;
  if (is_root) root_seen_ = root_open_ = true;
  Levels.AddLevel(std::to_string(line.Level), "0", "0", UpperText(line.ClassName), is_root);
  OpenObject& object = open_.Open(line.Level);
  object.state.class_name = line.ClassName;
  object.state.object_name = RemoveChar(line.ObjectName, ":");

  // A group box must be created before the controls inside it, yet its end
  // line comes after theirs: it is written when its first child begins.
  if (!GroupBox.Emitted) {
    BuildGroupBox(dpr,
                  LineWords{"TGROUPBOX", "", "end", "", "", "", line.Level - 1, line.Indent, 1});
  }
  // A control that was never written must not pass its font or list state on.
  ClearFont();
  ListMarker.clear();
  // A container with a generator object hears of its child here, so that it
  // too can be written before what it holds.
  if (OpenObject* holder = open_.Holder(); holder != nullptr && holder->generator != nullptr) {
    holder->generator->OnChildObject(Context(dpr), line);
  }

  // The class only changes at object lines: look up its generator and checks
  // once here rather than for every line of the object.
  current_ = nullptr;
  by_ending_level_ = 0;
  if (is_root) {
    route_ = Route::kMainWindow;
    checks_ = steps_->ChecksFor(CheckedObject::kMainWindow, &MainWindowRow());
  } else if (line.ObjectName.empty()) {
    route_ = Route::kNowhere;
    checks_ = steps_->ChecksFor(CheckedObject::kNone, nullptr);
  } else {
    RouteByClass(line, object);
  }
}

void TBuilder::RouteByClass(const LineWords& line, OpenObject& object) {
  bool by_ending = false;
  const ClassRow* row = FindClassRow(line.ClassName, steps_->aliases(), &by_ending);
  if (by_ending) by_ending_level_ = line.Level;
  checks_ = steps_->ChecksFor(CheckedObject::kControl, row);
  const GeneratorFactory factory = row == nullptr ? nullptr : steps_->FactoryFor(*row);
  if (factory != nullptr) {
    object.generator = factory();
    current_ = object.generator.get();
    route_ = Route::kObject;
    return;
  }
  route_ = Route::kClassTable;
  generator_ = row == nullptr ? nullptr : steps_->MemberFor(*row);
}

bool TBuilder::IsItemLine(const LineWords& line) {
  if (line.Kind == "set") return line.Indent > 2 * by_ending_level_;
  return line.Kind == "end" && open_.Find(line.Level) == nullptr;
}

void TBuilder::LeaveOutByEnding() {
  if (OpenObject* object = open_.Find(by_ending_level_)) object->generator.reset();
  by_ending_level_ = 0;
  current_ = nullptr;
  route_ = Route::kClassTable;
  generator_ = nullptr;
  checks_ = steps_->ChecksFor(CheckedObject::kControl, nullptr);
  // Properties come before children, so nothing of the object is written
  // yet; a group box waiting for its first child must not be either.
  if (!GroupBox.Emitted) GroupBox = TRGroupBox();
  ListMarker.clear();
}

void TBuilder::Dispatch(TSDPR& dpr, const LineWords& line) {
  switch (route_) {
    case Route::kMainWindow:
      BuildForm(dpr, line);
      return;
    case Route::kNowhere:
      return;
    case Route::kClassTable:
      // A class taken by its ending may hold collections its standard
      // class's generator does not expect: their items' lines would give
      // it another Width, or end it early at an item's level.
      if (by_ending_level_ != 0 && IsItemLine(line)) return;
      if (generator_ != nullptr) (this->*generator_)(dpr, line);
      return;
    case Route::kObject:
      DispatchToObject(dpr, line);
      return;
  }
}

void TBuilder::DispatchToObject(TSDPR& dpr, const LineWords& line) {
  if (current_ == nullptr) return;
  const std::string_view kind = line.Kind;
  if (kind == "object") {
    current_->OnObject(Context(dpr), line);
  } else if (kind == "set") {
    current_->OnProperty(Context(dpr), line);
  } else if (kind != "end" || open_.Find(line.Level) == nullptr) {
    // An end line that closes no object ends an item of a collection value.
    current_->OnContinuationLine(Context(dpr), line);
  }
}

void TBuilder::EndObject(TSDPR& dpr, const LineWords& line) {
  OpenObject* object = open_.Find(line.Level);
  if (object == nullptr) return;
  if (object->generator != nullptr) object->generator->OnEnd(Context(dpr), line);
  open_.Close(line.Level);
  // The current generator object may have ended, or lost its end line.
  if (!open_.Holds(current_)) current_ = nullptr;
}

void TBuilder::FinishGraphics(TSDPR& dpr) {
  // They may still add paint code, pens and brushes.
  for (const auto& step : finishing_steps_) step(Context(dpr));
  finishing_steps_.clear();
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
  dpr.AddText("windowprocmidle", Branches.Text());
}

void TBuilder::FinishFonts(TSDPR& dpr) {
  // As with the graphics, one text at a time.
  dpr.AddText("var", Fonts.GetFontDeclarations());
  dpr.AddText("bodymidleend", Fonts.GetFontCreation(steps_->FontsWithLines()));
  dpr.AddText("bodymidleend", Fonts.GetFontAssignments());
  dpr.AddText("windowprocdestroymidle", Fonts.GetFontDeletion());
}

void TBuilder::ClearFont() { CurrentFont = TRFont(); }

bool TBuilder::HasFont() const { return !CurrentFont.Height.empty(); }

}  // namespace vornic
