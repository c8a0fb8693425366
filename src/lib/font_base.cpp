// The font registry: distinct fonts numbered in order of first use, and the
// four texts the builder writes for them after the last line.
#include "lib/font_base.h"

#include <string_view>

#include "lib/text.h"

namespace vornic {

namespace {

// The face used when the form text names none; quoted like the names that
// come from form text, so the CreateFont call stays a string literal.
constexpr std::string_view kDefaultFace = "'MS Sans Serif'";

}  // namespace

std::string TIFontBase::RegisterFont(const std::string& control, const TRFont& font) {
  int row = Fonts.Find({font.Charset, font.Name, font.Height, font.Style});
  if (row == 0) row = Fonts.Add({font.Charset, font.Name, font.Height, font.Style});
  Controls.Add({control});
  ControlFonts.push_back(row);
  return "hFont" + std::to_string(row);
}

std::string TIFontBase::GetFontDeclarations() const {
  std::string text;
  for (int i = 1; i <= Fonts.size(); ++i) {
    text.append("\r\n    hFont").append(std::to_string(i)).append(": HFONT;");
  }
  return text;
}

std::string TIFontBase::GetFontCreation(bool with_lines, std::string_view height_function) const {
  std::string text =
      Fonts.size() > 0 ? "\r\n  { Create Font Handle " + RepeatText("=", 51) + " }" : "\r\n";
  for (int i = 1; i <= Fonts.size(); ++i) {
    const std::string_view charset = Fonts.At(i, 0);
    const std::string_view face = Fonts.At(i, 1);
    const std::string_view style = Fonts.At(i, 3);
    const auto has = [style](std::string_view word) {
      return style.find(word) != std::string_view::npos;
    };
    text.append("\r\n  hFont")
        .append(std::to_string(i))
        .append(wide_ ? " := CreateFontW(" : " := CreateFont(");
    if (height_function.empty()) {
      text.append(Fonts.At(i, 2));
    } else {
      text.append(height_function).append("(").append(Fonts.At(i, 2)).append(")");
    }
    text.append(",0,0,0,");
    text.append(has("Bold") ? "700" : "400").append(",");
    text.append(has("Italic") ? "1" : "0").append(",");
    text.append(with_lines && has("Underline") ? "1" : "0").append(",");
    text.append(with_lines && has("StrikeOut") ? "1" : "0").append(",");
    text.append(charset.empty() ? "0" : charset).append(",0,0,0,0,");
    text.append(face.empty() ? kDefaultFace : face).append(");");
  }
  return text;
}

std::string TIFontBase::GetFontAssignments() const {
  std::string lines;
  for (int j = 1; j <= Controls.size(); ++j) {
    const std::string_view control = Controls.At(j, 0);
    if (control == kPaintedFont) continue;
    const std::string font = std::to_string(ControlFonts[static_cast<size_t>(j) - 1]);
    lines.append("\r\n  if hFont")
        .append(font)
        .append(wide_ ? " <> 0 then SendMessageW(" : " <> 0 then SendMessage(");
    lines.append(control).append(",WM_SETFONT,hFont").append(font).append(",0);");
  }
  if (lines.empty()) return lines;
  return "\r\n  { Change fonts " + RepeatText("=", 46) + " }" + lines;
}

std::string TIFontBase::GetFontDeletion() const {
  std::string text = "\r\n      { Delete Fonts }";
  for (int i = 1; i <= Fonts.size(); ++i) {
    text.append("\r\n      DeleteObject(hFont").append(std::to_string(i)).append(");");
  }
  return text;
}

}  // namespace vornic
