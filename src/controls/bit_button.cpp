// The bit button of the extended translation: a button the program draws,
// with its glyph beside its caption, the caption and result its Kind gives,
// pressed by Enter or Escape where the designer makes it the default or the
// cancel button, and closing the window for bkClose.
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "builder/control_generator.h"
#include "builder/open_objects.h"
#include "controls/geometry.h"
#include "controls/glyph_button.h"
#include "controls/window_control.h"
#include "lib/dictionary.h"
#include "lib/text.h"

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

struct BitButtonRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Caption;
  std::string Kind;
  GlyphValues Glyph;
};

class BitButtonGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    // The glyph's image list is "h" + name.
    button_.ControlName = context.TakeName(line, "h");
  }

  void OnProperty(GeneratorContext context, const LineWords& line) override {
    if (StoreGeometry(button_, line) || StoreGlyphProperty(context, line, button_.Glyph)) return;
    if (line.Word1 == "Caption") {
      button_.Caption = line.Word3;
    } else if (line.Word1 == "Kind") {
      button_.Kind = line.Word3;
    }
  }

  void OnContinuationLine(GeneratorContext context, const LineWords& line) override {
    ReadGlyphLine(context, line, button_.Glyph);
  }

  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(button_)) return;
    const std::string& name = button_.ControlName;
    const bool closes = button_.Kind == "bkClose";
    const std::string caption =
        button_.Caption.empty() ? KindCaptionOf(button_.Kind) : button_.Caption;
    WindowControl control{
        .level = line.Level,
        .name = name,
        .banner = "Create a bit button",
        .call = ":= CreateWindow('Button'," + caption + ", ",
        .styles = std::string("WS_VISIBLE or WS_CHILD or WS_TABSTOP or ") + kOwnerDrawStyle,
        .box = BoxOf(button_),
        .id = DialogKeyId(context.DesignStateAt(line.Level)),
        .takes_focus = true,
        .clicks = !closes,
        .reads_font = true};
    CreateWindowControl(context, std::move(control));
    if (closes) {
      context.AddText("windowproccommandmidle", "\r\n      if HWND(lParam) = " + name +
                                                    " then SendMessage(hWindow,WM_CLOSE,0,0);");
    }
    WriteGlyphButton(context, name, button_.Glyph);
  }

 private:
  // The designer makes a bkOK button the default one and a bkCancel button
  // the cancel one, unless the form says otherwise.
  std::string DialogKeyId(const DesignState& state) const {
    const bool is_default =
        state.default_button.empty() ? button_.Kind == "bkOK" : state.default_button == "True";
    const bool cancels = state.cancel.empty() ? button_.Kind == "bkCancel" : state.cancel == "True";
    if (is_default) return "IDOK";
    return cancels ? "IDCANCEL" : "0";
  }

  BitButtonRecord button_;
};

}  // namespace

std::unique_ptr<ControlGenerator> NewBitButton() { return std::make_unique<BitButtonGenerator>(); }

}  // namespace vornic
