// The records in which the generators collect an object's properties, one
// per control kind. Values are kept exactly as form text writes them.
#pragma once

#include <string>

namespace vornic {

struct TRForm {
  std::string Name;  // word 2 of the form's object line, colon included
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string ClientWidth;   // gives the window its width when Width is missing
  std::string ClientHeight;  // gives the window its height when Height is missing
  std::string Caption;
  std::string Color;  // collected but unused: the window class paints the button face
  std::string WindowState;
  bool Complete = false;  // true while the window is being emitted
};

struct TRLabel {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Caption;
  std::string FontColor;
  std::string Color;
  bool Complete = false;
};

struct TREdit {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Text;
  bool Complete = false;
};

/// A push button.
struct TRMinControl {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Caption;
  bool Complete = false;
};

struct TRCheckBox {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Caption;
  std::string State;
  bool Complete = false;
};

struct TRGroupBox {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Caption;
  bool Complete = false;
  bool Emitted = true;  // false while a group box waits to be written
};

/// A radio button.
struct TRRadioBox {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Caption;
  std::string Checked;
  bool Complete = false;
};

struct TRProgressBar {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Min;
  std::string Max;
  std::string Position;
  bool Complete = false;
};

struct TRStatusBar {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  int Level = 0;  // of its object line: its end may come first as a panel item's
  std::string SimplePanel;
  std::string SimpleText;
  bool Complete = false;
};

struct TRTrackBar {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Min;
  std::string Max;
  std::string Position;
  bool Complete = false;
};

struct TRShape {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  bool Complete = false;
  std::string BrushColor;
  std::string BrushStyle;
  std::string PenColor;
  std::string PenStyle;
  std::string PenWidth;
  std::string Shape;
};

struct TRBevel {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  bool Complete = false;
  std::string Shape;
};

}  // namespace vornic
