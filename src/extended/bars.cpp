// Progress bars, track bars and status bars: common controls, so the
// program initialises the common-controls library once.
#include <memory>
#include <string>
#include <utility>

#include "controls/control_steps.h"
#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "output/program_text.h"

namespace vornic {

namespace {

// The range of a progress or track bar; form text leaves out values equal
// to the control's defaults.
struct BarRange {
  std::string Min;
  std::string Max;
  std::string Position;

  BarRange(const Control& control, const char* max)
      : Min(Or(control.Value("Min"), "0")),
        Max(Or(control.Value("Max"), max)),
        Position(Or(control.Value("Position"), "0")) {}

  static std::string Or(const std::string& value, const char* fallback) {
    return value.empty() ? fallback : value;
  }
};

// Progress and track bars alike: a bordered common control where the form
// puts it.
void WriteBar(FormWriter& writer, const Control& control, WindowControl window) {
  window.styles = "WS_VISIBLE or WS_CHILD or WS_BORDER";
  window.box = StoredBox(control);
  window.common = true;
  WriteWindow(writer, control, std::move(window));
}

class ProgressBarWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    if (!StoredBox(control).complete()) return;
    const std::string name = writer.TakeName(control);
    const BarRange range(control, "100");
    WriteBar(writer, control,
             {.name = name,
              .banner = "Create a progressbar",
              .call = ":= CreateWindowExW(0, 'msctls_progress32','progressbar',",
              .after = "\r\n  SendMessageW(" + name + ",PBM_SETRANGE,0,MakeLong(" + range.Min +
                       "," + range.Max + "));" + "\r\n  SendMessageW(" + name + ",PBM_SETPOS," +
                       range.Position + ",0) ;"});
  }
};

// The track bar's range always starts at 0: its Min does not reach the
// program.
class TrackBarWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    if (!StoredBox(control).complete()) return;
    const std::string name = writer.TakeName(control);
    const BarRange range(control, "10");
    WriteBar(
        writer, control,
        {.name = name,
         .banner = "Create a trackbar",
         .call = ":= CreateWindowExW(0, 'msctls_trackbar32','trackbar',",
         .after = "\r\n  SendMessageW(" + name + ",TBM_SETRANGE,1,MakeLong( 0," + range.Max +
                  "));" + "\r\n  SendMessageW(" + name + ",TBM_SETPOS,1," + range.Position + ");",
         .takes_focus = true});
  }
};

// The designer docks a status bar at the bottom of what holds it; one on
// the form docks at the window's bottom edge, where the system keeps it
// through every WM_SIZE of the main window. One docked elsewhere stands
// where the form puts it.
class StatusBarWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const std::string name = writer.TakeName(control);
    const std::string text =
        control.Value("SimplePanel") == "True" ? QuotedOrEmpty(control.Value("SimpleText")) : "''";
    const std::string& align = control.Value("Align");
    const bool docked_on_form = control.depth() == 2 && (align.empty() || align == "alBottom");
    const Box box = StoredBox(control);
    if (!docked_on_form && box.complete()) {
      WriteWindow(writer, control,
                  {.name = name,
                   .banner = "Create a statusbar",
                   .call = ":= CreateWindowExW(0, 'msctls_statusbar32'," + text + ",",
                   .styles = "WS_VISIBLE or WS_CHILD or CCS_NOPARENTALIGN or CCS_NORESIZE",
                   .box = box,
                   .common = true,
                   .reads_font = true});
      return;
    }
    WriteWindow(writer, control,
                {.name = name,
                 .banner = "Create a statusbar",
                 .call = ":= CreateStatusWindowW(",
                 .styles = "WS_VISIBLE or WS_CHILD",
                 .call_end = " ," + text,
                 .docked = true,
                 .common = true,
                 .reads_font = true});
    writer.AddText("windowprocwmsizemidle",
                   "\r\n      SendMessageW(" + name + ",WM_SIZE,wParam,lParam);");
    writer.program().HasSizeHandler = true;
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewProgressBarWriter() {
  return std::make_unique<ProgressBarWriter>();
}
std::unique_ptr<ControlWriter> NewTrackBarWriter() { return std::make_unique<TrackBarWriter>(); }
std::unique_ptr<ControlWriter> NewStatusBarWriter() { return std::make_unique<StatusBarWriter>(); }

}  // namespace vornic
