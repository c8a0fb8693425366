// Images: a static window showing the picture (a bitmap, JPEG, PNG or icon)
// decoded when the form is translated and scaled as Stretch, Center and
// Proportional say, so that the program loads a plain bitmap. A picture that
// is not shown leaves an image without a bitmap and a warning, while the run
// goes on; only a graphic that holds no picture passes without one.
#include <memory>
#include <string>

#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "lib/form_colors.h"
#include "lib/text.h"
#include "output/program_text.h"
#include "output/resource_script.h"
#include "pictures/picture_bitmap.h"
#include "pictures/picture_data.h"

namespace vornic {

namespace {

// The colour behind the image, where a picture is transparent.
Rgb Background(const DesignState& state) {
  ColorRgb color;
  if (!ColorAtDesign(DesignColor(state), &color)) ColorAtDesign("clBtnFace", &color);
  return Rgb{color.red, color.green, color.blue};
}

// The BMP file that shows the picture in the control, empty for none. A
// picture not shown is warned about at the object's end line, where the
// whole object has been read.
std::string DecodePicture(FormWriter& writer, const Control& control, const Box& box,
                          const std::string& name) {
  const FormProperty* picture = control.object.Find("Picture.Data");
  if (picture == nullptr || picture->shape != FormProperty::Shape::kData) return std::string();
  std::string bytes;
  PictureBitmap bitmap;
  if (BytesFromHexText(picture->data, &bytes)) {
    const ImageDisplay display{TextToInt(box.width),
                               TextToInt(box.height),
                               control.Value("Stretch") == "True",
                               control.Value("Proportional") == "True",
                               control.Value("Center") == "True",
                               control.Value("Transparent") == "True"};
    bitmap = BitmapForPicture(bytes, display, Background(control.state));
  } else {
    bitmap.reason = "the data is no hexadecimal text";
  }
  if (bitmap.outcome != PictureOutcome::kDecoded && bitmap.outcome != PictureOutcome::kEmpty) {
    writer.Warn(control.object, control.object.end_line,
                "picture of " + name + " not shown: " + bitmap.reason);
  }
  return bitmap.outcome == PictureOutcome::kDecoded ? bitmap.bmp_file : std::string();
}

// The bitmap in the resource script, loaded as the window is created.
void WriteBitmap(FormWriter& writer, const std::string& name, const std::string& bmp_file) {
  TIImage& script = writer.bitmaps();
  script.ControlName = name;
  script.WriteBitmapFile(bmp_file);
  script.Reset();
  writer.program().HasResources = true;
  writer.AddText("var", "\r\n    h" + name + ": HBITMAP;");
  writer.AddText("windowproccreatemidle", "\r\n      { Load Image }\r\n      h" + name +
                                              " := LoadBitmap(Inst,PChar('BMP_" + name + "'));");
  writer.AddText("windowprocdestroymidle", "\r\n      DeleteObject(h" + name + ");");
}

class ImageWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    // The bitmap's handle is "h" + name.
    const std::string name = writer.TakeName(control, "h");
    const std::string bmp_file = DecodePicture(writer, control, box, name);
    std::string attach;
    if (!bmp_file.empty()) {
      attach = "\r\n  { set image to static control }\r\n  SendMessageW(" + name +
               ",STM_SETIMAGE,IMAGE_BITMAP,LParam(h" + name + "));";
    }
    WriteWindow(writer, control,
                {.name = name,
                 .banner = "Create a static image",
                 .call = ":= CreateWindowExW(0, 'Static','', ",
                 .styles = "WS_VISIBLE or WS_CHILD or SS_BITMAP",
                 .box = box,
                 .after = attach});
    if (!bmp_file.empty()) WriteBitmap(writer, name, bmp_file);
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewImageWriter() { return std::make_unique<ImageWriter>(); }

}  // namespace vornic
