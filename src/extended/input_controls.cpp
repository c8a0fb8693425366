// Keeping the controls as they are written.
#include "extended/input_controls.h"

#include <string>

#include "controls/window_control.h"
#include "extended/control.h"
#include "extended/window_styles.h"
#include "lib/text.h"

namespace vornic {

bool InputControl::placed() const {
  return IsIntegerText(box.left) && IsIntegerText(box.top) && IsIntegerText(box.width) &&
         IsIntegerText(box.height);
}

void InputControls::AddWindow(const Control& control, const WindowControl& window) {
  const bool group_box = HasStyle(window.styles, "BS_GROUPBOX");
  const bool plain_static =
      window.call.find("'Static'") != std::string::npos && !HasStyle(window.styles, "SS_NOTIFY");
  controls_.push_back(InputControl{.object = &control.object,
                                   .window = window.name,
                                   .box = window.box,
                                   .tab_stop = HasStyle(window.styles, "WS_TABSTOP"),
                                   .mouse_through = group_box || plain_static});
}

void InputControls::AddPainted(const Control& control) {
  controls_.push_back(InputControl{.object = &control.object,
                                   .window = {},
                                   .box = control.FormBox(),
                                   .tab_stop = false,
                                   .mouse_through = true});
}

void InputControls::Write(FormWriter& writer) const {
  WriteTabOrder(writer, controls_);
  WriteHints(writer, controls_);
  WriteCursors(writer, controls_);
}

}  // namespace vornic
