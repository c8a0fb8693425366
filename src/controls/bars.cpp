// Progress bars, track bars and status bars: common controls, so the
// generated program initialises the common-controls library once.
#include <string>
#include <utility>

#include "builder/builder.h"
#include "controls/control_steps.h"
#include "builder/geometry.h"
#include "controls/window_control.h"
#include "output/program_text.h"

namespace vornic {

namespace {

// Progress and track bars share one record layout and their properties.
template <typename Bar>
void StoreBarProperty(Bar& bar, const LineWords& line) {
  const std::string& name = line.Word1;
  if (StoreGeometry(bar, line)) return;
  if (name == "Min")
    bar.Min = line.Word3;
  else if (name == "Max")
    bar.Max = line.Word3;
  else if (name == "Position")
    bar.Position = line.Word3;
}

// Form text leaves out values equal to the control's defaults.
template <typename Bar>
void FillBarDefaults(Bar& bar, const char* max) {
  if (bar.Min.empty()) bar.Min = "0";
  if (bar.Max.empty()) bar.Max = max;
  if (bar.Position.empty()) bar.Position = "0";
}

template <typename Bar>
bool HasGeometryAndRange(const Bar& bar) {
  return !bar.Left.empty() && !bar.Top.empty() && !bar.Width.empty() && !bar.Height.empty() &&
         !bar.Max.empty() && !bar.Position.empty();
}

constexpr char kBarStyles[] = "WS_VISIBLE or WS_CHILD or WS_BORDER";

// The window of a progress or track bar at `level`, `after` its creation.
template <typename Bar>
WindowControl BarWindow(const char* banner, const char* call, const Bar& bar, int level,
                        bool takes_focus, std::string after) {
  return {.level = level,
          .name = bar.ControlName,
          .banner = banner,
          .call = call,
          .styles = kBarStyles,
          .box = BoxOf(bar),
          .after = std::move(after),
          .takes_focus = takes_focus,
          .common = true};
}

}  // namespace

void TBuilder::BuildProgressBar(TSDPR& dpr, const LineWords& line) {
  TRProgressBar& bar = ProgressBar;
  if (line.Kind == "object") {
    bar = TRProgressBar();
    bar.ControlName = ControlNameOf(line);
    return;
  }
  if (line.Kind == "set") StoreBarProperty(bar, line);
  if (line.Kind != "end") return;
  FillBarDefaults(bar, "100");
  bar.Complete = HasGeometryAndRange(bar) && !bar.Min.empty();
  if (!bar.Complete) return;
  TakeControlName(bar.ControlName);
  CreateWindowControl(
      dpr,
      BarWindow("Create a progressbar", ":= CreateWindow('msctls_progress32','progressbar',", bar,
                line.Level, false,
                "\r\n  SendMessage(" + bar.ControlName + ",PBM_SETRANGE,0,MakeLong(" + bar.Min +
                    "," + bar.Max + "));" + "\r\n  SendMessage(" + bar.ControlName +
                    ",PBM_SETPOS," + bar.Position + ",0) ;"));
  bar = TRProgressBar();
}

// The track bar's range always starts at 0: its Min does not reach the
// generated program.
void TBuilder::BuildTrackBar(TSDPR& dpr, const LineWords& line) {
  TRTrackBar& bar = TrackBar;
  if (line.Kind == "object") {
    bar = TRTrackBar();
    bar.ControlName = ControlNameOf(line);
    return;
  }
  if (line.Kind == "set") StoreBarProperty(bar, line);
  if (line.Kind != "end") return;
  FillBarDefaults(bar, "10");
  bar.Complete = HasGeometryAndRange(bar) && !bar.ControlName.empty();
  if (!bar.Complete) return;
  TakeControlName(bar.ControlName);
  CreateWindowControl(
      dpr,
      BarWindow("Create a trackbar", ":= CreateWindow('msctls_trackbar32','trackbar',", bar,
                line.Level, true,
                "\r\n  SendMessage(" + bar.ControlName + ",TBM_SETRANGE,1,MakeLong( 0," + bar.Max +
                    "));" + "\r\n  SendMessage(" + bar.ControlName + ",TBM_SETPOS,1," +
                    bar.Position + ");"));
  bar = TRTrackBar();
}

// A status bar places and sizes itself along the window's bottom edge, so it
// ignores its position and follows every WM_SIZE of the main window.
void TBuilder::BuildStatusBar(TSDPR& dpr, const LineWords& line) {
  TRStatusBar& bar = StatusBar;
  if (line.Kind == "object") {
    bar = TRStatusBar();
    bar.ControlName = ControlNameOf(line);
    bar.Level = line.Level;
    return;
  }
  if (line.Kind == "set") {
    if (StoreFontProperty(line)) return;
    // A panel item's Width is not the bar's: own properties stand two
    // blanks deeper per level.
    if (line.Indent == 2 * bar.Level && StoreGeometry(bar, line)) return;
    if (line.Word1 == "SimplePanel")
      bar.SimplePanel = line.Word3;
    else if (line.Word1 == "SimpleText")
      bar.SimpleText = line.Word3;
    return;
  }
  if (line.Kind != "end") return;
  const std::string text = bar.SimplePanel == "True" ? QuotedOrEmpty(bar.SimpleText) : "''";
  bar.Complete = !bar.ControlName.empty();
  if (!bar.Complete) return;
  TakeControlName(bar.ControlName);
  CreateWindowControl(dpr, {.level = line.Level,
                                     .name = bar.ControlName,
                                     .banner = "Create a statusbar",
                                     .call = ":= CreateStatusWindow(",
                                     .styles = "WS_VISIBLE or WS_CHILD",
                                     .call_end = " ," + text,
                                     .docked = true,
                                     .common = true,
                                     .reads_font = true});
  dpr.AddText("windowprocwmsizemidle",
              "\r\n      SendMessage(" + bar.ControlName + ",WM_SIZE,wParam,lParam);");
  dpr.HasSizeHandler = true;
  bar = TRStatusBar();
}

}  // namespace vornic
