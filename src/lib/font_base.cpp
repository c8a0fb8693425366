// The font registry: distinct fonts numbered in order of first use, and the
// four texts the builder writes for them after the last line.
#include "lib/font_base.h"

#include "lib/text.h"

namespace vornic {

namespace {

// A painted label registers its font under this name: it has no window to
// send WM_SETFONT to.
const char kPaintedLabel[] = "<-CT->";

// The face used when the form text names none; quoted like the names that
// come from form text, so the CreateFont call stays a string literal.
const char kDefaultFace[] = "'MS Sans Serif'";

}  // namespace

std::string TIFontBase::RegisterFont(const std::string& control, const TRFont& font) {
  int row = FontRows.Find({font.Charset, font.Name, font.Height, font.Style});
  if (row == 0) {
    row = Numbers.HighIndex() + 1;
    FontRows.Insert({font.Charset, font.Name, font.Height, font.Style}, row);
    Numbers.Add(std::to_string(row));
    Charsets.Add(font.Charset);
    Names.Add(font.Name);
    Heights.Add(font.Height);
    Styles.Add(font.Style);
  }
  Controls.Add(control);
  ControlFonts.Add(Numbers.GetItem(row));
  return "hFont" + std::to_string(row);
}

std::string TIFontBase::GetFontDeclarations() const {
  std::string text;
  for (int i = 1; i <= Numbers.HighIndex(); ++i) {
    text += "\r\n    hFont" + std::to_string(i) + ": HFONT;";
  }
  return text;
}

std::string TIFontBase::GetFontCreation(bool with_lines) const {
  std::string text =
      Numbers.HighIndex() > 0 ? "\r\n  { Create Font Handle " + RepeatText("=", 51) + " }" : "\r\n";
  for (int i = 1; i <= Numbers.HighIndex(); ++i) {
    const std::string& style = Styles.GetItem(i);
    const std::string weight = FindText(style, "Bold") > 0 ? "700" : "400";
    const std::string italic = FindText(style, "Italic") > 0 ? "1" : "0";
    const std::string underline = with_lines && FindText(style, "Underline") > 0 ? "1" : "0";
    const std::string strike_out = with_lines && FindText(style, "StrikeOut") > 0 ? "1" : "0";
    const std::string& charset = Charsets.GetItem(i).empty() ? "0" : Charsets.GetItem(i);
    const std::string& face = Names.GetItem(i).empty() ? kDefaultFace : Names.GetItem(i);
    text += "\r\n  hFont" + std::to_string(i) + " := CreateFont(" + Heights.GetItem(i) + ",0,0,0," +
            weight + "," + italic + "," + underline + "," + strike_out + "," + charset + ",0,0,0,0," + face + ");";
  }
  return text;
}

std::string TIFontBase::GetFontAssignments() const {
  std::string lines;
  for (int j = 1; j <= Controls.HighIndex(); ++j) {
    const std::string& control = Controls.GetItem(j);
    if (control == kPaintedLabel) continue;
    const std::string& font = ControlFonts.GetItem(j);
    lines += "\r\n  if hFont" + font + " <> 0 then SendMessage(" + control + ",WM_SETFONT,hFont" +
             font + ",0);";
  }
  if (lines.empty()) return lines;
  return "\r\n  { Change fonts " + RepeatText("=", 46) + " }" + lines;
}

std::string TIFontBase::GetFontDeletion() const {
  std::string text = "\r\n      { Delete Fonts }";
  for (int i = 1; i <= Numbers.HighIndex(); ++i) {
    text += "\r\n      DeleteObject(hFont" + std::to_string(i) + ");";
  }
  return text;
}

}  // namespace vornic
