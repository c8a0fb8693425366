// Bit buttons and speed buttons that show a glyph beside their caption: the
// program draws them itself (BS_OWNERDRAW), from an image list that holds
// the glyph's images.
#pragma once

#include <string>

namespace vornic {

class FormWriter;
struct Control;

/// Writes what draws the button `name` of `control` (its window variable,
/// taken with the companion "h"), whose window the caller creates with
/// kOwnerDrawStyle (extended/glyph_drawing.h): the glyph of Glyph.Data as a
/// bitmap in the resource script and an image list "h" + name of its
/// NumGlyphs images, the drawing procedure once per program, and the
/// button's line in the WM_DRAWITEM branch, laid out by Layout, Spacing and
/// Margin. A glyph that cannot be decoded is warned about at the object's
/// end line and left out; the button still shows its caption.
void WriteGlyphButton(FormWriter& writer, const Control& control, const std::string& name);

}  // namespace vornic
