// The designer's state of a window control turned into window styles, its
// identifier and its colours.
#include "controls/control_state.h"

#include <string>

#include "builder/open_objects.h"
#include "controls/control_colors.h"
#include "controls/window_control.h"
#include "controls/window_styles.h"
#include "lib/text.h"

namespace vornic {

namespace {

constexpr char kTabStop[] = "WS_TABSTOP";

void ApplyTabStop(const DesignState& state, WindowControl& control) {
  // The designer makes a radio button a tab stop when it is checked, and the
  // form then stores TabStop = True. Memos and track bars are tab stops
  // unless the form says otherwise, though their windows are written without.
  const std::string upper = UpperText(state.class_name);
  const bool default_off = upper == "TRADIOBUTTON";
  const bool default_on = upper == "TMEMO" || upper == "TDBMEMO" || upper == "TTRACKBAR";
  if (state.tab_stop == "True" || (state.tab_stop.empty() && default_on)) {
    AddStyle(control.styles, kTabStop);
  } else if (state.tab_stop == "False" || (state.tab_stop.empty() && default_off)) {
    RemoveStyle(control.styles, kTabStop);
  }
}

// Enter and Escape press a button the user can reach: the dialog handling
// of the message loop sends IDOK or IDCANCEL with the window of that id.
void ApplyDialogKeys(const DesignState& state, WindowControl& control) {
  if (control.id != "0") return;
  if (state.default_button == "True") {
    control.id = "IDOK";
    if (UpperText(state.class_name) == "TBUTTON") AddStyle(control.styles, "BS_DEFPUSHBUTTON");
  } else if (state.cancel == "True") {
    control.id = "IDCANCEL";
  }
}

// The designer keeps a list box at its stored height unless IntegralHeight
// is True; the system would shorten it to whole items.
void ApplyIntegralHeight(const DesignState& state, WindowControl& control) {
  if (HasStyle(control.styles, "LBS_STANDARD") && state.integral_height != "True") {
    AddStyle(control.styles, "LBS_NOINTEGRALHEIGHT");
  }
}

}  // namespace

void ApplyDesignState(GeneratorContext context, WindowControl& control) {
  const DesignState& state = context.DesignStateAt(control.level);
  const bool shown = ShownAtStart(state);
  if (!shown) RemoveStyle(control.styles, "WS_VISIBLE");
  if (!state.enabled) AddStyle(control.styles, "WS_DISABLED");
  ApplyTabStop(state, control);
  ApplyIntegralHeight(state, control);
  // The window first in the tab order takes the focus, as in the designer;
  // one on a page that is not chosen cannot take it.
  if (!HasStyle(control.styles, kTabStop) || !shown) control.takes_focus = false;
  // A button on a page that is not chosen yet still answers Enter or Escape
  // once its page is.
  if (state.visible && state.enabled) {
    ApplyDialogKeys(state, control);
  } else {
    // Neither the focus nor Enter or Escape can reach a window the user cannot.
    control.takes_focus = false;
    if (control.id == "IDOK" || control.id == "IDCANCEL") control.id = "0";
  }
  ColorWindowControl(context, control);
}

}  // namespace vornic
