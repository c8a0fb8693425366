// The glyph of an owner-drawn button, read from the form tree and written
// through the pieces both translations share.
#include "extended/glyph_buttons.h"

#include "extended/glyph_drawing.h"
#include "extended/control.h"
#include "extended/form_writer.h"
#include "output/program_text.h"
#include "pictures/picture_data.h"

namespace vornic {

namespace {

// The glyph the button shows; a glyph that is not shown is warned about
// where the designer's object ends, as its whole value is known only there.
DecodedGlyph ReadGlyph(FormWriter& writer, const Control& control, const std::string& name) {
  DecodedGlyph glyph;
  const FormProperty* data = control.object.Find("Glyph.Data");
  if (data == nullptr || data->shape != FormProperty::Shape::kData) return glyph;
  std::string bytes;
  std::string error = "the data is no hexadecimal text";
  if (!BytesFromHexText(data->data, &bytes) ||
      !DecodeGlyph(bytes, control.Value("NumGlyphs"), &glyph, &error)) {
    writer.Warn(control.object, control.object.end_line,
                "glyph of " + name + " not shown: " + error);
  }
  return glyph;
}

// The bitmap in the resource script and the image list made from it.
void WriteGlyph(FormWriter& writer, const std::string& name, const DecodedGlyph& glyph) {
  TIImage& script = writer.bitmaps();
  script.ControlName = name;
  script.WriteBitmapFile(glyph.bmp_file);
  script.Reset();
  writer.program().HasResources = true;
  const std::string list = "h" + name;
  writer.AddText("var", "\r\n    " + list + ": HIMAGELIST;");
  writer.AddText("windowproccreatemidle", GlyphListCreation(name, glyph));
  writer.AddText("windowprocdestroymidle", "\r\n      ImageList_Destroy(" + list + ");");
}

}  // namespace

void WriteGlyphButton(FormWriter& writer, const Control& control, const std::string& name) {
  writer.AddTextOnce("procedures", kGlyphDrawProcedure);
  writer.DeclareOnce("GlyphBitmap: HBITMAP;");
  const DecodedGlyph glyph = ReadGlyph(writer, control, name);
  if (glyph.shown) WriteGlyph(writer, name, glyph);
  writer.branches().Add(kGlyphDrawBranch,
                        GlyphDrawLine(name, glyph, control.Value("Layout"),
                                      control.Value("Spacing"), control.Value("Margin")),
                        kGlyphDrawResult);
}

}  // namespace vornic
