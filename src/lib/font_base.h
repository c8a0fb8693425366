// TRFont and TIFontBase: the fonts of the controls, numbered once per distinct
// font, and the texts that declare, create, assign and delete them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lib/text_rows.h"

namespace vornic {

/// The font properties of the control being read, as form text writes them.
struct TRFont {
  std::string Charset;  // Font.Charset
  std::string Height;   // Font.Height; a control "has a font" when this is set
  std::string Name;     // Font.Name, with its quotes
  std::string Style;    // Font.Style, with its brackets
};

/// The control name under which a font selected in paint code (a painted
/// label's, a panel caption's) is registered: it gets no WM_SETFONT line.
inline constexpr char kPaintedFont[] = "<-CT->";

/// Registry of (control, font) pairs. Equal fonts share one row, so the
/// generated program creates one HFONT per distinct font.
class TIFontBase {
 public:
  /// `wide` fonts are created and assigned with the wide calls, so that a
  /// face named in any script reaches the system whole.
  explicit TIFontBase(bool wide = false) : wide_(wide) {}

  /// Records that `control` uses `font`; returns "hFont" + the font's row number.
  /// kPaintedFont as `control` marks a font used in paint code.
  std::string RegisterFont(const std::string& control, const TRFont& font);
  /// Declarations of the font handles, for the "var" section.
  std::string GetFontDeclarations() const;
  /// CreateFont calls, for "bodymidleend"; `with_lines` passes on the
  /// underline and strike-out of each font's style; a `height_function`
  /// (a function of the program) is applied to each font's height.
  std::string GetFontCreation(bool with_lines = false,
                              std::string_view height_function = {}) const;
  /// WM_SETFONT lines, for "bodymidleend"; empty without window controls.
  std::string GetFontAssignments() const;
  /// DeleteObject lines, for "windowprocdestroymidle".
  std::string GetFontDeletion() const;
  /// How many distinct fonts there are.
  int FontCount() const { return Fonts.size(); }

 private:
  // Use table: one row per registration.
  TextRows Controls{1};
  std::vector<int> ControlFonts;  // the font row of each use
  // Font table: one row per distinct font, whose number is the font's.
  TextRows Fonts{4};  // charset, name, height, style
  bool wide_;
};

}  // namespace vornic
