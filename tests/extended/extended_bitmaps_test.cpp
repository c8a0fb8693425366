// Whole runs of the extended translation over bit buttons and images: the
// captions and keys a Kind gives, the glyph's images in the program and the
// script, pictures decoded into bitmaps, and warnings for damaged ones.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pictures/bitmap_file.h"
#include "pictures/dib_decode.h"
#include "support/large_pictures.h"
#include "support/picture_files.h"
#include "support/run_fixture.h"

namespace vornic {
namespace {

class ExtendedBitmapsTest : public RunFixture {
 protected:
  // Runs the extended translation of `form` (LF line ends) as form.txt.
  void Translate(const std::string& form) {
    WriteFile("form.txt", form);
    ASSERT_EQ(RunTool({"--extended", "--no-events", "form.txt"}), 0) << console_;
    program_ = ReadFile("form.dpr");
    script_ = ReadFile("form.rc");
  }

  bool Has(const std::string& text) const { return program_.find(text) != std::string::npos; }

  std::string program_;
  std::string script_;
};

// `bytes` as the data lines of a form value, 32 bytes a line, `indent` blanks in.
std::string HexLines(const std::string& bytes, int indent) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) text += (i == 0 ? "" : "\n") + std::string(indent, ' ');
    text += kDigits[static_cast<uint8_t>(bytes[i]) >> 4];
    text += kDigits[static_cast<uint8_t>(bytes[i]) & 0xF];
  }
  return text + "}\n";
}

std::string BitButton(const std::string& name, const std::string& lines) {
  return "  object " + name + ": TBitBtn\n    Left = 8\n    Top = 8\n    Width = 75\n" +
         "    Height = 25\n" + lines + "  end\n";
}

// The number of the line that ends the object `name` on the form, where its
// generator finds out what became of its bitmap.
int EndLineOf(const std::string& form, const std::string& name) {
  const size_t end = form.find("\n  end\n", form.find("object " + name + ":"));
  int line = 2;
  for (size_t at = form.find('\n'); at < end; at = form.find('\n', at + 1)) ++line;
  return line;
}

// The bytes of the BITMAP entry `name` of a resource script.
std::string ScriptBitmap(const std::string& script, const std::string& name) {
  std::string bytes;
  size_t at = script.find(name + " BITMAP");
  const size_t end = script.find("END", at);
  for (at = script.find('\'', at); at < end; at = script.find('\'', at + 1)) {
    const size_t close = script.find('\'', at + 1);
    for (size_t i = at + 1; i + 1 < close; i += 3) {
      bytes += static_cast<char>(std::stoi(script.substr(i, 2), nullptr, 16));
    }
    at = close;
  }
  return bytes;
}

TEST_F(ExtendedBitmapsTest, KindGivesCaptionEnterEscapeAndClose) {
  Translate("object Form1: TForm1\n" + BitButton("OkButton", "    Kind = bkOK\n") +
            BitButton("NoButton", "    Kind = bkNo\n") +
            BitButton("CancelButton", "    Caption = 'Abbrechen'\n    Kind = bkCancel\n") +
            BitButton("CloseButton", "    Kind = bkClose\n") +
            BitButton("PlainOk", "    Default = False\n    Kind = bkOK\n") + "end\n");
  EXPECT_TRUE(
      Has("OkButton:= CreateWindowExW(0, 'Button','OK', WS_VISIBLE or WS_CHILD or WS_TABSTOP "
          "or BS_OWNERDRAW,\r\n             8,8,75,25, hWindow, IDOK, Inst, nil);"));
  EXPECT_TRUE(Has("NoButton:= CreateWindowExW(0, 'Button','&No', "));
  EXPECT_TRUE(Has("CancelButton:= CreateWindowExW(0, 'Button','Abbrechen', "));
  EXPECT_TRUE(Has(" 8,8,75,25, hWindow, IDCANCEL, Inst, nil);"));
  EXPECT_TRUE(Has("PlainOk:= CreateWindowExW(0, 'Button','OK', "));
  EXPECT_TRUE(Has("8,8,75,25, hWindow, 0, Inst, nil);"));
  // bkClose closes the window instead of reporting the click.
  EXPECT_TRUE(Has("if HWND(lParam) = CloseButton then SendMessageW(hWindow,WM_CLOSE,0,0);"));
  EXPECT_FALSE(Has("'CloseButtonClick'"));
  EXPECT_TRUE(Has("'OkButtonClick'"));
  // Without a glyph the button is drawn with its caption alone.
  EXPECT_TRUE(
      Has("if PDrawItemStruct(lParam)^.hwndItem = OkButton then"
          "\r\n        DrawGlyphButton(PDrawItemStruct(lParam)^, 0, 0, 0, 0, 4, -1);"));
  EXPECT_EQ(script_, "");
}

