// Labels: a static window where its styles can show the label as the
// designer does; a label that is transparent, has colours of its own or
// stands at the bottom of its box (or centred while it wraps) is painted by
// the main window instead, in the form's order among painted controls, so
// that it lies over the shapes and panels before it. A form leaves out a
// Caption that is empty, and the label still shows. Width and Height are
// what the designer measured for an AutoSize label: the box is used as is.
#include <cstdint>
#include <memory>
#include <string>

#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/value_styles.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "lib/form_colors.h"
#include "lib/text.h"

namespace vornic {

namespace {

// The label's values with the designer's defaults where the form stores none.
struct LabelLook {
  std::string alignment;  // taLeftJustify, taCenter, taRightJustify
  std::string layout;     // tlTop, tlCenter, tlBottom
  bool word_wrap;
  bool transparent;
  bool show_accel_char;
  bool auto_size;
  bool own_colors;  // Color or Font.Color stored

  explicit LabelLook(const Control& control)
      : alignment(control.Value("Alignment")),
        layout(control.Value("Layout")),
        word_wrap(FlagOf(control.Value("WordWrap"), false)),
        transparent(FlagOf(control.Value("Transparent"), false)),
        show_accel_char(FlagOf(control.Value("ShowAccelChar"), true)),
        auto_size(FlagOf(control.Value("AutoSize"), true)),
        own_colors(control.Has("Color") || control.Has("Font.Color")) {}

  // What a static window cannot show: what lies beneath, colours of its own
  // (they would need a colour branch per label), text at the bottom, and
  // wrapped text centred upright.
  bool Painted() const {
    return transparent || own_colors || layout == "tlBottom" || (layout == "tlCenter" && word_wrap);
  }
};

constexpr ValueStyle kStaticAlignments[] = {
    {"taLeftJustify", "SS_LEFT"}, {"taCenter", "SS_CENTER"}, {"taRightJustify", "SS_RIGHT"}};
constexpr ValueStyle kTextAlignments[] = {
    {"taLeftJustify", "DT_LEFT"}, {"taCenter", "DT_CENTER"}, {"taRightJustify", "DT_RIGHT"}};

// A static window breaks words unless it is a left-aligned one that says
// otherwise; the designer breaks them only with WordWrap.
std::string StaticStyles(const LabelLook& look) {
  std::string alignment = StyleForValue(kStaticAlignments, look.alignment);
  if (alignment == "SS_LEFT" && !look.word_wrap) alignment = "SS_LEFTNOWORDWRAP";
  std::string styles = "WS_VISIBLE or WS_CHILD or " + alignment;
  if (look.layout == "tlCenter") styles += " or SS_CENTERIMAGE";
  if (!look.show_accel_char) styles += " or SS_NOPREFIX";
  return styles;
}

std::string DrawFlags(const LabelLook& look) {
  std::string flags =
      "DT_EXPANDTABS or " + std::string(StyleForValue(kTextAlignments, look.alignment));
  if (look.word_wrap) flags += " or DT_WORDBREAK";
  if (!look.show_accel_char) flags += " or DT_NOPREFIX";
  // An AutoSize label's box fits its text in the designer's font: where the
  // running system's font is wider, the text runs on rather than be cut.
  if (look.auto_size && !look.word_wrap) flags += " or DT_NOCLIP";
  return flags;
}

std::string Line(const std::string& code) { return "\r\n      " + code; }

// The paint code: the box filled unless the label is transparent, then the
// text drawn without a background, moved down by the room left below it
// (all of it at the bottom, half of it centred) as the designer measures it.
std::string PaintText(FormWriter& writer, const Control& control, const LabelLook& look,
                      const std::string& name, const std::string& caption) {
  const Box box = control.FormBox();
  const auto right = static_cast<int32_t>(int64_t{TextToInt(box.left)} + TextToInt(box.width));
  const auto bottom = static_cast<int32_t>(int64_t{TextToInt(box.top)} + TextToInt(box.height));
  writer.DeclareOnce("PaintRect: TRect;");
  // Painted where the layout puts it, when it has a row.
  const int row = writer.layout().RowOf(control.object);
  std::string text = Line("{ Paint label: " + name + " }") +
                     (row >= 0 ? Line("PaintRect := LayoutRow[" + std::to_string(row) + "].Placed;")
                               : Line("SetRect(PaintRect," + box.left + "," + box.top + "," +
                                      std::to_string(right) + "," + std::to_string(bottom) + ");"));
  if (!look.transparent) {
    const std::string back = ColorExpressionOr(DesignColor(control.state), "clBtnFace");
    text += Line("FillRect(PaintDC,PaintRect," + writer.BrushFor(back) + ");");
  }
  const std::string font = writer.TakeFont(kPaintedFont, control);
  if (!font.empty()) {
    writer.DeclareOnce("OldFont: HFONT;");
    text += Line("OldFont := SelectObject(PaintDC," + font + ");");
  }
  const std::string flags = DrawFlags(look);
  const std::string wide = "PWideChar(WideString(" + caption + "))";
  if (look.layout == "tlCenter" || look.layout == "tlBottom") {
    writer.DeclareOnce("TextRect: TRect;");
    const std::string room = "PaintRect.Bottom - TextRect.Bottom";
    text += Line("TextRect := PaintRect;") +
            Line("DrawTextW(PaintDC," + wide + ",-1,TextRect," + flags + " or DT_CALCRECT);") +
            Line("OffsetRect(PaintRect,0," +
                 (look.layout == "tlCenter" ? "(" + room + ") div 2" : room) + ");");
  }
  text +=
      Line("SetBkMode(PaintDC,TRANSPARENT);") +
      Line("SetTextColor(PaintDC," + ColorExpressionOr(control.font.color, "clWindowText") + ");") +
      Line("DrawTextW(PaintDC," + wide + ",-1,PaintRect," + flags + ");");
  if (!font.empty()) text += Line("SelectObject(PaintDC,OldFont);");
  return text;
}

class LabelWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    const std::string& stored = control.Value("Caption");
    const std::string caption = stored.empty() ? "''" : stored;
    const LabelLook look(control);
    if (!look.Painted()) {
      WriteWindow(writer, control,
                  {.name = name,
                   .banner = "Create a label (static)",
                   .call = ":= CreateWindowExW(0, 'Static'," + caption + ", ",
                   .styles = StaticStyles(look),
                   .box = box,
                   .reads_font = true});
      return;
    }
    // A painted label is no window: its font is selected around DrawTextW,
    // so it is registered first and gets no WM_SETFONT line.
    writer.NeedPaint();
    writer.AddPaint(control, name, PaintText(writer, control, look, name, caption));
    writer.CountControl();
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewLabelWriter() { return std::make_unique<LabelWriter>(); }

}  // namespace vornic
