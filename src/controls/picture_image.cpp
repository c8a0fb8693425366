// The image of the extended translation: its picture (a bitmap, JPEG, PNG
// or icon) decoded when the form is translated and scaled as Stretch,
// Center and Proportional say, so that the program loads a plain bitmap.
// Other pictures give an image without a bitmap and a warning, while the
// run goes on; only a graphic that holds no picture passes without one.
#include <memory>
#include <string>
#include <utility>

#include "builder/control_generator.h"
#include "builder/open_objects.h"
#include "controls/geometry.h"
#include "controls/window_control.h"
#include "lib/dictionary.h"
#include "lib/form_colors.h"
#include "lib/text.h"
#include "output/program_text.h"
#include "output/resource_script.h"
#include "pictures/picture_bitmap.h"
#include "pictures/picture_data.h"

namespace vornic {

namespace {

// The marker of the picture's data lines, which the value checks read.
constexpr char kPictureMarker[] = "image_is";

struct PictureImageRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Stretch;
  std::string Center;
  std::string Proportional;
  TIDictonary Picture;  // the lines of Picture.Data
};

// The colour behind the image, where a picture is transparent.
Rgb Background(const DesignState& state) {
  ColorRgb color;
  if (!ColorAtDesign(DesignColor(state), &color)) ColorAtDesign("clBtnFace", &color);
  return Rgb{color.red, color.green, color.blue};
}

class PictureImageGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    // The bitmap's handle is "h" + name.
    image_.ControlName = context.TakeName(line, "h");
  }

  void OnProperty(GeneratorContext context, const LineWords& line) override {
    if (StoreGeometry(image_, line)) return;
    const std::string& name = line.Word1;
    if (name == "Stretch") {
      image_.Stretch = line.Word3;
    } else if (name == "Center") {
      image_.Center = line.Word3;
    } else if (name == "Proportional") {
      image_.Proportional = line.Word3;
    } else if (name == "Picture.Data") {
      context.list_marker() = kPictureMarker;
    }
  }

  void OnContinuationLine(GeneratorContext context, const LineWords& line) override {
    std::string& marker = context.list_marker();
    if (marker != kPictureMarker || !line.Kind.empty() || line.WordCount != 1) return;
    if (LastChar(line.Word1) == '}') marker.clear();
    image_.Picture.Add(line.Word1);
  }

  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(image_)) return;
    const std::string& name = image_.ControlName;
    const std::string bmp_file = DecodePicture(context, line.Level);
    std::string attach;
    if (!bmp_file.empty()) {
      attach = "\r\n  { set image to static control }\r\n  SendMessage(" + name +
               ",STM_SETIMAGE,IMAGE_BITMAP,LParam(h" + name + "));";
    }
    CreateWindowControl(context, {.level = line.Level,
                                  .name = name,
                                  .banner = "Create a static image",
                                  .call = ":= CreateWindow('Static','', ",
                                  .styles = "WS_VISIBLE or WS_CHILD or SS_BITMAP",
                                  .box = BoxOf(image_),
                                  .after = std::move(attach)});
    if (!bmp_file.empty()) WriteBitmap(context, bmp_file);
  }

 private:
  // The BMP file that shows the picture in the control, empty for none.
  std::string DecodePicture(GeneratorContext context, int level) const {
    if (image_.Picture.HighIndex() == 0) return std::string();
    std::string bytes;
    PictureBitmap bitmap;
    if (BytesFromHexLines(image_.Picture, &bytes)) {
      const ImageDisplay display{TextToInt(image_.Width), TextToInt(image_.Height),
                                 image_.Stretch == "True", image_.Proportional == "True",
                                 image_.Center == "True"};
      bitmap = BitmapForPicture(bytes, display, Background(context.DesignStateAt(level)));
    } else {
      bitmap.reason = "the data is no hexadecimal text";
    }
    if (bitmap.outcome != PictureOutcome::kDecoded && bitmap.outcome != PictureOutcome::kEmpty) {
      context.Warn("picture of " + image_.ControlName + " not shown: " + bitmap.reason);
    }
    return bitmap.outcome == PictureOutcome::kDecoded ? bitmap.bmp_file : std::string();
  }

  void WriteBitmap(GeneratorContext context, const std::string& bmp_file) const {
    const std::string& name = image_.ControlName;
    TIImage& script = context.bitmaps();
    script.ControlName = name;
    script.WriteBitmapFile(bmp_file);
    script.Reset();
    context.program().HasResources = true;
    context.AddText("var", "\r\n    h" + name + ": HBITMAP;");
    context.AddText("windowproccreatemidle", "\r\n      { Load Image }\r\n      h" + name +
                                                 " := LoadBitmap(Inst,PChar('BMP_" + name + "'));");
    context.AddText("windowprocdestroymidle", "\r\n      DeleteObject(h" + name + ");");
  }

  PictureImageRecord image_;
};

}  // namespace

std::unique_ptr<ControlGenerator> NewPictureImage() {
  return std::make_unique<PictureImageGenerator>();
}

}  // namespace vornic
