// The shared state of a run as generators reach it.
#include "builder/generator_context.h"

#include "builder/builder.h"
#include "builder/translation_steps.h"
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

const TranslationSteps& GeneratorContext::steps() const { return *builder_.steps_; }

const TRFont* GeneratorContext::collected_font() const {
  return builder_.HasFont() ? &builder_.CurrentFont : nullptr;
}

const DesignFont& GeneratorContext::DesignFontAt(int level) const {
  return builder_.open_.FontAt(level);
}

std::string& GeneratorContext::list_marker() const { return builder_.ListMarker; }

void GeneratorContext::FocusOnce(const std::string& name) const {
  if (builder_.FocusChosen) return;
  program_.FocusControl = name;
  builder_.FocusChosen = true;
}

void GeneratorContext::PlaceInForm(int level, std::string& left, std::string& top) const {
  // Level 2 lies directly on the form, whose own position places the window
  // on the screen and must not count.
  if (level > 2) builder_.Levels.GetOffset(std::to_string(level), left, top);
}

void GeneratorContext::DeclareWindow(const std::string& name) const {
  program_.AddText("var", "\r\n    " + name + ": HWND;");
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

void GeneratorContext::NeedPaint() const { builder_.PaintNeeded = true; }

void GeneratorContext::CountControl() const { ++builder_.ControlCount; }

std::string GeneratorContext::TakeName(const LineWords& line, const std::string& companion) const {
  return builder_.ControlNameOf(line, companion);
}

}  // namespace vornic
