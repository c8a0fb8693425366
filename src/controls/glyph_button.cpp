// Owner-drawn glyph buttons: the glyph's lines collected as they are read,
// then written through the pieces both translations share.
#include "controls/glyph_button.h"

#include <string>

#include "controls/glyph_drawing.h"
#include "extended/message_branches.h"
#include "lib/dictionary.h"
#include "lib/text.h"
#include "output/program_text.h"
#include "output/resource_script.h"
#include "pictures/picture_data.h"

namespace vornic {

namespace {

// The marker of the glyph's data lines, which the value checks read.
constexpr char kGlyphMarker[] = "bitbtn_is";

// Glyph.Data holds the bitmap file behind its length in 4 bytes.
DecodedGlyph ReadGlyph(GeneratorContext context, const std::string& name,
                       const GlyphValues& values) {
  DecodedGlyph glyph;
  if (values.data.HighIndex() == 0) return glyph;
  std::string bytes;
  if (!BytesFromHexLines(values.data, &bytes)) {
    context.Warn("glyph of " + name + " not shown: the data is no hexadecimal text");
    return glyph;
  }
  std::string error;
  if (!DecodeGlyph(bytes, values.num_glyphs, &glyph, &error)) {
    context.Warn("glyph of " + name + " not shown: " + error);
  }
  return glyph;
}

// The bitmap in the resource script and the image list made from it.
void WriteGlyph(GeneratorContext context, const std::string& name, const DecodedGlyph& glyph) {
  TIImage& script = context.bitmaps();
  script.ControlName = name;
  script.WriteBitmapFile(glyph.bmp_file);
  script.Reset();
  context.program().HasResources = true;
  const std::string list = "h" + name;
  context.AddText("var", "\r\n    " + list + ": HIMAGELIST;");
  context.AddText("windowproccreatemidle", GlyphListCreation(name, glyph));
  context.AddText("windowprocdestroymidle", "\r\n      ImageList_Destroy(" + list + ");");
}

}  // namespace

bool StoreGlyphProperty(GeneratorContext context, const LineWords& line, GlyphValues& glyph) {
  const std::string& name = line.Word1;
  if (name == "NumGlyphs") {
    glyph.num_glyphs = line.Word3;
  } else if (name == "Layout") {
    glyph.layout = line.Word3;
  } else if (name == "Spacing") {
    glyph.spacing = line.Word3;
  } else if (name == "Margin") {
    glyph.margin = line.Word3;
  } else if (name == "Glyph.Data") {
    context.list_marker() = kGlyphMarker;
  } else {
    return false;
  }
  return true;
}

void ReadGlyphLine(GeneratorContext context, const LineWords& line, GlyphValues& glyph) {
  std::string& marker = context.list_marker();
  if (marker != kGlyphMarker || !line.Kind.empty() || line.WordCount != 1) return;
  if (LastChar(line.Word1) == '}') marker.clear();
  glyph.data.Add(line.Word1);
}

void WriteGlyphButton(GeneratorContext context, const std::string& name, const GlyphValues& glyph) {
  context.AddTextOnce("procedures", kGlyphDrawProcedure);
  context.DeclareOnce("GlyphBitmap: HBITMAP;");
  const DecodedGlyph decoded = ReadGlyph(context, name, glyph);
  if (decoded.shown) WriteGlyph(context, name, decoded);
  context.branches().Add(kGlyphDrawBranch,
                         GlyphDrawLine(name, decoded, glyph.layout, glyph.spacing, glyph.margin),
                         kGlyphDrawResult);
}

}  // namespace vornic
