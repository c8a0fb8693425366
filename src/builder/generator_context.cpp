// The shared state of a run as generators reach it.
#include "builder/generator_context.h"

#include <utility>

#include "builder/builder.h"
#include "builder/translation_steps.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

void GeneratorContext::AddText(const std::string& section, const std::string& text) const {
  program_.AddText(section, text);
}

void GeneratorContext::AddTextOnce(const std::string& section, const std::string& text) const {
  program_.AddTextOnce(section, text);
}

TIFontBase& GeneratorContext::fonts() const { return builder_.Fonts; }

TIGrafBase& GeneratorContext::graphics() const { return builder_.Graphics; }

TIImage& GeneratorContext::bitmaps() const { return builder_.BitmapStore; }

const TILevel& GeneratorContext::levels() const { return builder_.Levels; }

const std::string& GeneratorContext::output_base_name() const { return builder_.OutputBaseName; }

const std::string& GeneratorContext::form_menu() const { return builder_.Form.Menu; }

MenuBar& GeneratorContext::menu_bar() const { return builder_.MainMenuBar; }

const TranslationSteps& GeneratorContext::steps() const { return *builder_.steps_; }

const TRFont* GeneratorContext::collected_font() const {
  return builder_.HasFont() ? &builder_.CurrentFont : nullptr;
}

const DesignFont& GeneratorContext::DesignFontAt(int level) const {
  return builder_.open_.FontAt(level);
}

const DesignState& GeneratorContext::DesignStateAt(int level) const {
  return builder_.open_.StateAt(level);
}

void GeneratorContext::Hide(int level) const {
  if (OpenObject* object = builder_.open_.Find(level)) object->state.visible = false;
}

MessageBranches& GeneratorContext::branches() const { return builder_.Branches; }

std::string GeneratorContext::BrushFor(const std::string& color) const {
  return builder_.Brushes.BrushFor(color, program_);
}

void GeneratorContext::Warn(const std::string& text) const { builder_.Warnings.push_back(text); }

void GeneratorContext::SetPage(int level, PagePlace page) const {
  if (OpenObject* object = builder_.open_.Find(level); object != nullptr) {
    object->state.page = std::move(page);
  }
}

std::string& GeneratorContext::list_marker() const { return builder_.ListMarker; }

void GeneratorContext::OfferFocus(const std::string& name, int level) const {
  // Without the designer's order every control ranks alike: the first wins.
  FocusRank rank = steps().FocusesInTabOrder() ? builder_.open_.FocusRankAt(level) : FocusRank();
  if (builder_.FocusChosen && !(rank < builder_.focus_rank_)) return;
  program_.FocusControl = name;
  builder_.FocusChosen = true;
  builder_.focus_rank_ = std::move(rank);
}

void GeneratorContext::PlaceInForm(int level, std::string& left, std::string& top) const {
  // Level 2 lies directly on the form, whose own position places the window
  // on the screen and must not count.
  if (level > 2) builder_.Levels.GetOffset(std::to_string(level), left, top);
}

void GeneratorContext::SetContentOrigin(int level, int left, int top) const {
  builder_.Levels.SetLeft(std::to_string(level), std::to_string(left));
  builder_.Levels.SetTop(std::to_string(level), std::to_string(top));
}

void GeneratorContext::DeclareWindow(const std::string& name) const {
  program_.AddText("var", "\r\n    " + name + ": HWND;");
  builder_.window_variables_.Add({UpperText(name)});
}

void GeneratorContext::RememberWindow(const std::string& name) const {
  builder_.window_variables_.Add({UpperText(name)});
}

bool GeneratorContext::DeclareOnce(const std::string& declaration) const {
  return program_.AddTextOnce("var", "\r\n    " + declaration);
}

std::vector<std::string> GeneratorContext::WindowsNamed(const std::string& form_name) const {
  std::vector<std::string> windows;
  for (const std::string& variable : builder_.Names.TakenFor(form_name)) {
    if (builder_.window_variables_.Find({UpperText(variable)}) > 0) windows.push_back(variable);
  }
  return windows;
}

ControlGenerator* GeneratorContext::HolderAt(int level) const {
  return builder_.open_.GeneratorBelow(level);
}

void GeneratorContext::AtFinish(std::function<void(GeneratorContext)> step) const {
  builder_.finishing_steps_.push_back(std::move(step));
}

void GeneratorContext::InitCommonControlsOnce() const {
  if (program_.CommonControlsReady != 0) return;
  program_.AddText("windowproccreatemidle", "\r\n      InitCommonControls;");
  program_.CommonControlsReady = 1;
}

std::string GeneratorContext::TakeFont(const std::string& control, int level,
                                       bool reads_font) const {
  std::string font_name;
  const TRFont* font = steps().FontFor(*this, level, reads_font);
  if (font != nullptr) font_name = builder_.Fonts.RegisterFont(control, *font);
  builder_.ClearFont();
  return font_name;
}

void GeneratorContext::AddPaint(int level, const std::string& name,
                                const std::string& paint) const {
  const std::string when = steps().PaintedWhen(*this, level, name);
  if (when.empty()) {
    AddText("windowprocpaintmidle", paint);
    return;
  }
  AddText("windowprocpaintmidle", "\r\n      if " + when + " then begin" + paint + "\r\n      end;");
}

std::string GeneratorContext::TakeIdentifier(const std::string& name) const {
  return builder_.Names.Take(name);
}

void GeneratorContext::NeedPaint() const { builder_.PaintNeeded = true; }

void GeneratorContext::CountControl() const { ++builder_.ControlCount; }

std::string GeneratorContext::TakeName(const LineWords& line, const std::string& companion) const {
  return builder_.Names.Take(builder_.ControlNameOf(line), companion);
}

}  // namespace vornic
