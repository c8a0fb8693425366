// The speed button, a class only the extended translation writes: a push
// button, flat when the form says so; with a GroupIndex it stays down when
// clicked, and the other buttons of its group beside it come up again.
#include <memory>
#include <string>

#include "builder/control_generator.h"
#include "builder/line_words.h"
#include "controls/control_steps.h"
#include "controls/control_values.h"
#include "controls/geometry.h"
#include "controls/glyph_button.h"
#include "controls/window_control.h"
#include "lib/dictionary.h"
#include "lib/text.h"
#include "output/program_text.h"
#include "output/resource_script.h"

namespace vornic {

namespace {

// The glyph data starts with its length in 4 bytes, ahead of the bitmap file.
constexpr int kGlyphSkip = 8;

struct SpeedButtonRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Caption;
  std::string Flat;
  std::string GroupIndex;
  std::string Down;
  std::string AllowAllUp;
  GlyphValues Glyph;
};

// The click of a button of a group: it goes down (or, when all may be up,
// changes), and every button of the same parent in its group comes up.
std::string GroupClickText(const SpeedButtonRecord& button) {
  const std::string& name = button.ControlName;
  const std::string down = button.AllowAllUp == "True"
                               ? "1 - SendMessage(" + name + ",BM_GETCHECK,0,0)"
                               : std::string("1");
  return "\r\n      if HWND(lParam) = " + name + " then begin" +
         "\r\n        SpeedDown := " + down + ";" + "\r\n        SpeedSibling := GetWindow(" +
         name + ",GW_HWNDFIRST);" + "\r\n        while SpeedSibling <> 0 do begin" +
         "\r\n          if GetProp(SpeedSibling,'SpeedGroup') = " + button.GroupIndex +
         " then SendMessage(SpeedSibling,BM_SETCHECK,0,0);" +
         "\r\n          SpeedSibling := GetWindow(SpeedSibling,GW_HWNDNEXT);" + "\r\n        end;" +
         "\r\n        SendMessage(" + name + ",BM_SETCHECK,SpeedDown,0);" + "\r\n      end;";
}

// A lone glyph (a bitmap of one image) as the bitmap of a button without
// caption.
void AddLoneGlyph(GeneratorContext context, const SpeedButtonRecord& button,
                  WindowControl& window) {
  if (!button.Caption.empty() || IntegerOr(button.Glyph.num_glyphs, 1) > 1) return;
  const std::string& name = button.ControlName;
  TIImage& store = context.bitmaps();
  store.Reset();
  store.ControlName = name;
  for (int i = 1; i <= button.Glyph.data.HighIndex(); ++i) {
    store.DataLines.Add(button.Glyph.data.GetItem(i));
  }
  store.WriteBitmap(kGlyphSkip);
  store.Reset();
  context.program().HasResources = true;
  context.AddText("var", "\r\n    h" + name + ": HBITMAP;");
  context.AddText("windowproccreatemidle", "\r\n      { Load Image }\r\n      h" + name +
                                               " := LoadBitmap(Inst,PChar('BMP_" + name + "'));");
  context.AddText("windowprocdestroymidle", "\r\n      DeleteObject(h" + name + ");");
  window.styles += " or BS_BITMAP";
  window.after += "\r\n  SendMessage(" + name + ",BM_SETIMAGE,IMAGE_BITMAP,LParam(h" + name + "));";
}

// The glyph of a speed button. Outside a group the program draws the button
// as a bit button, the first of NumGlyphs beside the caption. A button of a
// group keeps a window that stays down when clicked, which a drawn button
// would not show: it gets a lone glyph only.
void AddGlyph(GeneratorContext context, const SpeedButtonRecord& button, bool grouped,
              WindowControl& window) {
  if (button.Glyph.data.HighIndex() == 0) return;
  if (grouped) {
    AddLoneGlyph(context, button, window);
    return;
  }
  window.styles = std::string("WS_VISIBLE or WS_CHILD or ") + kOwnerDrawStyle;
  WriteGlyphButton(context, button.ControlName, button.Glyph);
}

class SpeedButtonGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    // "h" + name may become the glyph's handle.
    button_.ControlName = context.TakeName(line, "h");
  }

  void OnProperty(GeneratorContext context, const LineWords& line) override {
    if (StoreGeometry(button_, line) || StoreGlyphProperty(context, line, button_.Glyph)) return;
    const std::string& name = line.Word1;
    if (name == "Caption") {
      button_.Caption = line.Word3;
    } else if (name == "Flat") {
      button_.Flat = line.Word3;
    } else if (name == "GroupIndex") {
      button_.GroupIndex = line.Word3;
    } else if (name == "Down") {
      button_.Down = line.Word3;
    } else if (name == "AllowAllUp") {
      button_.AllowAllUp = line.Word3;
    }
  }

  void OnContinuationLine(GeneratorContext context, const LineWords& line) override {
    ReadGlyphLine(context, line, button_.Glyph);
  }

  void OnEnd(GeneratorContext context, const LineWords& line) override {
    context.list_marker().clear();
    if (!HasGeometry(button_)) return;
    const std::string& name = button_.ControlName;
    const bool grouped = IntegerOr(button_.GroupIndex, 0) != 0;
    WindowControl window{
        .level = line.Level,
        .name = name,
        .banner = "Create a speed button",
        .call = ":= CreateWindow('Button'," + QuotedOrEmpty(button_.Caption) + ", ",
        .styles = std::string("WS_VISIBLE or WS_CHILD or ") +
                  (grouped ? "BS_CHECKBOX or BS_PUSHLIKE" : "BS_PUSHBUTTON") +
                  StyleIf(button_.Flat == "True", "BS_FLAT"),
        .box = BoxOf(button_),
        .clicks = true,
        .reads_font = true};
    if (grouped) AddGroup(context, window);
    AddGlyph(context, button_, grouped, window);
    CreateWindowControl(context, window);
  }

 private:
  // The group travels with the window, so that a click finds the others.
  void AddGroup(GeneratorContext context, WindowControl& window) const {
    const std::string& name = button_.ControlName;
    context.DeclareOnce("SpeedSibling: HWND;");
    context.DeclareOnce("SpeedDown: Integer;");
    // Written ahead of the click's message box: the button is down by then.
    context.AddText("windowproccommandmidle", GroupClickText(button_));
    context.AddText("windowprocdestroymidle", "\r\n      RemoveProp(" + name + ",'SpeedGroup');");
    window.after += "\r\n  SetProp(" + name + ",'SpeedGroup'," + button_.GroupIndex + ");";
    if (button_.Down == "True") window.after += "\r\n  SendMessage(" + name + ",BM_SETCHECK,1,0);";
  }

  SpeedButtonRecord button_;
};

}  // namespace

std::unique_ptr<ControlGenerator> NewSpeedButton() {
  return std::make_unique<SpeedButtonGenerator>();
}

}  // namespace vornic
