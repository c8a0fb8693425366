// The placeholder writer and which objects get one.
#include "extended/placeholders.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/library_classes.h"
#include "extended/writers.h"
#include "form/form_object.h"
#include "form/text_value.h"
#include "input/code_page_decode.h"
#include "input/utf8_decode.h"
#include "lib/font_base.h"
#include "lib/text.h"

namespace vornic {

namespace {

// A class name is bytes as the form stores them: UTF-8, else the code page
// older forms were saved in.
std::u16string ClassNameChars(const std::string& name) {
  return DecodeCodePage(name, IsUtf8(name) ? kUtf8CodePage : 1252);
}

std::string Line(const std::string& code) { return "\r\n      " + code; }

// The box in the main window's client area, as "left,top,right,bottom".
std::string RectText(const Box& box) {
  const auto right = static_cast<int32_t>(int64_t{TextToInt(box.left)} + TextToInt(box.width));
  const auto bottom = static_cast<int32_t>(int64_t{TextToInt(box.top)} + TextToInt(box.height));
  return box.left + "," + box.top + "," + std::to_string(right) + "," + std::to_string(bottom);
}

// Painted before what it holds, so that what the form places on it (its
// contents are written where they can be) shows above it.
class PlaceholderWriter final : public ControlWriter {
 public:
  void Open(FormWriter& writer, Control& control) override {
    writer.NoteUnmapped(control.object);
    const std::string font = writer.TakeFont(kPaintedFont, control);
    writer.DeclareOnce("PaintRect: TRect;");
    writer.NeedPaint();
    const std::string paint =
        Line("{ Placeholder of " + control.name() + ", a control of a class not translated }") +
        Line("SaveDC(PaintDC);") + Line("SetRect(PaintRect," + RectText(control.FormBox()) + ");") +
        Line("FillRect(PaintDC,PaintRect,GetSysColorBrush(COLOR_WINDOW));") +
        Line("DrawEdge(PaintDC,PaintRect,EDGE_ETCHED,BF_RECT or BF_ADJUST);") +
        Line("SelectObject(PaintDC," + font + ");") + Line("SetBkMode(PaintDC,TRANSPARENT);") +
        Line("SetTextColor(PaintDC,GetSysColor(COLOR_GRAYTEXT));") +
        Line("DrawTextW(PaintDC," + WideLiteral(ClassNameChars(control.object.class_name)) +
             ",-1,PaintRect,DT_SINGLELINE or DT_VCENTER or DT_CENTER or DT_NOPREFIX or "
             "DT_END_ELLIPSIS);") +
        Line("RestoreDC(PaintDC,-1);");
    writer.AddPaint(control, control.name(), paint);
  }
};

}  // namespace

namespace {

// Left, Top, Width and Height stored as integers.
bool HasBox(const FormObject& object) {
  for (const char* value : {"Left", "Top", "Width", "Height"}) {
    if (!IsIntegerText(object.Value(value))) return false;
  }
  return true;
}

}  // namespace

bool NeedsPlaceholder(const FormObject& object) {
  if (object.parent == nullptr || object.name.empty() || !HasBox(object)) return false;
  if (IsNonVisualClass(UpperText(object.class_name))) return false;
  // A frame placed on the form shows its controls when its own file is found
  // or the form stores them whole; changes alone leave its area empty.
  if (object.kind != ObjectKind::kInline) return true;
  return std::none_of(object.children.begin(), object.children.end(), [&object](const auto& child) {
    return child->source != object.source || HasBox(*child);
  });
}

std::unique_ptr<ControlWriter> NewPlaceholderWriter() {
  return std::make_unique<PlaceholderWriter>();
}

}  // namespace vornic
