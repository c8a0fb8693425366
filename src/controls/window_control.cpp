// The creation of a child window, written the same way for every control.
#include "controls/window_control.h"

#include "builder/translation_steps.h"
#include "lib/code_layout.h"

namespace vornic {

namespace {

std::string CreationText(const WindowControl& control) {
  const std::string& name = control.name;
  const std::string arguments = control.docked ? ", hWindow, " + control.id + ");"
                                               : control.left + "," + control.top + "," +
                                                     control.width + "," + control.height +
                                                     ", hWindow, " + control.id + ", Inst, nil);";
  return "\r\n" + BannerComment(control.banner) + "\r\n  " + name + control.call + control.styles +
         control.call_end + "\r\n" + ContinuationIndent(name) + arguments;
}

}  // namespace

void CreateWindowControl(GeneratorContext context, WindowControl control) {
  context.steps().PrepareWindowControl(context, control);
  const std::string& name = control.name;
  if (control.takes_focus) context.OfferFocus(name, control.level);
  if (!control.docked) context.PlaceInForm(control.level, control.left, control.top);
  context.DeclareWindow(name);
  if (control.clicks) {
    context.AddText("windowproccommandmidle", "\r\n      if HWND(lParam) = " + name +
                                                  " then MessageBox(hWindow,'" + name +
                                                  "Click','Check',MB_OK);");
  }
  context.AddText("bodymidle", CreationText(control) + control.after);
  if (control.common) context.InitCommonControlsOnce();
  context.TakeFont(name, control.level, control.reads_font);
  context.CountControl();
}

}  // namespace vornic
