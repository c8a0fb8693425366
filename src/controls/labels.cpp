// Labels and edits. A label with colours of its own is painted in WM_PAINT;
// any other label, and every edit, becomes a child window.
#include <string>

#include "builder/builder.h"
#include "builder/translation_steps.h"
#include "controls/control_steps.h"
#include "controls/geometry.h"
#include "controls/window_control.h"
#include "lib/translate.h"
#include "output/program_text.h"

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

// The six lines that paint a coloured label; without a font of its own the
// label keeps the device context's font, so the two OldFont lines go.
std::string PaintedLabelText(const TRLabel& label, const std::string& font) {
  const std::string back =
      label.Color.empty() ? "GetSysColor(COLOR_BTNFACE)" : TranslateColor(label.Color);
  const std::string fore =
      label.FontColor.empty() ? "GetSysColor(COLOR_BTNTEXT)" : TranslateColor(label.FontColor);
  std::string text = "\r\n      { Paint Colors text: " + label.ControlName + " }";
  if (!font.empty()) text += "\r\n      OldFont := SelectObject(PaintDC," + font + ");";
  text += "\r\n      SetTextColor(PaintDC," + fore + ");";
  text += "\r\n      SetBkColor(PaintDC," + back + ");";
  text += "\r\n      TextOut(PaintDC," + label.Left + "," + label.Top + ",Pchar(" + label.Caption +
          ")," + std::to_string(CaptionLength(label.Caption)) + ");";
  if (!font.empty()) text += "\r\n      SelectObject(PaintDC,OldFont);";
  return text;
}

}  // namespace

void TBuilder::BuildLabel(TSDPR& dpr, const LineWords& line) {
  TRLabel& label = Label;
  if (line.Kind == "object") {
    // A skipped label must not lend its colours or geometry to the next.
    label = TRLabel();
    label.ControlName = ControlNameOf(line);
    return;
  }
  if (line.Kind == "set") {
    if (StoreFontProperty(line) || StoreGeometry(label, line)) return;
    const std::string& name = line.Word1;
    if (name == "Caption")
      label.Caption = line.Word3;
    else if (name == "Font.Color")
      label.FontColor = line.Word3;
    else if (name == "Color")
      label.Color = line.Word3;
    return;
  }
  if (line.Kind != "end") return;
  // A label whose text the program sets later stores no Caption.
  if (label.Caption.empty()) label.Caption = steps_->UnstoredCaption();
  label.Complete = !label.Caption.empty() && HasGeometry(label);
  if (!label.Complete) return;
  const GeneratorContext context = Context(dpr);
  const bool painted = !label.FontColor.empty() || !label.Color.empty();
  if (painted) {
    // A painted label is no window: its font is selected around TextOut,
    // so it is registered first and gets no WM_SETFONT line.
    context.PlaceInForm(line.Level, label.Left, label.Top);
    const std::string font = context.TakeFont("<-CT->", line.Level, true);
    if (!OldFontDeclared) {
      dpr.AddText("var", "\r\n    OldFont: HFONT;");
      OldFontDeclared = true;
    }
    context.NeedPaint();
    context.AddPaint(line.Level, label.ControlName, PaintedLabelText(label, font));
    context.CountControl();
  } else {
    CreateWindowControl(context, {.level = line.Level,
                                  .name = label.ControlName,
                                  .banner = "Create a label (static)",
                                  .call = ":= Createwindow('Static'," + label.Caption + ", ",
                                  .styles = "WS_VISIBLE or WS_CHILD or SS_LEFT",
                                  .left = label.Left,
                                  .top = label.Top,
                                  .width = label.Width,
                                  .height = label.Height,
                                  .reads_font = true});
  }
  label = TRLabel();
}

void TBuilder::BuildEdit(TSDPR& dpr, const LineWords& line) {
  TREdit& edit = Edit;
  if (line.Kind == "object") {
    edit = TREdit();
    edit.ControlName = ControlNameOf(line);
    return;
  }
  if (line.Kind == "set") {
    if (StoreFontProperty(line) || StoreGeometry(edit, line)) return;
    if (line.Word1 == "Text") edit.Text = line.Word3;
    return;
  }
  if (line.Kind != "end") return;
  edit.Complete = HasGeometry(edit);
  if (!edit.Complete) return;
  CreateWindowControl(Context(dpr), {.level = line.Level,
                                     .name = edit.ControlName,
                                     .banner = "Create an edit field",
                                     .call = ":= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit'," +
                                             QuotedOrEmpty(edit.Text) + ", ",
                                     .styles = "WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP",
                                     .left = edit.Left,
                                     .top = edit.Top,
                                     .width = edit.Width,
                                     .height = edit.Height,
                                     .takes_focus = true,
                                     .reads_font = true});
  edit = TREdit();
}

}  // namespace vornic
