#include "lib/translate.h"

#include <string_view>

namespace vornic {

namespace {

struct Translation {
  std::string_view name;
  std::string_view result;
};

// System colours map to fixed values on purpose: the generated program paints
// what the form showed when it was designed.
constexpr Translation kColors[] = {
    {"clBlack", "RGB(0,0,0)"},
    {"clMaroon", "RGB(128,0,0)"},
    {"clGreen", "RGB(0,128,0)"},
    {"clOlive", "RGB(128,128,0)"},
    {"clNavy", "RGB(0,0,128)"},
    {"clPurple", "RGB(128,0,128)"},
    {"clTeal", "RGB(0,128,128)"},
    {"clGray", "RGB(128,128,128)"},
    {"clSilver", "RGB(192,192,192)"},
    {"clRed", "RGB(255,0,0)"},
    {"clLime", "RGB(0,255,0)"},
    {"clYellow", "RGB(255,255,0)"},
    {"clBlue", "RGB(0,0,255)"},
    {"clFuchsia", "RGB(255,0,255)"},
    {"clAqua", "RGB(0,255,255)"},
    {"clLtGray", "RGB(192,192,192)"},
    {"clDkGray", "RGB(128,128,128)"},
    {"clWhite", "RGB(255,255,255)"},
    {"clCaptionText", "RGB(255,255,255)"},
    {"clWindow", "RGB(255,255,255)"},
    {"clWindowText", "RGB(0,0,0)"},
    {"clMenuText", "RGB(0,0,0)"},
    {"clBtnText", "RGB(0,0,0)"},
    {"clBtnFace", "RGB(192,192,192)"},
    {"clMenu", "RGB(192,192,192)"},
    {"clGrayText", "RGB(128,128,128)"},
    {"clBtnShadow", "RGB(128,128,128)"},
    {"clNone", "RGB(255,255,255)"},
    {"clDefault", "RGB(0,0,0)"},
};

constexpr Translation kPenStyles[] = {
    {"psSolid", "PS_SOLID"},
    {"psDash", "PS_DASH"},
    {"psDot", "PS_DOT"},
    {"psDashDot", "PS_DASHDOT"},
    {"psDashDotDot", "PS_DASHDOTDOT"},
    {"psClear", "PS_NULL"},
    {"psInsideFrame", "PS_INSIDEFRAME"},
};

constexpr Translation kBrushStyles[] = {
    {"bsHorizontal", "HS_HORIZONTAL"}, {"bsVertical", "HS_VERTICAL"},
    {"bsFDiagonal", "HS_FDIAGONAL"},   {"bsBDiagonal", "HS_BDIAGONAL"},
    {"bsCross", "HS_CROSS"},           {"bsDiagCross", "HS_DIAGCROSS"},
};

template <size_t N>
std::string Lookup(const Translation (&table)[N], std::string_view name,
                   std::string_view fallback) {
  for (const Translation& row : table) {
    if (row.name == name) return std::string(row.result);
  }
  return std::string(fallback);
}

}  // namespace

std::string TranslateColor(std::string_view name) { return Lookup(kColors, name, "RGB(0,0,0)"); }

std::string TranslatePenStyle(std::string_view name) {
  return Lookup(kPenStyles, name, "PS_SOLID");
}

std::string TranslateBrushStyle(std::string_view name) {
  return Lookup(kBrushStyles, name, "HS_HORIZONTAL");
}

}  // namespace vornic
