// The look of a tab window as its object stores it, for the page controls'
// and tab controls' writers alike.
#pragma once

#include "extended/control.h"
#include "extended/tab_window_text.h"

namespace vornic {

/// The tabs' side, their style, whether they stand in several rows and
/// their size.
inline TabWindowLook TabLookOf(const Control& control) {
  return {control.Value("TabPosition"), control.Value("Style"),
          control.Value("MultiLine") == "True", control.Value("TabWidth"),
          control.Value("TabHeight")};
}

}  // namespace vornic
