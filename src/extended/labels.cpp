// Labels: a label with colours of its own is painted by the main window;
// any other label is a static window. A form leaves out a Caption that is
// empty, and the label still shows.
#include <memory>
#include <string>

#include "controls/painted_label.h"
#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/window_creation.h"
#include "extended/writers.h"

namespace vornic {

namespace {

class LabelWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    const std::string& stored = control.Value("Caption");
    const std::string caption = stored.empty() ? "''" : stored;
    const std::string& color = control.Value("Color");
    const std::string& font_color = control.Value("Font.Color");
    if (color.empty() && font_color.empty()) {
      WriteWindow(writer, control,
                  {.name = name,
                   .banner = "Create a label (static)",
                   .call = ":= CreateWindowExW(0, 'Static'," + caption + ", ",
                   .styles = "WS_VISIBLE or WS_CHILD or SS_LEFT",
                   .box = box,
                   .reads_font = true});
      return;
    }
    // A painted label is no window: its font is selected around TextOut,
    // so it is registered first and gets no WM_SETFONT line.
    control.PlaceInForm(box.left, box.top);
    const std::string font = writer.TakeFont(kPaintedFont, control);
    writer.DeclareOnce("OldFont: HFONT;");
    writer.NeedPaint();
    writer.AddPaint(
        control, name,
        PaintedLabelText({name, box.left, box.top, caption, color, font_color, true, true}, font));
    writer.CountControl();
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewLabelWriter() { return std::make_unique<LabelWriter>(); }

}  // namespace vornic
