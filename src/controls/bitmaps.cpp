// The image and bit button generators: controls that show an inline bitmap
// of the form, written to the resource script and loaded by name at run time.
#include <string>
#include <string_view>
#include <utility>

#include "builder/builder.h"
#include "controls/control_steps.h"
#include "builder/geometry.h"
#include "controls/window_control.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

namespace {

// The data of a picture names the picture's class first (a length byte and
// the name) and then its size; a glyph's data holds the size alone. Either
// way a bitmap file follows, which begins with the bytes "BM".
constexpr char kBitmapClassHex[] = "07544269746D6170";  // 7, "TBitmap"
constexpr char kBitmapFileHex[] = "424D";               // "BM"

// Whether the data holds a bitmap file starting behind `skip` hexadecimal
// digits, and, when `class_hex` is given, begins with that class. JPEG, PNG,
// icon and metafile pictures hold other files, which no BITMAP resource shows.
// The script drops the skipped digits from the first data line alone, so the
// file must begin on that line.
bool HoldsBitmapFile(const BitmapData& data, int skip, const char* class_hex) {
  if (data.LineCount() == 0) return false;
  const std::string start = UpperText(RemoveChar(std::string(data.FirstLine()), "}"));
  const auto file_start = static_cast<size_t>(skip);
  return start.size() >= file_start + 4 && (class_hex == nullptr || start.starts_with(class_hex)) &&
         start.compare(file_start, 4, kBitmapFileHex) == 0;
}

}  // namespace

struct TBuilder::BitmapKind {
  const char* bitmap_property;  // the property whose value is the bitmap data
  const char* marker;           // ListMarker while its data lines are read
  int skip;                     // characters of the data ahead of the bitmap file
  const char* class_hex;        // the class the data must name first, if any
  bool is_button;               // claims the focus and shows its click handler
  const char* banner;
  const char* call;  // the creation call up to its styles
  const char* styles;
  const char* image_comment;
  const char* image_message;
};

const TBuilder::BitmapKind TBuilder::kImageKind{
    "Picture.Data",
    "image_is",
    24,  // the graphic's class name (8 bytes) and the data length (4)
    kBitmapClassHex,
    false,
    "Create a static image",
    ":= CreateWindow('Static','', ",
    "WS_VISIBLE or WS_CHILD or SS_BITMAP",
    "  { set image to static control }",
    ",STM_SETIMAGE,IMAGE_BITMAP,LParam(h",
};

const TBuilder::BitmapKind TBuilder::kBitBtnKind{
    "Glyph.Data",
    "bitbtn_is",
    8,  // the data length (4 bytes)
    nullptr,
    true,
    "Create a bit button",
    ":= CreateWindow('Button','', ",
    "WS_VISIBLE or WS_CHILD or WS_TABSTOP or BS_BITMAP",
    "  { set image to button }",
    ",BM_SETIMAGE,IMAGE_BITMAP,LParam(h",
};

void TBuilder::BuildImage(TSDPR& dpr, const LineWords& line) {
  BuildBitmapControl(dpr, line, kImageKind);
}

void TBuilder::BuildBitBtn(TSDPR& dpr, const LineWords& line) {
  BuildBitmapControl(dpr, line, kBitBtnKind);
}

void TBuilder::BuildBitmapControl(TSDPR& dpr, const LineWords& line, const BitmapKind& kind) {
  TIImage& store = BitmapStore;
  if (line.Kind == "object") {
    // A skipped object leaves nothing behind: no geometry, and no data lines
    // that would end up in front of this object's bitmap.
    store.Reset();
    // A bitmap's handle is the variable "h" + name.
    store.ControlName = ControlNameOf(line);
  }
  if (line.Kind == "set") {
    if (!StoreGeometry(store, line) && line.Word1 == kind.bitmap_property) ListMarker = kind.marker;
  }
  if (line.Kind.empty() && ListMarker == kind.marker && line.WordCount == 1) {
    if (LastChar(line.Word1) == '}') ListMarker.clear();
    store.DataLines.Add(line.Word1);
  }
  if (line.Kind == "end" && store.IsComplete()) EmitBitmapControl(dpr, line.Level, kind);
}

bool TBuilder::ReadsBitmapData() const {
  if (route_ != Route::kClassTable) return false;
  if (generator_ == &TBuilder::BuildImage) return ListMarker == kImageKind.marker;
  if (generator_ == &TBuilder::BuildBitBtn) return ListMarker == kBitBtnKind.marker;
  return false;
}

// The data branch of BuildBitmapControl.
bool TBuilder::AddBitmapData(std::string_view word) {
  BitmapStore.DataLines.Add(word);
  if (word.back() != '}') return true;
  ListMarker.clear();
  return false;
}

void TBuilder::EmitBitmapControl(TSDPR& dpr, int level, const BitmapKind& kind) {
  TIImage& store = BitmapStore;
  TakeControlName(store.ControlName, "h");
  const std::string& name = store.ControlName;
  // An image the program paints at run time has no data, and one holding a
  // JPEG or PNG has nothing a BITMAP resource shows: either is still created,
  // just without a bitmap to load, attach and delete.
  const bool has_bitmap = HoldsBitmapFile(store.DataLines, kind.skip, kind.class_hex);
  std::string attach;
  if (has_bitmap) {
    attach = "\r\n" + std::string(kind.image_comment) + "\r\n  SendMessage(" + name +
             kind.image_message + name + "));";
  }
  CreateWindowControl(dpr, {.level = level,
                                     .name = name,
                                     .banner = kind.banner,
                                     .call = kind.call,
                                     .styles = kind.styles,
                                     .box = BoxOf(store),
                                     .after = std::move(attach),
                                     .takes_focus = kind.is_button,
                                     .clicks = kind.is_button});
  if (has_bitmap) {
    EmitBitmap(dpr, kind);
    dpr.AddText("windowprocdestroymidle", "\r\n      DeleteObject(h" + name + ");");
  }
  ListMarker.clear();
  store.Reset();
}

void TBuilder::EmitBitmap(TSDPR& dpr, const BitmapKind& kind) {
  TIImage& store = BitmapStore;
  const std::string& name = store.ControlName;
  if (!ResourcesWritten) store.ScriptBaseName = OutputBaseName;
  store.WriteBitmap(kind.skip);
  dpr.AddText("var", "\r\n    h" + name + ": HBITMAP;");
  if (!ResourcesWritten) {
    dpr.HasResources = true;
    ResourcesWritten = true;
    store.ScriptPending = false;
  }
  dpr.AddText("windowproccreatemidle", "\r\n      { Load Image }\r\n      h" + name +
                                           " := LoadBitmap(Inst,PChar('BMP_" + name + "'));");
}

}  // namespace vornic
