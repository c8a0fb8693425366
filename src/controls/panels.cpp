// Panels and scroll boxes: containers that the main window paints beneath
// what they hold (colour, border, bevels, caption), as the designer draws
// them. What they hold stays a child of the main window at its place in the
// form, so that painted controls inside still show above them, and tab order
// and clicks work as everywhere else.
#include <cstdint>
#include <memory>
#include <string>

#include "builder/control_generator.h"
#include "builder/open_objects.h"
#include "controls/geometry.h"
#include "lib/text.h"
#include "lib/form_colors.h"

namespace vornic {

namespace {

// Where panels and scroll boxes differ: the designer's defaults.
struct ContainerKind {
  const char* banner;        // the paint comment, before the name
  const char* bevel_outer;   // BevelOuter when the form stores none
  const char* border_style;  // BorderStyle when the form stores none
  bool has_caption;
};

constexpr ContainerKind kPanel{"Paint panel", "bvRaised", "bsNone", true};
constexpr ContainerKind kScrollBox{"Paint scroll box", "bvNone", "bsSingle", false};

struct PanelRecord {
  std::string Name;  // as the form gives it: a comment names it, no variable does
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Caption;
  std::string Alignment;
  std::string BevelOuter;
  std::string BevelInner = "bvNone";
  std::string BevelWidth = "1";
  std::string BorderWidth = "0";
  std::string BorderStyle;
  std::string Color;
  bool ParentColor = false;
  bool Ctl3D = true;
  bool ShowCaption = true;
};

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
std::string BevelText(GeneratorContext context, const std::string& bevel, int width) {
  if (bevel == "bvNone" || width <= 0) return "";
  if (bevel == "bvSpace") return Inset(width);
  const std::string edge = bevel == "bvLowered" ? "BDR_SUNKENOUTER" : "BDR_RAISEDINNER";
  const std::string call = "DrawEdge(PaintDC,PaintRect," + edge + ",BF_RECT or BF_ADJUST);";
  if (width == 1) return Line(call);
  context.DeclareOnce("PaintStep: Integer;");
  return Line("for PaintStep := 1 to " + std::to_string(width) + " do " + call);
}

class PanelGenerator final : public ControlGenerator {
 public:
  explicit PanelGenerator(const ContainerKind& kind) : kind_(kind) {
    panel_.BevelOuter = kind.bevel_outer;
    panel_.BorderStyle = kind.border_style;
  }

  void OnObject(GeneratorContext /*context*/, const LineWords& line) override {
    panel_.Name = RemoveChar(line.Word2, ":");
    level_ = line.Level;
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& line) override {
    if (StoreGeometry(panel_, line)) return;
    const std::string& name = line.Word1;
    const std::string& value = line.Word3;
    if (name == "Caption") panel_.Caption = value;
    if (name == "Alignment") panel_.Alignment = value;
    if (name == "BevelOuter") panel_.BevelOuter = value;
    if (name == "BevelInner") panel_.BevelInner = value;
    if (name == "BevelWidth") panel_.BevelWidth = value;
    if (name == "BorderWidth") panel_.BorderWidth = value;
    if (name == "BorderStyle") panel_.BorderStyle = value;
    if (name == "Color") panel_.Color = value;
    if (name == "ParentColor") panel_.ParentColor = value == "True";
    if (name == "Ctl3D") panel_.Ctl3D = value != "False";
    if (name == "ShowCaption") panel_.ShowCaption = value != "False";
  }

  // Painted before what it holds, so that their paint code draws over it.
  void OnChildObject(GeneratorContext context, const LineWords& /*line*/) override {
    Write(context);
  }

  void OnEnd(GeneratorContext context, const LineWords& /*line*/) override { Write(context); }

 private:
  // A border takes the edge of the client area: what the container holds
  // is placed from inside it.
  int BorderSize() const {
    if (panel_.BorderStyle != "bsSingle") return 0;
    return panel_.Ctl3D ? 2 : 1;
  }

  void Write(GeneratorContext context) {
    if (written_) return;
    written_ = true;
    if (!HasGeometry(panel_)) return;
    if (const int border = BorderSize(); border > 0) {
      context.SetContentOrigin(level_,
                               static_cast<int32_t>(int64_t{TextToInt(panel_.Left)} + border),
                               static_cast<int32_t>(int64_t{TextToInt(panel_.Top)} + border));
    }
    context.DeclareOnce("PaintRect: TRect;");
    context.AddPaint(level_, panel_.Name, PaintText(context));
    context.NeedPaint();
  }

  std::string PaintText(GeneratorContext context) const {
    std::string left = panel_.Left;
    std::string top = panel_.Top;
    context.PlaceInForm(level_, left, top);
    const auto right = static_cast<int32_t>(int64_t{TextToInt(left)} + TextToInt(panel_.Width));
    const auto bottom = static_cast<int32_t>(int64_t{TextToInt(top)} + TextToInt(panel_.Height));
    std::string text = Line("{ " + std::string(kind_.banner) + ": " + panel_.Name + " }") +
                       Line("SaveDC(PaintDC);") +
                       Line("SetRect(PaintRect," + left + "," + top + "," + std::to_string(right) +
                            "," + std::to_string(bottom) + ");");
    if (!panel_.ParentColor || !panel_.Color.empty()) {
      context.DeclareOnce("PaintBrush: HBRUSH;");
      text += Line("PaintBrush := CreateSolidBrush(" +
                   ColorExpressionOr(panel_.Color, "clBtnFace") + ");") +
              Line("FillRect(PaintDC,PaintRect,PaintBrush);") + Line("DeleteObject(PaintBrush);");
    }
    text += BorderText();
    const int bevel_width = TextToInt(panel_.BevelWidth);
    text += BevelText(context, panel_.BevelOuter, bevel_width);
    if (const int border_width = TextToInt(panel_.BorderWidth); border_width > 0) {
      text += Inset(border_width);
    }
    text += BevelText(context, panel_.BevelInner, bevel_width);
    if (kind_.has_caption && panel_.ShowCaption && !panel_.Caption.empty()) {
      text += CaptionText(context);
    }
    return text + Line("RestoreDC(PaintDC,-1);");
  }

  std::string BorderText() const {
    switch (BorderSize()) {
      case 2:
        return Line("DrawEdge(PaintDC,PaintRect,EDGE_SUNKEN,BF_RECT or BF_ADJUST);");
      case 1:
        return Line("FrameRect(PaintDC,PaintRect,GetStockObject(BLACK_BRUSH));") + Inset(1);
      default:
        return "";
    }
  }

  // The caption in the container's font, centred upright, on one line.
  std::string CaptionText(GeneratorContext context) const {
    std::string text;
    const std::string font = context.TakeFont(kPaintedFont, level_, true);
    if (!font.empty()) text += Line("SelectObject(PaintDC," + font + ");");
    const std::string color =
        ColorExpressionOr(context.DesignFontAt(level_).color, "clBtnText");
    return text + Line("SetBkMode(PaintDC,TRANSPARENT);") +
           Line("SetTextColor(PaintDC," + color + ");") +
           Line("DrawText(PaintDC,PChar(" + panel_.Caption +
                "),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or " +
                CaptionAlignment(panel_.Alignment) + ");");
  }

  const ContainerKind& kind_;
  PanelRecord panel_;
  int level_ = 0;
  bool written_ = false;
};

}  // namespace

std::unique_ptr<ControlGenerator> NewPanel() { return std::make_unique<PanelGenerator>(kPanel); }

std::unique_ptr<ControlGenerator> NewScrollBox() {
  return std::make_unique<PanelGenerator>(kScrollBox);
}

}  // namespace vornic
