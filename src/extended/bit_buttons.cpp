// Bit buttons: buttons the program draws, with the glyph beside the caption,
// the caption and result their Kind gives, pressed by Enter or Escape where
// the designer makes them the default or the cancel button, and closing the
// window for bkClose.
#include <memory>
#include <string>
#include <string_view>

#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/glyph_buttons.h"
#include "extended/glyph_drawing.h"
#include "extended/window_creation.h"
#include "extended/writers.h"

namespace vornic {

namespace {

// The captions the designer shows for a Kind when the button stores none.
struct KindCaption {
  std::string_view kind;
  const char* caption;
};

constexpr KindCaption kKindCaptions[] = {
    {"bkOK", "'OK'"},       {"bkCancel", "'Cancel'"}, {"bkYes", "'&Yes'"},
    {"bkNo", "'&No'"},      {"bkHelp", "'&Help'"},    {"bkClose", "'&Close'"},
    {"bkAbort", "'Abort'"}, {"bkRetry", "'&Retry'"},  {"bkIgnore", "'&Ignore'"},
    {"bkAll", "'&All'"},
};

const char* KindCaptionOf(const std::string& kind) {
  for (const KindCaption& row : kKindCaptions) {
    if (row.kind == kind) return row.caption;
  }
  return "''";
}

// The designer makes a bkOK button the default one and a bkCancel button
// the cancel one, unless the form says otherwise.
std::string DialogKeyId(const DesignState& state, const std::string& kind) {
  const bool is_default =
      state.default_button.empty() ? kind == "bkOK" : state.default_button == "True";
  const bool cancels = state.cancel.empty() ? kind == "bkCancel" : state.cancel == "True";
  if (is_default) return "IDOK";
  return cancels ? "IDCANCEL" : "0";
}

class BitButtonWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    // The glyph's image list is "h" + name.
    const std::string name = writer.TakeName(control, "h");
    const std::string& kind = control.Value("Kind");
    const std::string& stored = control.Value("Caption");
    const bool closes = kind == "bkClose";
    WriteWindow(
        writer, control,
        {.name = name,
         .banner = "Create a bit button",
         .call = ":= CreateWindowExW(0, 'Button'," +
                 (stored.empty() ? std::string(KindCaptionOf(kind)) : stored) + ", ",
         .styles = std::string("WS_VISIBLE or WS_CHILD or WS_TABSTOP or ") + kOwnerDrawStyle,
         .box = box,
         .id = DialogKeyId(control.state, kind),
         .takes_focus = true,
         .clicks = !closes});
    if (closes) {
      writer.AddText("windowproccommandmidle", "\r\n      if HWND(lParam) = " + name +
                                                   " then SendMessageW(hWindow,WM_CLOSE,0,0);");
    }
    WriteGlyphButton(writer, control, name);
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewBitButtonWriter() { return std::make_unique<BitButtonWriter>(); }

}  // namespace vornic
