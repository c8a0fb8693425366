// The glyph button's shared pieces. The glyph is decoded when the form is
// translated, so that the program gets a plain 24-bit bitmap and the
// transparent colour as a number; the image list then splits the bitmap
// into its images and masks that colour out.
#include "extended/glyph_drawing.h"

#include "lib/text.h"
#include "pictures/bitmap_file.h"
#include "pictures/dib_decode.h"
#include "pictures/picture_budget.h"

namespace vornic {

// Draws the face, the glyph and the caption as the designer lays them out,
// with the font the button was given. Layout 0 puts the glyph left of the
// caption, 1 right, 2 above, 3 below; a Margin of -1 centres both.
const char kGlyphDrawProcedure[] =
    "\r\n{ Draws a button whose glyph stands beside its caption }"
    "\r\nprocedure DrawGlyphButton(const Item: TDrawItemStruct; Glyphs: HIMAGELIST;"
    "\r\n  GlyphWidth, GlyphHeight, Layout, Spacing, Margin: Integer);"
    "\r\nvar"
    "\r\n  Face, TextBox: TRect;"
    "\r\n  Caption: array[0..255] of WideChar;"
    "\r\n  FaceWidth, FaceHeight, TextWidth, TextHeight: Integer;"
    "\r\n  GlyphX, GlyphY, TextX, TextY, Shift, Image: Integer;"
    "\r\nbegin"
    "\r\n  Face := Item.rcItem;"
    "\r\n  Shift := 0;"
    "\r\n  if (Item.itemState and ODS_SELECTED) <> 0 then begin"
    "\r\n    DrawFrameControl(Item.hDC, Face, DFC_BUTTON, DFCS_BUTTONPUSH or DFCS_PUSHED);"
    "\r\n    Shift := 1;"
    "\r\n  end else"
    "\r\n    DrawFrameControl(Item.hDC, Face, DFC_BUTTON, DFCS_BUTTONPUSH);"
    "\r\n  FaceWidth := Face.Right - Face.Left;"
    "\r\n  FaceHeight := Face.Bottom - Face.Top;"
    "\r\n  GetWindowTextW(Item.hwndItem, Caption, Length(Caption));"
    "\r\n  SetRectEmpty(TextBox);"
    "\r\n  if Caption[0] <> #0 then"
    "\r\n    DrawTextW(Item.hDC, Caption, -1, TextBox, DT_CALCRECT or DT_SINGLELINE);"
    "\r\n  TextWidth := TextBox.Right;"
    "\r\n  TextHeight := TextBox.Bottom;"
    "\r\n  if Glyphs = 0 then begin"
    "\r\n    GlyphWidth := 0;"
    "\r\n    GlyphHeight := 0;"
    "\r\n  end;"
    "\r\n  if (GlyphWidth = 0) or (TextWidth = 0) then Spacing := 0;"
    "\r\n  if Layout < 2 then begin"
    "\r\n    if Margin < 0 then Margin := (FaceWidth - GlyphWidth - Spacing - TextWidth) div 2;"
    "\r\n    GlyphX := Margin;"
    "\r\n    TextX := Margin + GlyphWidth + Spacing;"
    "\r\n    if Layout = 1 then begin"
    "\r\n      GlyphX := FaceWidth - Margin - GlyphWidth;"
    "\r\n      TextX := GlyphX - Spacing - TextWidth;"
    "\r\n    end;"
    "\r\n    GlyphY := (FaceHeight - GlyphHeight) div 2;"
    "\r\n    TextY := (FaceHeight - TextHeight) div 2;"
    "\r\n  end else begin"
    "\r\n    if Margin < 0 then Margin := (FaceHeight - GlyphHeight - Spacing - TextHeight) div 2;"
    "\r\n    GlyphY := Margin;"
    "\r\n    TextY := Margin + GlyphHeight + Spacing;"
    "\r\n    if Layout = 3 then begin"
    "\r\n      GlyphY := FaceHeight - Margin - GlyphHeight;"
    "\r\n      TextY := GlyphY - Spacing - TextHeight;"
    "\r\n    end;"
    "\r\n    GlyphX := (FaceWidth - GlyphWidth) div 2;"
    "\r\n    TextX := (FaceWidth - TextWidth) div 2;"
    "\r\n  end;"
    "\r\n  if Glyphs <> 0 then begin"
    "\r\n    Image := 0;"
    "\r\n    if ((Item.itemState and ODS_DISABLED) <> 0) and"
    "\r\n      (ImageList_GetImageCount(Glyphs) > 1) then Image := 1;"
    "\r\n    ImageList_Draw(Glyphs, Image, Item.hDC, Face.Left + GlyphX + Shift,"
    "\r\n      Face.Top + GlyphY + Shift, ILD_TRANSPARENT);"
    "\r\n  end;"
    "\r\n  SetBkMode(Item.hDC, TRANSPARENT);"
    "\r\n  if (Item.itemState and ODS_DISABLED) <> 0 then"
    "\r\n    SetTextColor(Item.hDC, GetSysColor(COLOR_GRAYTEXT))"
    "\r\n  else"
    "\r\n    SetTextColor(Item.hDC, GetSysColor(COLOR_BTNTEXT));"
    "\r\n  OffsetRect(TextBox, Face.Left + TextX + Shift, Face.Top + TextY + Shift);"
    "\r\n  if Caption[0] <> #0 then DrawTextW(Item.hDC, Caption, -1, TextBox, DT_SINGLELINE);"
    "\r\n  if (Item.itemState and ODS_FOCUS) <> 0 then begin"
    "\r\n    InflateRect(Face, -4, -4);"
    "\r\n    DrawFocusRect(Item.hDC, Face);"
    "\r\n  end;"
    "\r\nend;\r\n";

namespace {

int LayoutNumber(const std::string& layout) {
  if (layout == "blGlyphRight") return 1;
  if (layout == "blGlyphTop") return 2;
  if (layout == "blGlyphBottom") return 3;
  return 0;
}

// A number of the form, or `fallback` where it gives none: only the number
// itself reaches the program.
int NumberOr(const std::string& value, int fallback) {
  return IsIntegerText(value) ? TextToInt(value) : fallback;
}

}  // namespace

// The designer takes the colour of the bottom left pixel as transparent.
// The image list takes the glyph unscaled and whole, so that is what the
// button needs: it is decoded whole, up to the budget's cap.
bool DecodeGlyph(std::string_view bytes, const std::string& num_glyphs, DecodedGlyph* out,
                 std::string* error) {
  *out = DecodedGlyph();
  if (bytes.size() <= 4) return true;  // an empty glyph
  PlannedRaster decoded;
  if (!DecodeBmpFile(bytes.substr(4), PicturePlanner(), &decoded, error)) return false;
  const Raster& raster = decoded.raster;
  const int count = NumberOr(num_glyphs, 1);
  DecodedGlyph& glyph = *out;
  glyph.images = count >= 1 && count <= 4 && count <= raster.width ? count : 1;
  glyph.image_width = raster.width / glyph.images;
  glyph.image_height = raster.height;
  const size_t corner = static_cast<size_t>(raster.height - 1) * raster.width * 4;
  glyph.mask_color = "RGB(" + std::to_string(raster.rgba[corner]) + "," +
                     std::to_string(raster.rgba[corner + 1]) + "," +
                     std::to_string(raster.rgba[corner + 2]) + ")";
  glyph.bmp_file = EncodeBmpFile(raster);
  glyph.shown = true;
  return true;
}

std::string GlyphListCreation(const std::string& name, const DecodedGlyph& glyph) {
  const std::string list = "h" + name;
  std::string lines = "\r\n      { Glyphs of " + name + " }";
  lines += "\r\n      GlyphBitmap := LoadBitmap(Inst,PChar('BMP_" + name + "'));";
  lines += "\r\n      " + list + " := ImageList_Create(" + std::to_string(glyph.image_width) + "," +
           std::to_string(glyph.image_height) + ",ILC_COLOR24 or ILC_MASK," +
           std::to_string(glyph.images) + ",0);";
  lines += "\r\n      ImageList_AddMasked(" + list + ",GlyphBitmap," + glyph.mask_color + ");";
  lines += "\r\n      DeleteObject(GlyphBitmap);";
  return lines;
}

std::string GlyphDrawLine(const std::string& name, const DecodedGlyph& glyph,
                          const std::string& layout, const std::string& spacing,
                          const std::string& margin) {
  const std::string list = glyph.shown ? "h" + name : "0";
  const std::string arguments =
      list + ", " + std::to_string(glyph.image_width) + ", " + std::to_string(glyph.image_height) +
      ", " + std::to_string(LayoutNumber(layout)) + ", " + std::to_string(NumberOr(spacing, 4)) +
      ", " + std::to_string(NumberOr(margin, -1));
  return "\r\n      if PDrawItemStruct(lParam)^.hwndItem = " + name +
         " then\r\n        DrawGlyphButton(PDrawItemStruct(lParam)^, " + arguments + ");";
}

}  // namespace vornic
