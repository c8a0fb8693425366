#include "lib/translate.h"

#include <cstdint>
#include <string_view>

#include "lib/text.h"

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

// The system colours a form names, which the extended translation follows
// at run time, as the window itself does.
constexpr Translation kSystemColors[] = {
    {"clScrollBar", "COLOR_SCROLLBAR"},
    {"clBackground", "COLOR_BACKGROUND"},
    {"clActiveCaption", "COLOR_ACTIVECAPTION"},
    {"clInactiveCaption", "COLOR_INACTIVECAPTION"},
    {"clMenu", "COLOR_MENU"},
    {"clWindow", "COLOR_WINDOW"},
    {"clWindowFrame", "COLOR_WINDOWFRAME"},
    {"clMenuText", "COLOR_MENUTEXT"},
    {"clWindowText", "COLOR_WINDOWTEXT"},
    {"clCaptionText", "COLOR_CAPTIONTEXT"},
    {"clActiveBorder", "COLOR_ACTIVEBORDER"},
    {"clInactiveBorder", "COLOR_INACTIVEBORDER"},
    {"clAppWorkSpace", "COLOR_APPWORKSPACE"},
    {"clHighlight", "COLOR_HIGHLIGHT"},
    {"clHighlightText", "COLOR_HIGHLIGHTTEXT"},
    {"clBtnFace", "COLOR_BTNFACE"},
    {"clBtnShadow", "COLOR_BTNSHADOW"},
    {"clGrayText", "COLOR_GRAYTEXT"},
    {"clBtnText", "COLOR_BTNTEXT"},
    {"clInactiveCaptionText", "COLOR_INACTIVECAPTIONTEXT"},
    {"clBtnHighlight", "COLOR_BTNHIGHLIGHT"},
    {"cl3DDkShadow", "COLOR_3DDKSHADOW"},
    {"cl3DLight", "COLOR_3DLIGHT"},
    {"clInfoText", "COLOR_INFOTEXT"},
    {"clInfoBk", "COLOR_INFOBK"},
};

// Colours the first table leaves out, as 0x00BBGGRR values.
constexpr struct {
  std::string_view name;
  uint32_t value;
} kMoreColors[] = {{"clMoneyGreen", 0xC0DCC0},
                   {"clSkyBlue", 0xF0CAA6},
                   {"clCream", 0xF0FBFF},
                   {"clMedGray", 0xA4A0A0}};

// Numbers with the high byte 0x80 or 0xFF name a system colour by its
// index in the low byte.
constexpr uint32_t kSystemColorFlag = 0x80000000u;
constexpr uint32_t kSystemColorMask = 0xFF000000u;

std::string RgbOf(uint32_t value) {
  return "RGB(" + std::to_string(value & 0xFF) + "," + std::to_string((value >> 8) & 0xFF) + "," +
         std::to_string((value >> 16) & 0xFF) + ")";
}

// A decimal or "$" hexadecimal colour number; false for anything else.
bool ColorNumber(const std::string& text, uint32_t& value) {
  if (IsIntegerText(text)) {
    value = static_cast<uint32_t>(TextToInt(text));
    return true;
  }
  if (text.size() < 2 || text.size() > 9 || text[0] != '$') return false;
  value = 0;
  for (size_t i = 1; i < text.size(); ++i) {
    const char c = text[i];
    uint32_t digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<uint32_t>(c - '0');
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<uint32_t>(c - 'A' + 10);
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<uint32_t>(c - 'a' + 10);
    } else {
      return false;
    }
    value = value << 4 | digit;
  }
  return true;
}

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
std::string Lookup(const Translation (&table)[N], const std::string& name,
                   std::string_view fallback) {
  for (const Translation& row : table) {
    if (row.name == name) return std::string(row.result);
  }
  return std::string(fallback);
}

}  // namespace

std::string TranslateColor(const std::string& name) { return Lookup(kColors, name, "RGB(0,0,0)"); }

std::string ColorExpression(const std::string& value, const std::string& fallback) {
  if (value == "clNone" || value == "clDefault") return fallback;
  for (const Translation& row : kSystemColors) {
    if (row.name == value) return "GetSysColor(" + std::string(row.result) + ")";
  }
  for (const Translation& row : kColors) {
    if (row.name == value) return std::string(row.result);
  }
  for (const auto& row : kMoreColors) {
    if (row.name == value) return RgbOf(row.value);
  }
  uint32_t number = 0;
  if (!ColorNumber(value, number)) return fallback;
  const uint32_t high = number & kSystemColorMask;
  if (high == kSystemColorFlag || high == kSystemColorMask) {
    return "GetSysColor(" + std::to_string(number & 0xFF) + ")";
  }
  // clNone and clDefault, and whatever else has bits above the colour.
  if (high != 0) return fallback;
  return RgbOf(number);
}

std::string TranslatePenStyle(const std::string& name) {
  return Lookup(kPenStyles, name, "PS_SOLID");
}

std::string TranslateBrushStyle(const std::string& name) {
  return Lookup(kBrushStyles, name, "HS_HORIZONTAL");
}

}  // namespace vornic
