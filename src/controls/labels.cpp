// Labels and edits. A label with colours of its own is painted in WM_PAINT;
// any other label, and every edit, becomes a child window.
#include <string>

#include "builder/builder.h"
#include "controls/control_steps.h"
#include "builder/geometry.h"
#include "controls/painted_label.h"
#include "controls/window_control.h"
#include "lib/translate.h"
#include "output/program_text.h"

namespace vornic {

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
  label.Complete = !label.Caption.empty() && HasGeometry(label);
  if (!label.Complete) return;
  TakeControlName(label.ControlName);
  const bool painted = !label.FontColor.empty() || !label.Color.empty();
  if (painted) {
    // A painted label is no window: its font is selected around TextOut,
    // so it is registered first and gets no WM_SETFONT line.
    PlaceInForm(line.Level, label.Left, label.Top);
    const std::string font = TakeFont(kPaintedFont, true);
    if (!OldFontDeclared) {
      dpr.AddText("var", "\r\n    OldFont: HFONT;");
      OldFontDeclared = true;
    }
    PaintNeeded = true;
    dpr.AddText("windowprocpaintmidle",
                PaintedLabelText({label.ControlName, label.Left, label.Top, label.Caption,
                                  label.Color, label.FontColor},
                                 font));
    ++ControlCount;
  } else {
    CreateWindowControl(dpr, {.level = line.Level,
                                  .name = label.ControlName,
                                  .banner = "Create a label (static)",
                                  .call = ":= Createwindow('Static'," + label.Caption + ", ",
                                  .styles = "WS_VISIBLE or WS_CHILD or SS_LEFT",
                                  .box = BoxOf(label),
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
  TakeControlName(edit.ControlName);
  CreateWindowControl(dpr, {.level = line.Level,
                                     .name = edit.ControlName,
                                     .banner = "Create an edit field",
                                     .call = ":= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit'," +
                                             QuotedOrEmpty(edit.Text) + ", ",
                                     .styles = "WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP",
                                     .box = BoxOf(edit),
                                     .takes_focus = true,
                                     .reads_font = true});
  edit = TREdit();
}

}  // namespace vornic
