// Panels, scroll boxes and placed frames: containers that the main window
// paints beneath what they hold (colour, border, bevels, caption), as the
// designer draws them. What they hold stays a child of the main window at its place in the
// form, so that painted controls inside still show above them, and tab order
// and clicks work as everywhere else.
#include <cstdint>
#include <memory>
#include <string>

#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "lib/form_colors.h"
#include "lib/text.h"

namespace vornic {

namespace {

// Where panels and scroll boxes differ: the designer's defaults.
struct ContainerKind {
  const char* banner;        // the paint comment, before the name
  const char* bevel_outer;   // BevelOuter when the form stores none
  const char* border_style;  // BorderStyle when the form stores none
  bool has_caption;
  // A frame shows its holder's colour unless it stores one of its own.
  bool parent_color_by_default = false;
};

constexpr ContainerKind kPanel{"Paint panel", "bvRaised", "bsNone", true};
constexpr ContainerKind kScrollBox{"Paint scroll box", "bvNone", "bsSingle", false};
constexpr ContainerKind kFrame{"Paint frame", "bvNone", "bsNone", false, true};

const char* CaptionAlignment(const std::string& alignment) {
  if (alignment == "taLeftJustify") return "DT_LEFT";
  if (alignment == "taRightJustify") return "DT_RIGHT";
  return "DT_CENTER";
}

std::string Line(const std::string& code) { return "\r\n      " + code; }

std::string Inset(int pixels) {
  const std::string by = std::to_string(-pixels);
  return Line("InflateRect(PaintRect," + by + "," + by + ");");
}

// One bevel, `width` lines deep: light above and left of a raised one, dark
// for a lowered one, the panel's colour for a space.
std::string BevelText(FormWriter& writer, const std::string& bevel, int width) {
  if (bevel == "bvNone" || width <= 0) return "";
  if (bevel == "bvSpace") return Inset(width);
  const std::string edge = bevel == "bvLowered" ? "BDR_SUNKENOUTER" : "BDR_RAISEDINNER";
  const std::string call = "DrawEdge(PaintDC,PaintRect," + edge + ",BF_RECT or BF_ADJUST);";
  if (width == 1) return Line(call);
  writer.DeclareOnce("PaintStep: Integer;");
  return Line("for PaintStep := 1 to " + std::to_string(width) + " do " + call);
}

// The panel's values with the designer's defaults where the form stores none.
struct PanelValues {
  std::string Caption;
  std::string Alignment;
  std::string BevelOuter;
  std::string BevelInner;
  std::string BevelWidth;
  std::string BorderWidth;
  std::string BorderStyle;
  std::string Color;
  bool ParentColor;
  bool Ctl3D;
  bool ShowCaption;

  PanelValues(const Control& control, const ContainerKind& kind)
      : Caption(control.Value("Caption")),
        Alignment(control.Value("Alignment")),
        BevelOuter(Or(control.Value("BevelOuter"), kind.bevel_outer)),
        BevelInner(Or(control.Value("BevelInner"), "bvNone")),
        BevelWidth(Or(control.Value("BevelWidth"), "1")),
        BorderWidth(Or(control.Value("BorderWidth"), "0")),
        BorderStyle(Or(control.Value("BorderStyle"), kind.border_style)),
        Color(control.Value("Color")),
        ParentColor(control.Value("ParentColor") == "True"),
        Ctl3D(control.Value("Ctl3D") != "False"),
        ShowCaption(control.Value("ShowCaption") != "False") {}

  static std::string Or(const std::string& value, const char* fallback) {
    return value.empty() ? fallback : value;
  }

