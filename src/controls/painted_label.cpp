// The paint code of a coloured label.
#include "controls/painted_label.h"

#include "lib/form_colors.h"
#include "lib/translate.h"

namespace vornic {

namespace {

// Number of characters a caption literal denotes, for TextOut's length:
// quoted runs count their characters (a doubled quote once), each #code
// counts once, and a run left open counts to the end of the text.
int CaptionLength(const std::string& caption) {
  if (caption.empty() || (caption[0] != '\'' && caption[0] != '#')) {
    return static_cast<int>(caption.size()) - 2;
  }
  int count = 0;
  size_t pos = 0;
  while (pos < caption.size()) {
    if (caption[pos] == '\'') {
      ++pos;
      while (pos < caption.size()) {
        if (caption[pos] != '\'') {
          ++count;
          ++pos;
        } else if (pos + 1 < caption.size() && caption[pos + 1] == '\'') {
          ++count;
          pos += 2;
        } else {
          ++pos;  // the closing quote
          break;
        }
      }
    } else if (caption[pos] == '#') {
      ++count;
      ++pos;
      while (pos < caption.size() && caption[pos] != '\'' && caption[pos] != '#') ++pos;
    } else {
      ++pos;  // anything between the pieces denotes no character
    }
  }
  return count;
}

}  // namespace

std::string PaintedLabelText(const PaintedLabel& label, const std::string& font) {
  const auto color = [&label](const std::string& value, const char* fallback) {
    if (value.empty()) return std::string(fallback);
    if (!label.form_colors) return TranslateColor(value);
    const std::string expression = ColorExpression(value);
    return expression.empty() ? std::string(fallback) : expression;
  };
  const std::string back = color(label.color, "GetSysColor(COLOR_BTNFACE)");
  const std::string fore = color(label.font_color, "GetSysColor(COLOR_BTNTEXT)");
  std::string text = "\r\n      { Paint Colors text: " + label.name + " }";
  if (!font.empty()) text += "\r\n      OldFont := SelectObject(PaintDC," + font + ");";
  text += "\r\n      SetTextColor(PaintDC," + fore + ");";
  text += "\r\n      SetBkColor(PaintDC," + back + ");";
  text += "\r\n      " + std::string(label.wide ? "TextOutW" : "TextOut") + "(PaintDC," +
          label.left + "," + label.top + (label.wide ? ",PWideChar(" : ",Pchar(") + label.caption +
          ")," + std::to_string(CaptionLength(label.caption)) + ");";
  if (!font.empty()) text += "\r\n      SelectObject(PaintDC,OldFont);";
  return text;
}

}  // namespace vornic
