// Speed buttons: push buttons, flat when the form says so; with a GroupIndex
// a button stays down when clicked, and the other buttons of its group
// beside it come up again.
#include <memory>
#include <string>

#include "controls/control_steps.h"
#include "controls/window_control.h"
#include "extended/control.h"
#include "extended/control_values.h"
#include "extended/form_writer.h"
#include "extended/glyph_buttons.h"
#include "extended/glyph_drawing.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "output/program_text.h"
#include "output/resource_script.h"

namespace vornic {

namespace {

// The glyph data starts with its length in 4 bytes, ahead of the bitmap file.
constexpr int kGlyphSkip = 8;

// The click of a button of a group: it goes down (or, when all may be up,
// changes), and every button of the same parent in its group comes up.
std::string GroupClickText(const Control& control, const std::string& name) {
  const std::string down = control.Value("AllowAllUp") == "True"
                               ? "1 - SendMessageW(" + name + ",BM_GETCHECK,0,0)"
                               : std::string("1");
  return "\r\n      if HWND(lParam) = " + name + " then begin" +
         "\r\n        SpeedDown := " + down + ";" + "\r\n        SpeedSibling := GetWindow(" +
         name + ",GW_HWNDFIRST);" + "\r\n        while SpeedSibling <> 0 do begin" +
         "\r\n          if GetProp(SpeedSibling,'SpeedGroup') = " + control.Value("GroupIndex") +
         " then SendMessageW(SpeedSibling,BM_SETCHECK,0,0);" +
         "\r\n          SpeedSibling := GetWindow(SpeedSibling,GW_HWNDNEXT);" + "\r\n        end;" +
         "\r\n        SendMessageW(" + name + ",BM_SETCHECK,SpeedDown,0);" + "\r\n      end;";
}

// The group travels with the window, so that a click finds the others.
void AddGroup(FormWriter& writer, const Control& control, WindowControl& window) {
  const std::string& name = window.name;
  writer.DeclareOnce("SpeedSibling: HWND;");
  writer.DeclareOnce("SpeedDown: Integer;");
  // Written ahead of the click's message box: the button is down by then.
  writer.AddText("windowproccommandmidle", GroupClickText(control, name));
  writer.AddText("windowprocdestroymidle", "\r\n      RemoveProp(" + name + ",'SpeedGroup');");
  window.after += "\r\n  SetProp(" + name + ",'SpeedGroup'," + control.Value("GroupIndex") + ");";
  if (control.Value("Down") == "True") {
    window.after += "\r\n  SendMessageW(" + name + ",BM_SETCHECK,1,0);";
  }
}

// A lone glyph (a bitmap of one image) as the bitmap of a button without
// caption; its data goes to the resource script as the form stores it.
void AddLoneGlyph(FormWriter& writer, const Control& control, const std::string& data,
                  WindowControl& window) {
  if (!control.Value("Caption").empty() || IntegerOr(control.Value("NumGlyphs"), 1) > 1) return;
  const std::string& name = window.name;
  TIImage& store = writer.bitmaps();
  store.Reset();
  store.ControlName = name;
  store.DataLines.Add(data);
  store.WriteBitmap(kGlyphSkip);
  store.Reset();
  writer.program().HasResources = true;
  writer.AddText("var", "\r\n    h" + name + ": HBITMAP;");
  writer.AddText("windowproccreatemidle", "\r\n      { Load Image }\r\n      h" + name +
                                              " := LoadBitmap(Inst,PChar('BMP_" + name + "'));");
  writer.AddText("windowprocdestroymidle", "\r\n      DeleteObject(h" + name + ");");
  window.styles += " or BS_BITMAP";
  window.after +=
      "\r\n  SendMessageW(" + name + ",BM_SETIMAGE,IMAGE_BITMAP,LParam(h" + name + "));";
}

// The glyph of a speed button. Outside a group the program draws the button
// as a bit button, the first of NumGlyphs beside the caption. A button of a
// group keeps a window that stays down when clicked, which a drawn button
// would not show: it gets a lone glyph only.
void AddGlyph(FormWriter& writer, const Control& control, bool grouped, WindowControl& window) {
  const FormProperty* glyph = control.object.Find("Glyph.Data");
  if (glyph == nullptr || glyph->shape != FormProperty::Shape::kData) return;
  if (grouped) {
    AddLoneGlyph(writer, control, glyph->data, window);
    return;
  }
  window.styles = std::string("WS_VISIBLE or WS_CHILD or ") + kOwnerDrawStyle;
  WriteGlyphButton(writer, control, window.name);
}

class SpeedButtonWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    // "h" + name may become the glyph's handle.
    const std::string name = writer.TakeName(control, "h");
    const bool grouped = IntegerOr(control.Value("GroupIndex"), 0) != 0;
    WindowControl window{
        .name = name,
        .banner = "Create a speed button",
        .call = ":= CreateWindowExW(0, 'Button'," + QuotedOrEmpty(control.Value("Caption")) + ", ",
        .styles = std::string("WS_VISIBLE or WS_CHILD or ") +
                  (grouped ? "BS_CHECKBOX or BS_PUSHLIKE" : "BS_PUSHBUTTON") +
                  StyleIf(control.Value("Flat") == "True", "BS_FLAT"),
        .box = box,
        .clicks = true};
    if (grouped) AddGroup(writer, control, window);
    AddGlyph(writer, control, grouped, window);
    WriteWindow(writer, control, window);
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewSpeedButtonWriter() {
  return std::make_unique<SpeedButtonWriter>();
}

}  // namespace vornic
