// The steps every control generator shares: naming, focus, placement,
// declaration, creation text, font registration.
#include "builder/builder.h"
#include "lib/code_layout.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

std::string TBuilder::ControlNameOf(const LineWords& line, const std::string& companion) {
  return Names.Take(RemoveChar(line.Word2, ":"), companion);
}

bool TBuilder::StoreFontProperty(const LineWords& line) {
  if (line.Word1 == "Font.Charset") {
    CurrentFont.Charset = line.Word3;
  } else if (line.Word1 == "Font.Height") {
    CurrentFont.Height = line.Word3;
  } else if (line.Word1 == "Font.Name") {
    CurrentFont.Name = line.Word3;
  } else if (line.Word1 == "Font.Style") {
    CurrentFont.Style = line.Word3;
  } else {
    return false;
  }
  return true;
}

void TBuilder::FocusControlOnce(TSDPR& dpr, const std::string& name) {
  if (FocusChosen) return;
  dpr.FocusControl = name;
  FocusChosen = true;
}

void TBuilder::PlaceInForm(int level, std::string& left, std::string& top) const {
  // Level 2 lies directly on the form, whose own position places the window
  // on the screen and must not count.
  if (level > 2) Levels.GetOffset(std::to_string(level), left, top);
}

void TBuilder::DeclareWindow(TSDPR& dpr, const std::string& name) {
  dpr.AddText("var", "\r\n    " + name + ": HWND;");
}

std::string TBuilder::CreationText(const std::string& banner, const std::string& name,
                                   const std::string& first_line, const std::string& left,
                                   const std::string& top, const std::string& width,
                                   const std::string& height) {
  return "\r\n" + BannerComment(banner) + "\r\n" + "  " + name + first_line + "\r\n" +
         ContinuationIndent(name) + left + "," + top + "," + width + "," + height +
         ", hWindow, 0, Inst, nil);";
}

std::string TBuilder::TakeFont(const std::string& control) {
  std::string font_name;
  if (HasFont()) font_name = Fonts.RegisterFont(control, CurrentFont);
  ClearFont();
  return font_name;
}

void TBuilder::InitCommonControlsOnce(TSDPR& dpr) {
  if (dpr.CommonControlsReady != 0) return;
  dpr.AddText("windowproccreatemidle", "\r\n      InitCommonControls;");
  dpr.CommonControlsReady = 1;
}

std::string TBuilder::QuotedOrEmpty(const std::string& text) {
  return text.empty() ? std::string("''") : text;
}

}  // namespace vornic