// A glyph of two 4 by 4 images whose bottom left pixel is teal; a second
// button shares the drawing procedure, a third's glyph is damaged.
TEST_F(ExtendedBitmapsTest, GlyphBecomesAnImageListOfItsImagesMaskedByItsCornerColour) {
  const Raster glyph = PaintRaster(8, 4, [](int x, int y) {
    return x == 0 && y == 3 ? Rgba{0, 128, 128, 255} : Rgba{uint8_t(x * 30), 200, 10, 255};
  });
  DibLayout layout;
  layout.width = 8;
  layout.height = 4;
  for (int y = 3; y >= 0; --y) {
    for (int x = 0; x < 8; ++x) {
      const Rgba pixel = PixelAt(glyph, x, y);
      layout.rows += {static_cast<char>(pixel.blue), static_cast<char>(pixel.green),
                    static_cast<char>(pixel.red)};
    }
  }
  const std::string file = BmpFile(layout);
  const std::string data = std::string{static_cast<char>(file.size()), 0, 0, 0} + file;
  const std::string form =
      "object Form1: TForm1\n" +
      BitButton("BitBtn1", "    Glyph.Data = {\n" + HexLines(data, 6) +
                               "    Layout = blGlyphTop\n    Margin = 2\n"
                               "    NumGlyphs = 2\n    Spacing = 0\n") +
      BitButton("BitBtn2", "    Caption = 'Two'\n    Glyph.Data = {\n" + HexLines(data, 6)) +
      BitButton("BitBtn3", "    Glyph.Data = {\n" + HexLines(data.substr(0, 40), 6)) + "end\n";
  Translate(form);
  EXPECT_TRUE(
      Has("\r\n      { Glyphs of BitBtn1 }"
          "\r\n      GlyphBitmap := LoadBitmap(Inst,PChar('BMP_BitBtn1'));"
          "\r\n      hBitBtn1 := ImageList_Create(4,4,ILC_COLOR24 or ILC_MASK,2,0);"
          "\r\n      ImageList_AddMasked(hBitBtn1,GlyphBitmap,RGB(0,128,128));"
          "\r\n      DeleteObject(GlyphBitmap);"));
  EXPECT_TRUE(Has("DrawGlyphButton(PDrawItemStruct(lParam)^, hBitBtn1, 4, 4, 2, 0, 2);"));
  EXPECT_TRUE(Has("DrawGlyphButton(PDrawItemStruct(lParam)^, hBitBtn2, 8, 4, 0, 4, -1);"));
  EXPECT_TRUE(Has("DrawGlyphButton(PDrawItemStruct(lParam)^, 0, 0, 0, 0, 4, -1);"));
  EXPECT_TRUE(Has("ImageList_Destroy(hBitBtn2);"));
  size_t procedures = 0;
  for (size_t at = program_.find("procedure DrawGlyphButton"); at != std::string::npos;
       at = program_.find("procedure DrawGlyphButton", at + 1)) {
    ++procedures;
  }
  EXPECT_EQ(procedures, 1u);
  // The script holds the glyph whole, as 24-bit rows the image list splits.
  Raster written;
  std::string error;
  ASSERT_TRUE(DecodeBmpFile(ScriptBitmap(script_, "BMP_BitBtn1"), &written, &error)) << error;
  EXPECT_EQ(written.rgba, glyph.rgba);
  EXPECT_EQ(script_.find("BMP_BitBtn3"), std::string::npos);
  EXPECT_NE(console_.find("[Warning] form.txt(" + std::to_string(EndLineOf(form, "BitBtn3")) +
                          "): glyph of BitBtn3 not shown: bitmap data ends inside its header\n"),
            std::string::npos)
      << console_;
}

