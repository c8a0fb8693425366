// An image list in the program: its images and mask as two bitmaps of the
// resource script, put into the list at WM_CREATE and freed at WM_DESTROY.
#include "extended/image_lists.h"

#include <string>

#include "extended/form_writer.h"
#include "form/form_object.h"
#include "output/program_text.h"
#include "pictures/image_list_decode.h"
#include "pictures/picture_data.h"

namespace vornic {

namespace {

void WriteBitmap(FormWriter& writer, const std::string& name, const std::string& bmp_file) {
  TIImage& script = writer.bitmaps();
  script.ControlName = name;
  script.WriteBitmapFile(bmp_file);
  script.Reset();
  writer.program().HasResources = true;
}

std::string Line(const std::string& code) { return "\r\n      " + code; }

// Builds the list `variable` from its two bitmaps (the mask only when it
// has transparent pixels).
void WriteImageList(FormWriter& writer, const std::string& variable, const ImageStrip& strip) {
  const std::string mask = strip.masked ? writer.TakeIdentifier(variable + "Mask") : "";
  WriteBitmap(writer, variable, ImageStripBitmap(strip));
  if (!mask.empty()) WriteBitmap(writer, mask, ImageStripMask(strip));
  writer.AddText("var", "\r\n    " + variable + ": HIMAGELIST;");
  writer.DeclareOnce("ImageBitmap, ImageMask: HBITMAP;");
  std::string text =
      Line("{ Image list " + variable + " }") +
      Line(variable + " := ImageList_Create(" + std::to_string(strip.image_width) + "," +
           std::to_string(strip.image_height) + ",ILC_COLOR24" +
           (mask.empty() ? "" : " or ILC_MASK") + "," + std::to_string(strip.count) + ",0);") +
      Line("ImageBitmap := LoadBitmap(Inst,PChar('BMP_" + variable + "'));");
  if (mask.empty()) {
    text += Line("ImageList_Add(" + variable + ",ImageBitmap,0);");
  } else {
    text += Line("ImageMask := LoadBitmap(Inst,PChar('BMP_" + mask + "'));") +
            Line("ImageList_Add(" + variable + ",ImageBitmap,ImageMask);") +
            Line("DeleteObject(ImageMask);");
  }
  text += Line("DeleteObject(ImageBitmap);");
  writer.AddText("windowproccreatemidle", text);
  writer.AddText("windowprocdestroymidle", Line("ImageList_Destroy(" + variable + ");"));
}

}  // namespace

const BuiltImageList& ImageLists::Build(FormWriter& writer, const FormObject& list) {
  if (const auto found = lists_.find(&list); found != lists_.end()) return found->second;
  BuiltImageList& built = lists_[&list];
  const FormProperty* bitmap = list.Find("Bitmap");
  if (bitmap == nullptr || bitmap->shape != FormProperty::Shape::kData || bitmap->data.empty()) {
    return built;
  }
  std::string bytes;
  ImageStrip strip;
  std::string error = "the data is no hexadecimal text";
  if (!BytesFromHexText(bitmap->data, &bytes) || !DecodeImageList(bytes, &strip, &error)) {
    writer.Warn(*bitmap, "image list " + list.name + " not shown: " + error);
    return built;
  }
  if (strip.count == 0) return built;
  built = {writer.TakeName(list), strip.image_width, strip.image_height, strip.count};
  WriteImageList(writer, built.variable, strip);
  return built;
}

}  // namespace vornic
