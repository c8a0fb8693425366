// Push buttons, check boxes, group boxes and radio buttons: child windows of
// the 'Button' class that differ only in style, focus, handler and check. A
// form leaves out a Caption that is empty, and the control still shows.
#include <memory>
#include <string>

#include "extended/control.h"
#include "extended/control_values.h"
#include "extended/form_writer.h"
#include "extended/glyph_buttons.h"
#include "extended/glyph_drawing.h"
#include "extended/window_creation.h"
#include "extended/writers.h"

namespace vornic {

namespace {

// What sets one kind of 'Button' window apart from the others.
struct ButtonKind {
  const char* banner;
  const char* styles;
  bool takes_focus;
  bool clicks;
  const char* checked_by;     // the property that checks it, nullptr for none
  bool holds = false;         // a container: written before what it holds
  bool shows_images = false;  // may show an image of the image list it names
};

constexpr ButtonKind kPushButton{"Create a button",
                                 "WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP",
                                 true,
                                 true,
                                 nullptr,
                                 false,
                                 true};
constexpr ButtonKind kCheckBox{"Create a checkbox",
                               "WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP", true,
                               true, "State"};
constexpr ButtonKind kGroupBox{
    "Create a groupbox", "WS_VISIBLE or WS_CHILD or BS_GROUPBOX", false, false, nullptr, true};
constexpr ButtonKind kRadioButton{"Create a radiobox",
                                  "WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP",
                                  true, false, "Checked"};

// The image of its image list that a push button shows: its ImageIndex of
// its Images. nullptr when it shows none.
const BuiltImageList* ImageOf(FormWriter& writer, const Control& control, int* index) {
  *index = IntegerOr(control.Value("ImageIndex"), -1);
  const BuiltImageList* list = writer.ImageListOf(control.object);
  if (list == nullptr || list->variable.empty() || *index < 0 || *index >= list->count) {
    return nullptr;
  }
  return list;
}

// The designer's image alignment as the drawing procedure's layout.
const char* LayoutOf(const std::string& alignment) {
  if (alignment == "iaRight") return "blGlyphRight";
  if (alignment == "iaTop") return "blGlyphTop";
  if (alignment == "iaBottom") return "blGlyphBottom";
  return "";
}

// A button that shows an image is drawn by the program, as a button with a
// glyph is: from an image list "h" + name holding that one image.
void WriteImageButton(FormWriter& writer, const Control& control, const std::string& name,
                      const BuiltImageList& list, int index) {
  writer.AddTextOnce("procedures", kGlyphDrawProcedure);
  writer.DeclareOnce("ImageIcon: HICON;");
  const std::string own = "h" + name;
  writer.AddText("var", "\r\n    " + own + ": HIMAGELIST;");
  writer.AddText("windowproccreatemidle",
                 "\r\n      { Image of " + name + " }\r\n      " + own + " := ImageList_Create(" +
                     std::to_string(list.image_width) + "," + std::to_string(list.image_height) +
                     ",ILC_COLOR24 or ILC_MASK,1,0);\r\n      ImageIcon := ImageList_GetIcon(" +
                     list.variable + "," + std::to_string(index) +
                     ",ILD_NORMAL);\r\n      ImageList_ReplaceIcon(" + own +
                     ",-1,ImageIcon);\r\n      DestroyIcon(ImageIcon);");
  writer.AddText("windowprocdestroymidle", "\r\n      ImageList_Destroy(" + own + ");");
  DecodedGlyph image;
  image.shown = true;
  image.image_width = list.image_width;
  image.image_height = list.image_height;
  writer.branches().Add(
      kGlyphDrawBranch,
      GlyphDrawLine(name, image, LayoutOf(control.Value("ImageAlignment")), "", ""),
      kGlyphDrawResult);
}

void WriteButton(FormWriter& writer, const Control& control, const ButtonKind& kind) {
  const Box box = StoredBox(control);
  if (!box.complete()) return;
  // A button of another library that stores a glyph (its class taken for a
  // push button by its name's ending) is drawn with it, as a bit button is.
  const bool glyph = kind.shows_images && control.object.Find("Glyph.Data") != nullptr;
  int index = -1;
  const BuiltImageList* images =
      kind.shows_images && !glyph ? ImageOf(writer, control, &index) : nullptr;
  const bool drawn = glyph || images != nullptr;
  const std::string name = writer.TakeName(control, drawn ? "h" : "");
  const std::string& caption = control.Value("Caption");
  // Any value of State or Checked counts: the form text names it only when
  // the box is not in its default, unchecked state.
  std::string after;
  // A check box bound to an action stores no State: it is checked as the
  // action is.
  const bool checked =
      kind.checked_by != nullptr &&
      (!control.Value(kind.checked_by).empty() ||
       (!control.object.Has(kind.checked_by) && control.Value("Checked") == "True"));
  if (checked) {
    after = "\r\n  SendMessageW(" + name + ",BM_SETCHECK,1,0);";
  }
  if (images != nullptr) WriteImageButton(writer, control, name, *images, index);
  WriteWindow(writer, control,
              {.name = name,
               .banner = kind.banner,
               .call = ":= CreateWindowExW(0, 'Button'," + (caption.empty() ? "''" : caption) + ",",
               .styles = drawn ? "WS_VISIBLE or WS_CHILD or " + std::string(kOwnerDrawStyle) +
                                     " or WS_TABSTOP"
                               : std::string(kind.styles),
               .box = box,
               .after = after,
               .takes_focus = kind.takes_focus,
               .clicks = kind.clicks,
               .reads_font = true});
  if (glyph) WriteGlyphButton(writer, control, name);
}

// A button is written after what it may hold; a group box before, as it
// stands behind the controls it holds.
class ButtonWriter final : public ControlWriter {
 public:
  explicit ButtonWriter(const ButtonKind& kind) : kind_(kind) {}

  void Open(FormWriter& writer, Control& control) override {
    if (kind_.holds) WriteButton(writer, control, kind_);
  }

  void Close(FormWriter& writer, Control& control) override {
    if (!kind_.holds) WriteButton(writer, control, kind_);
  }

 private:
  const ButtonKind& kind_;
};

}  // namespace

std::unique_ptr<ControlWriter> NewButtonWriter() {
  return std::make_unique<ButtonWriter>(kPushButton);
}
std::unique_ptr<ControlWriter> NewCheckBoxWriter() {
  return std::make_unique<ButtonWriter>(kCheckBox);
}
std::unique_ptr<ControlWriter> NewGroupBoxWriter() {
  return std::make_unique<ButtonWriter>(kGroupBox);
}
std::unique_ptr<ControlWriter> NewRadioButtonWriter() {
  return std::make_unique<ButtonWriter>(kRadioButton);
}

}  // namespace vornic