TEST_F(ExtendedBitmapsTest, PicturesBecomeBitmapsOfTheControlsSizeAndOthersOnlyWarn) {
  const Raster picture = PaintRaster(20, 10, [](int, int) { return Rgba{250, 20, 20, 255}; });
  const std::string jpeg = PictureProperty("TJPEGImage", EncodeJpeg(picture));
  const std::string png =
      PictureProperty("TPngImage", EncodePng(picture, PngLayout{6 /* RGBA */, 8, false}));
  const std::string metafile = PictureProperty("TMetafile", std::string(40, '\1'));
  const std::string jpeg_file = EncodeJpeg(picture);
  const std::string damaged =
      PictureProperty("TJPEGImage", jpeg_file.substr(0, jpeg_file.size() / 2));
  auto image = [](const std::string& name, const std::string& lines, const std::string& data) {
    return "  object " + name + ": TImage\n    Left = 8\n    Top = 8\n    Width = 10\n" +
           "    Height = 10\n" + lines + "    Picture.Data = {\n" + HexLines(data, 6) + "  end\n";
  };
  const std::string form = "object Form1: TForm1\n" +
                           image("Image1", "    Stretch = True\n", jpeg) +
                           image("Image2", "    Center = True\n", png) +
                           image("Image3", "", metafile) + image("Image4", "", damaged) + "end\n";
  Translate(form);
  for (const char* name : {"Image1", "Image2"}) {
    Raster shown;
    std::string error;
    ASSERT_TRUE(DecodeBmpFile(ScriptBitmap(script_, std::string("BMP_") + name), &shown, &error))
        << name << ": " << error;
    EXPECT_EQ(shown.width, 10) << name;
    EXPECT_EQ(shown.height, 10) << name;
    EXPECT_TRUE(Has(std::string("SendMessageW(") + name + ",STM_SETIMAGE,IMAGE_BITMAP,LParam(h" +
                    name + "));"));
  }
  // Created without a bitmap, each with a warning.
  for (const char* name : {"Image3", "Image4"}) {
    EXPECT_TRUE(Has(std::string(name) + ":= CreateWindowExW(0, 'Static','', ")) << name;
    EXPECT_FALSE(Has(std::string("LParam(h") + name)) << name;
  }
  EXPECT_EQ(console_.substr(0, console_.find("[Warning]")), "Wait...\n");
  const std::string warnings =
      "[Warning] form.txt(" + std::to_string(EndLineOf(form, "Image3")) +
      "): picture of Image3 not shown: TMetafile pictures are not decoded\n" +
      "[Warning] form.txt(" + std::to_string(EndLineOf(form, "Image4")) +
      "): picture of Image4 not shown: TJPEGImage: ";
  EXPECT_EQ(console_.substr(console_.find("[Warning]"), warnings.size()), warnings);
  EXPECT_EQ(console_.substr(console_.find('\n', console_.rfind("[Warning]")) + 1),
            "4 controls is constructed ok.\nThere is a file of resources.\n");
}

