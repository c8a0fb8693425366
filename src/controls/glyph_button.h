// Buttons that show a glyph beside their caption, as the designer draws bit
// buttons and speed buttons: the program draws them itself (BS_OWNERDRAW),
// from an image list that holds the glyph's images.
#pragma once

#include <string>

#include "builder/generator_context.h"
#include "builder/line_words.h"
#include "controls/glyph_drawing.h"
#include "lib/dictionary.h"

namespace vornic {

/// A button's glyph and its place as the form stores them.
struct GlyphValues {
  TIDictonary data;        // the lines of Glyph.Data; none: caption only
  std::string num_glyphs;  // NumGlyphs: the images side by side in the glyph
  // Layout: blGlyphLeft (the default), blGlyphRight, blGlyphTop, blGlyphBottom.
  std::string layout;
  std::string spacing;  // Spacing: pixels between glyph and caption, 4 when empty
  std::string margin;   // Margin: pixels from the edge, -1 (centred) when empty
};

/// Stores a glyph value of `line` (NumGlyphs, Layout, Spacing, Margin) or
/// begins reading Glyph.Data; false for any other property.
bool StoreGlyphProperty(GeneratorContext context, const LineWords& line, GlyphValues& glyph);
/// Takes a data line of Glyph.Data while it is being read.
void ReadGlyphLine(GeneratorContext context, const LineWords& line, GlyphValues& glyph);

/// Writes what draws the button `name` (its window variable, taken with the
/// companion "h"), whose window the caller creates with
/// kOwnerDrawStyle: the glyph as a bitmap in the resource script and, at run
/// time, an image list "h" + name of its NumGlyphs images (the first is
/// drawn, the second for a disabled button), made in WM_CREATE and destroyed
/// in WM_DESTROY; the drawing procedure, once per program; and the button's
/// line in the WM_DRAWITEM branch. A glyph that cannot be decoded is left
/// out with a warning; the button still shows its caption.
void WriteGlyphButton(GeneratorContext context, const std::string& name, const GlyphValues& glyph);

}  // namespace vornic
