// The steps every control generator shares: naming, the empty text, the font
// values collected in CurrentFont, placing inside containers, and writing a
// window through the creation step.
#include "controls/control_steps.h"

#include <string_view>

#include "builder/builder.h"
#include "controls/window_control.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

std::string TBuilder::ControlNameOf(const LineWords& line) { return RemoveChar(line.Word2, ":"); }

void TBuilder::TakeControlName(std::string& name, const std::string& companion) {
  name = Names.Take(name, companion);
}

std::string QuotedOrEmpty(const std::string& text) {
  return text.empty() ? std::string("''") : text;
}

bool TBuilder::StoreFontProperty(const LineWords& line) {
  const std::string_view name = line.Word1;
  if (name == "Font.Charset") {
    CurrentFont.Charset = line.Word3;
  } else if (name == "Font.Height") {
    CurrentFont.Height = line.Word3;
  } else if (name == "Font.Name") {
    CurrentFont.Name = line.Word3;
  } else if (name == "Font.Style") {
    CurrentFont.Style = line.Word3;
  } else {
    return false;
  }
  return true;
}

void TBuilder::PlaceInForm(int level, std::string& left, std::string& top) {
  // Level 2 lies directly on the form, whose own position places the window
  // on the screen and must not count.
  if (level > 2) Levels.GetOffset(std::to_string(level), left, top);
}

std::string TBuilder::TakeFont(const std::string& control, bool reads_font) {
  std::string font_name;
  if (reads_font && HasFont()) font_name = Fonts.RegisterFont(control, CurrentFont);
  ClearFont();
  return font_name;
}

void TBuilder::CreateWindowControl(TSDPR& dpr, WindowControl control) {
  // The first control created that can take the focus gets it.
  if (control.takes_focus && !FocusChosen) {
    dpr.FocusControl = control.name;
    FocusChosen = true;
  }
  if (!control.docked) PlaceInForm(control.level, control.box.left, control.box.top);
  WriteWindowControl(dpr, control);
  TakeFont(control.name, control.reads_font);
  ++ControlCount;
}

}  // namespace vornic
