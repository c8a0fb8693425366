// TRFont and TIFontBase: the fonts of the controls, numbered once per distinct
// font, and the texts that declare, create, assign and delete them.
#pragma once

#include <string>

#include "lib/dictionary.h"
#include "lib/row_index.h"

namespace vornic {

/// The font properties of the control being read, as form text writes them.
struct TRFont {
  std::string Charset;  // Font.Charset
  std::string Height;   // Font.Height; a control "has a font" when this is set
  std::string Name;     // Font.Name, with its quotes
  std::string Style;    // Font.Style, with its brackets
};

/// Registry of (control, font) pairs. Equal fonts share one row, so the
/// generated program creates one HFONT per distinct font.
class TIFontBase {
 public:
  /// Records that `control` uses `font`; returns "hFont" + the font's row number.
  /// The control name "<-CT->" marks a painted label: no WM_SETFONT line for it.
  std::string RegisterFont(const std::string& control, const TRFont& font);
  /// Declarations of the font handles, for the "var" section.
  std::string GetFontDeclarations() const;
  /// CreateFont calls, for "bodymidleend"; `with_lines` passes on the
  /// underline and strike-out of each font's style.
  std::string GetFontCreation(bool with_lines = false) const;
  /// WM_SETFONT lines, for "bodymidleend"; empty without window controls.
  std::string GetFontAssignments() const;
  /// DeleteObject lines, for "windowprocdestroymidle".
  std::string GetFontDeletion() const;

 private:
  // Use table: one row per registration.
  TIDictonary Controls;
  TIDictonary ControlFonts;
  // Font table: one row per distinct font.
  TIDictonary Numbers;
  TIDictonary Charsets;
  TIDictonary Names;
  TIDictonary Heights;
  TIDictonary Styles;
  RowIndex FontRows;  // (charset, name, height, style) to the font's row
};

}  // namespace vornic
