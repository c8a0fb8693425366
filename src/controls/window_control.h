// WindowControl and the creation step: the one way a child window of the
// main window is written, from a small description its generator fills.
// Both translations write their window controls through it.
#pragma once

#include <string>

#include "lib/box.h"

namespace vornic {

class TSDPR;

/// A child window as its generator describes it. Its creation call reads
///   <banner comment>
///   <name><call><styles><call_end>
///   <indent>Left,Top,Width,Height, hWindow, <id>, Inst, nil);
/// followed by `after`. Every field has an initializer, so that a generator
/// names only the fields it sets.
struct WindowControl {
  int level = 0;               // of the object's lines: where its containers are
  std::string name{};          // the HWND variable
  std::string banner{};        // the text of the comment line above the call
  std::string call{};          // from ":=" up to the window styles
  std::string styles{};        // the or-ed window styles, e.g. "WS_VISIBLE or WS_CHILD"
  std::string call_end = ",";  // what closes the first line after the styles
  Box box{};                   // in the holder, or in the main window once placed
  std::string after{};         // program lines that fill the window once it exists
  std::string id = "0";        // the control's identifier, e.g. IDOK for the default button
  bool docked = false;         // placed by the system: no position, no instance argument
  bool takes_focus = false;    // the first such control of the form gets the focus
  bool clicks = false;         // a click shows a message box: the name and "Click"
  bool common = false;         // a common control: the library is initialised first
  bool reads_font = false;     // its generator collects the Font.* values
  bool wide = false;           // the program shows texts through the wide calls
};

/// The creation step both translations share: writes the window's
/// declaration, its click branch, its creation call with `after`, and the
/// initialisation of the common controls the first time one is written.
/// `control.box` must be in the main window's client area.
void WriteWindowControl(TSDPR& program, const WindowControl& control);

}  // namespace vornic
