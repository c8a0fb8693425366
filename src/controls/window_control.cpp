// The creation of a child window, written the same way for every control.
#include "controls/window_control.h"

#include "lib/code_layout.h"
#include "output/program_text.h"

namespace vornic {

namespace {

std::string CreationText(const WindowControl& control) {
  const std::string& name = control.name;
  const Box& box = control.box;
  const std::string arguments = control.docked
                                    ? ", hWindow, " + control.id + ");"
                                    : box.left + "," + box.top + "," + box.width + "," +
                                          box.height + ", hWindow, " + control.id + ", Inst, nil);";
  return "\r\n" + BannerComment(control.banner) + "\r\n  " + name + control.call + control.styles +
         control.call_end + "\r\n" + ContinuationIndent(name) + arguments;
}

}  // namespace

void WriteWindowControl(TSDPR& program, const WindowControl& control) {
  const std::string& name = control.name;
  program.AddText("var", "\r\n    " + name + ": HWND;");
  if (control.clicks) {
    program.AddText("windowproccommandmidle", "\r\n      if HWND(lParam) = " + name + " then " +
                                                  (control.wide ? "MessageBoxW" : "MessageBox") +
                                                  "(hWindow,'" + name + "Click','Check',MB_OK);");
  }
  program.AddText("bodymidle", CreationText(control) + control.after);
  if (control.common && program.CommonControlsReady == 0) {
    program.AddText("windowproccreatemidle", "\r\n      InitCommonControls;");
    program.CommonControlsReady = 1;
  }
}

}  // namespace vornic
