// What both translations write for a button that shows a glyph beside its
// caption: the glyph decoded for an image list, the program lines that make
// and draw it, and the drawing procedure they share.
#pragma once

#include <string>
#include <string_view>

namespace vornic {

/// The style that hands a button's drawing to its parent.
inline constexpr char kOwnerDrawStyle[] = "BS_OWNERDRAW";

/// The procedure that draws such a button, added once per program.
extern const char kGlyphDrawProcedure[];

/// The branch of the window procedure the drawing line goes to, and what
/// the branch ends with.
inline constexpr char kGlyphDrawBranch[] = "WM_DRAWITEM";
inline constexpr char kGlyphDrawResult[] = "\r\n      Result := 1;";

/// A glyph decoded and laid out for the image list.
struct DecodedGlyph {
  bool shown = false;  // false: the button shows its caption only
  int image_width = 0;
  int image_height = 0;
  int images = 1;          // of NumGlyphs, the images side by side
  std::string bmp_file;    // a 24-bit BMP file of the whole glyph
  std::string mask_color;  // the RGB(...) expression of the transparent colour
};

/// Decodes into `out` the glyph in the bytes of Glyph.Data (its bitmap file
/// behind its length in 4 bytes), split into `num_glyphs` images as the form
/// stores that value; data without a bitmap gives a glyph not shown. False,
/// with `error` set, when the bitmap cannot be decoded.
bool DecodeGlyph(std::string_view bytes, const std::string& num_glyphs, DecodedGlyph* out,
                 std::string* error);

/// The WM_CREATE lines that fill the image list "h" + `name` from the bitmap
/// "BMP_" + `name` of the resource script.
std::string GlyphListCreation(const std::string& name, const DecodedGlyph& glyph);

/// The button's line in the WM_DRAWITEM branch; `layout`, `spacing` and
/// `margin` as the form stores them.
std::string GlyphDrawLine(const std::string& name, const DecodedGlyph& glyph,
                          const std::string& layout, const std::string& spacing,
                          const std::string& margin);

}  // namespace vornic
