// Form colours read from their names and numbers. A number holds the colour
// in its three low bytes, red lowest; a high byte of 0x80 (or 0xFF, as old
// forms write it) marks a system colour whose index is the low byte.
#include "lib/form_colors.h"

#include <cstdlib>
#include <string_view>

namespace vornic {

namespace {

struct SystemColor {
  std::string_view name;      // the form's name for it
  std::string_view constant;  // the index's constant in the Windows unit
  ColorRgb classic;           // the system's default scheme
};

// Indexed by the system colour's number; index 25 has no colour.
constexpr SystemColor kSystemColors[] = {
    {"clScrollBar", "COLOR_SCROLLBAR", {200, 200, 200}},
    {"clBackground", "COLOR_BACKGROUND", {0, 0, 0}},
    {"clActiveCaption", "COLOR_ACTIVECAPTION", {153, 180, 209}},
    {"clInactiveCaption", "COLOR_INACTIVECAPTION", {191, 205, 219}},
    {"clMenu", "COLOR_MENU", {240, 240, 240}},
    {"clWindow", "COLOR_WINDOW", {255, 255, 255}},
    {"clWindowFrame", "COLOR_WINDOWFRAME", {100, 100, 100}},
    {"clMenuText", "COLOR_MENUTEXT", {0, 0, 0}},
    {"clWindowText", "COLOR_WINDOWTEXT", {0, 0, 0}},
    {"clCaptionText", "COLOR_CAPTIONTEXT", {0, 0, 0}},
    {"clActiveBorder", "COLOR_ACTIVEBORDER", {180, 180, 180}},
    {"clInactiveBorder", "COLOR_INACTIVEBORDER", {244, 247, 252}},
    {"clAppWorkSpace", "COLOR_APPWORKSPACE", {171, 171, 171}},
    {"clHighlight", "COLOR_HIGHLIGHT", {0, 120, 215}},
    {"clHighlightText", "COLOR_HIGHLIGHTTEXT", {255, 255, 255}},
    {"clBtnFace", "COLOR_BTNFACE", {240, 240, 240}},
    {"clBtnShadow", "COLOR_BTNSHADOW", {160, 160, 160}},
    {"clGrayText", "COLOR_GRAYTEXT", {109, 109, 109}},
    {"clBtnText", "COLOR_BTNTEXT", {0, 0, 0}},
    {"clInactiveCaptionText", "COLOR_INACTIVECAPTIONTEXT", {0, 0, 0}},
    {"clBtnHighlight", "COLOR_BTNHIGHLIGHT", {255, 255, 255}},
    {"cl3DDkShadow", "COLOR_3DDKSHADOW", {105, 105, 105}},
    {"cl3DLight", "COLOR_3DLIGHT", {227, 227, 227}},
    {"clInfoText", "COLOR_INFOTEXT", {0, 0, 0}},
    {"clInfoBk", "COLOR_INFOBK", {255, 255, 225}},
    {"", "", {0, 0, 0}},
    {"clHotLight", "COLOR_HOTLIGHT", {0, 102, 204}},
    {"clGradientActiveCaption", "COLOR_GRADIENTACTIVECAPTION", {185, 209, 234}},
    {"clGradientInactiveCaption", "COLOR_GRADIENTINACTIVECAPTION", {215, 228, 242}},
    {"clMenuHighlight", "COLOR_MENUHILIGHT", {51, 153, 255}},
    {"clMenuBar", "COLOR_MENUBAR", {240, 240, 240}},
};
constexpr int kSystemColorCount = sizeof(kSystemColors) / sizeof(kSystemColors[0]);

struct NamedColor {
  std::string_view name;
  ColorRgb rgb;
};

constexpr NamedColor kNamedColors[] = {
    {"clBlack", {0, 0, 0}},
    {"clMaroon", {128, 0, 0}},
    {"clGreen", {0, 128, 0}},
    {"clOlive", {128, 128, 0}},
    {"clNavy", {0, 0, 128}},
    {"clPurple", {128, 0, 128}},
    {"clTeal", {0, 128, 128}},
    {"clGray", {128, 128, 128}},
    {"clSilver", {192, 192, 192}},
    {"clRed", {255, 0, 0}},
    {"clLime", {0, 255, 0}},
    {"clYellow", {255, 255, 0}},
    {"clBlue", {0, 0, 255}},
    {"clFuchsia", {255, 0, 255}},
    {"clAqua", {0, 255, 255}},
    {"clWhite", {255, 255, 255}},
    {"clLtGray", {192, 192, 192}},
    {"clDkGray", {128, 128, 128}},
    {"clMoneyGreen", {192, 220, 192}},
    {"clSkyBlue", {166, 202, 240}},
    {"clCream", {255, 251, 240}},
    {"clMedGray", {160, 160, 164}},
};

// What a colour value denotes.
struct FormColor {
  bool known = false;
  int system_index = -1;  // a system colour's index, or -1 for a fixed colour
  ColorRgb rgb;           // a fixed colour
};

// A number as form text writes it: decimal, possibly negative, or "$" hex.
bool ReadNumber(const std::string& value, uint32_t* out) {
  if (value.empty()) return false;
  const bool hex = value[0] == '$';
  const std::string digits = hex ? value.substr(1) : value;
  if (digits.empty() || digits.size() > 12) return false;
  char* end = nullptr;
  const long long number = std::strtoll(digits.c_str(), &end, hex ? 16 : 10);
  if (*end != '\0' || digits[0] == '+' || (hex && digits[0] == '-')) return false;
  *out = static_cast<uint32_t>(number);
  return true;
}

FormColor ReadColor(const std::string& value) {
  FormColor color;
  for (int i = 0; i < kSystemColorCount; ++i) {
    if (!kSystemColors[i].name.empty() && kSystemColors[i].name == value) {
      color.known = true;
      color.system_index = i;
      return color;
    }
  }
  for (const NamedColor& named : kNamedColors) {
    if (named.name == value) {
      color.known = true;
      color.rgb = named.rgb;
      return color;
    }
  }
  uint32_t number = 0;
  if (!ReadNumber(value, &number)) return color;
  const uint32_t high = number >> 24;
  if (high == 0x80 || high == 0xFF) {
    const int index = static_cast<int>(number & 0xFF);
    // clNone and clDefault are 0x1FFFFFFF and 0x20000000: no colour either.
    if (index >= kSystemColorCount || kSystemColors[index].name.empty()) return color;
    color.known = true;
    color.system_index = index;
    return color;
  }
  if (high > 2) return color;  // 1 and 2 ask for the nearest palette colour: the same RGB
  color.known = true;
  color.rgb = {static_cast<uint8_t>(number & 0xFF), static_cast<uint8_t>((number >> 8) & 0xFF),
               static_cast<uint8_t>((number >> 16) & 0xFF)};
  return color;
}

}  // namespace

std::string ColorExpression(const std::string& value) {
  const FormColor color = ReadColor(value);
  if (!color.known) return std::string();
  if (color.system_index >= 0) {
    return "GetSysColor(" + std::string(kSystemColors[color.system_index].constant) + ")";
  }
  return "RGB(" + std::to_string(color.rgb.red) + "," + std::to_string(color.rgb.green) + "," +
         std::to_string(color.rgb.blue) + ")";
}

std::string ColorExpressionOr(const std::string& value, const std::string& fallback) {
  const std::string expression = ColorExpression(value);
  return expression.empty() ? ColorExpression(fallback) : expression;
}

bool ColorAtDesign(const std::string& value, ColorRgb* out) {
  const FormColor color = ReadColor(value);
  if (!color.known) return false;
  *out = color.system_index >= 0 ? kSystemColors[color.system_index].classic : color.rgb;
  return true;
}

}  // namespace vornic