  // A border takes the edge of the client area: what the container holds
  // is placed from inside it.
  int BorderSize() const {
    if (BorderStyle != "bsSingle") return 0;
    return Ctl3D ? 2 : 1;
  }
};

std::string BorderText(const PanelValues& panel) {
  switch (panel.BorderSize()) {
    case 2:
      return Line("DrawEdge(PaintDC,PaintRect,EDGE_SUNKEN,BF_RECT or BF_ADJUST);");
    case 1:
      return Line("FrameRect(PaintDC,PaintRect,GetStockObject(BLACK_BRUSH));") + Inset(1);
    default:
      return "";
  }
}

// The caption in the container's font, centred upright, on one line.
std::string CaptionText(FormWriter& writer, const Control& control, const PanelValues& panel) {
  std::string text;
  const std::string font = writer.TakeFont(kPaintedFont, control);
  if (!font.empty()) text += Line("SelectObject(PaintDC," + font + ");");
  const std::string color = ColorExpressionOr(control.font.color, "clBtnText");
  return text + Line("SetBkMode(PaintDC,TRANSPARENT);") +
         Line("SetTextColor(PaintDC," + color + ");") +
         Line("DrawTextW(PaintDC,PWideChar(" + panel.Caption +
              "),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or " + CaptionAlignment(panel.Alignment) +
              ");");
}

// The container's rectangle in the main window's client area, as
// "left,top,right,bottom".
std::string ClientRect(const Control& control) {
  const Box box = control.FormBox();
  const auto right = static_cast<int32_t>(int64_t{TextToInt(box.left)} + TextToInt(box.width));
  const auto bottom = static_cast<int32_t>(int64_t{TextToInt(box.top)} + TextToInt(box.height));
  return box.left + "," + box.top + "," + std::to_string(right) + "," + std::to_string(bottom);
}

// Sets PaintRect to the container's rectangle: where the layout put it, or
// where the form does when it has no row.
std::string RectLine(FormWriter& writer, const Control& control) {
  const int row = writer.layout().RowOf(control.object);
  if (row < 0) return Line("SetRect(PaintRect," + ClientRect(control) + ");");
  return Line("PaintRect := LayoutRow[" + std::to_string(row) + "].Placed;");
}

std::string PaintText(FormWriter& writer, const Control& control, const ContainerKind& kind,
                      const PanelValues& panel) {
  std::string text = Line("{ " + std::string(kind.banner) + ": " + control.name() + " }") +
                     Line("SaveDC(PaintDC);") + RectLine(writer, control);
  if (!panel.ParentColor || !panel.Color.empty()) {
    writer.DeclareOnce("PaintBrush: HBRUSH;");
    text += Line("PaintBrush := CreateSolidBrush(" + ColorExpressionOr(panel.Color, "clBtnFace") +
                 ");") +
            Line("FillRect(PaintDC,PaintRect,PaintBrush);") + Line("DeleteObject(PaintBrush);");
  }
  text += BorderText(panel);
  const int bevel_width = TextToInt(panel.BevelWidth);
  text += BevelText(writer, panel.BevelOuter, bevel_width);
  if (const int border_width = TextToInt(panel.BorderWidth); border_width > 0) {
    text += Inset(border_width);
  }
  text += BevelText(writer, panel.BevelInner, bevel_width);
  if (kind.has_caption && panel.ShowCaption && !panel.Caption.empty()) {
    text += CaptionText(writer, control, panel);
  }
  return text + Line("RestoreDC(PaintDC,-1);");
}

// Painted before what it holds, so that their paint code draws over it.
class PanelWriter final : public ControlWriter {
 public:
  explicit PanelWriter(const ContainerKind& kind) : kind_(kind) {}

  void Open(FormWriter& writer, Control& control) override {
    if (!StoredBox(control).complete()) return;
    PanelValues panel(control, kind_);
    if (kind_.parent_color_by_default) {
      if (panel.ParentColor) panel.Color.clear();
      panel.ParentColor = panel.Color.empty();
    }
    if (const int border = panel.BorderSize(); border > 0) {
      writer.layout().SetClient(control.object, {border, border, border, border});
      control.SetContentOrigin(
          static_cast<int32_t>(int64_t{TextToInt(control.Value("Left"))} + border),
          static_cast<int32_t>(int64_t{TextToInt(control.Value("Top"))} + border));
    }
    writer.DeclareOnce("PaintRect: TRect;");
    writer.AddPaint(control, control.name(), PaintText(writer, control, kind_, panel));
    writer.NeedPaint();
    OpenPopupInside(writer, control);
    // What it holds is painted where its scrolled content lies, and only inside it.
    const int row = writer.layout().RowOf(control.object);
    if (row >= 0 && writer.layout().rows()[static_cast<size_t>(row)].scrolls) {
      // Its scroll bars are windows: they show with it, on its pages.
      writer.layout().SetShows(control.object,
                               control.state.visible ? control.state.page.shown_when : "False");
      writer.AddText("windowprocpaintmidle",
                     Line("SaveDC(PaintDC);") +
                         Line("with LayoutView[" + std::to_string(row) +
                              "] do IntersectClipRect(PaintDC, Left, Top, Right, Bottom);"));
      clipped_ = true;
    }
  }

  void Close(FormWriter& writer, Control& /*control*/) override {
    if (clipped_) writer.AddText("windowprocpaintmidle", Line("RestoreDC(PaintDC, -1);"));
  }

 private:
  // A right click inside the container opens its popup menu.
  static void OpenPopupInside(FormWriter& writer, const Control& control) {
    const Box box = control.FormBox();
    const int32_t left = TextToInt(box.left);
    const int32_t top = TextToInt(box.top);
    writer.popup_menus().OpenInside(writer, control.object, left, top,
                                    static_cast<int32_t>(int64_t{left} + TextToInt(box.width)),
                                    static_cast<int32_t>(int64_t{top} + TextToInt(box.height)));
  }

  const ContainerKind& kind_;
  bool clipped_ = false;
};

}  // namespace

std::unique_ptr<ControlWriter> NewPanelWriter() { return std::make_unique<PanelWriter>(kPanel); }

std::unique_ptr<ControlWriter> NewScrollBoxWriter() {
  return std::make_unique<PanelWriter>(kScrollBox);
}

std::unique_ptr<ControlWriter> NewFrameWriter() { return std::make_unique<PanelWriter>(kFrame); }

}  // namespace vornic