// Pictures of absurd sizes, for absurd controls, or with damaged data each
// leave their image without a bitmap and say why on the line that ends it;
// the program is still written and the run ends well. A huge picture that is
// sound is shrunk while it is read and shown.
TEST_F(ExtendedBitmapsTest, EveryPictureNotShownIsWarnedAboutAndTheProgramIsWritten) {
  const std::string bitmap =
      PictureProperty("TBitmap", EncodeBmpFile(PaintRaster(20, 10, [](int, int) {
                        return Rgba{0, 0, 200};
                      })));
  std::string wrong_name_length = bitmap;
  wrong_name_length[0] = 6;  // "TBitma", and the "p" taken for the stream's length
  const std::string huge_png = PictureProperty("TPngImage", LargeGreyPng(16384, 3906));
  const std::string jpeg = EncodeJpeg(PaintRaster(64, 64, [](int x, int) {
    return Rgba{static_cast<uint8_t>(x * 4), 90, 90};
  }));
  const struct {
    const char* name;
    int width, height;
    const char* options;
    std::string property;
    std::string warning;  // empty: shown
  } images[] = {
      {"TallJpeg", 200, 150, "    Stretch = True\n",
       PictureProperty("TJPEGImage", JpegClaimingSize(16384, 4096, JpegKind::kColour)),
       "TJPEGImage: JPEG data is corrupt: Corrupt JPEG data: premature end of data segment"},
      {"TallProgressive", 200, 150, "    Stretch = True\n",
       PictureProperty("TJPEGImage", JpegClaimingSize(16384, 4096, JpegKind::kProgressive)),
       "TJPEGImage: JPEG picture of 16384 x 4096 pixels in several scans needs 384 MB to decode"},
      {"HugePng", 200, 150, "    Stretch = True\n", huge_png, ""},
      {"Cut", 200, 150, "", huge_png, ""},
      {"Square", 16000, 16000, "", bitmap,
       "TBitmap: image of 16000 x 16000 pixels is too large for a bitmap"},
      {"Wide", 30000, 20, "    Center = True\n", bitmap,
       "TBitmap: image of 30000 x 20 pixels is too large for a bitmap"},
      {"Negative", -20, 50, "", bitmap, "TBitmap: image of -20 x 50 pixels shows nothing"},
      {"NameLength", 50, 50, "", wrong_name_length,
       "picture data holds 655 bytes, its length says 167536"},
      {"Damaged", 50, 50, "", PictureProperty("TJPEGImage", jpeg.substr(0, jpeg.size() / 2)),
       "TJPEGImage: JPEG data is corrupt: Premature end of JPEG file"},
      {"Gif", 50, 50, "", PictureProperty("TGIFImage", "GIF89a"),
       "TGIFImage pictures are not decoded"},
      {"Empty", 50, 50, "", PictureProperty("TBitmap", ""), ""},
  };
  std::string form = "object Form1: TForm1\n";
  for (const auto& image : images) {
    form += "  object " + std::string(image.name) + ": TImage\n    Left = 8\n    Top = 8\n" +
            "    Width = " + std::to_string(image.width) +
            "\n    Height = " + std::to_string(image.height) + "\n" + image.options +
            "    Picture.Data = {\n" + HexLines(image.property, 6) + "  end\n";
  }
  Translate(form + "end\n");
  std::string warnings;
  for (const auto& image : images) {
    SCOPED_TRACE(image.name);
    EXPECT_TRUE(Has(std::string(image.name) + ":= CreateWindowExW(0, 'Static','', "));
    const bool shown = image.warning.empty() && std::string(image.name) != "Empty";
    EXPECT_EQ(Has(std::string("LParam(h") + image.name + "));"), shown);
    if (image.warning.empty()) continue;
    warnings += "[Warning] form.txt(" + std::to_string(EndLineOf(form, image.name)) +
                "): picture of " + image.name + " not shown: " + image.warning + "\n";
  }
  EXPECT_EQ(console_, "Wait...\n" + warnings +
                          "11 controls is constructed ok.\nThere is a file of resources.\n");
  for (const char* name : {"HugePng", "Cut"}) {
    Raster shown;
    std::string error;
    ASSERT_TRUE(DecodeBmpFile(ScriptBitmap(script_, std::string("BMP_") + name), &shown, &error))
        << name << ": " << error;
    EXPECT_EQ(shown.width, 200) << name;
    EXPECT_EQ(shown.height, 150) << name;
    EXPECT_EQ(PixelAt(shown, 100, 75), (Rgba{128, 128, 128, 255})) << name;
  }
}

}  // namespace
}  // namespace vornic
