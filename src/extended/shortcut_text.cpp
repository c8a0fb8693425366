// Decoding of a stored shortcut: modifier words first, in the order the
// designer writes them, then the key's name on a US keyboard.
#include "extended/shortcut_text.h"

namespace vornic {

namespace {

constexpr int64_t kShift = 0x2000;
constexpr int64_t kCtrl = 0x4000;
constexpr int64_t kAlt = 0x8000;
constexpr int64_t kKeyMask = 0xFF;

struct KeyName {
  int key;
  const char* name;
};

// Keys whose name is no single character of their own code.
constexpr KeyName kKeyNames[] = {
    {0x08, "BkSp"},  {0x09, "Tab"},   {0x0D, "Enter"}, {0x1B, "Esc"},     {0x20, "Space"},
    {0x21, "PgUp"},  {0x22, "PgDn"},  {0x23, "End"},   {0x24, "Home"},    {0x25, "Left"},
    {0x26, "Up"},    {0x27, "Right"}, {0x28, "Down"},  {0x2D, "Ins"},     {0x2E, "Del"},
    {0x6A, "Num *"}, {0x6B, "Num +"}, {0x6D, "Num -"}, {0x6E, "Num Del"}, {0x6F, "Num /"},
    {0xBA, ";"},     {0xBB, "="},     {0xBC, ","},     {0xBD, "-"},       {0xBE, "."},
    {0xBF, "/"},     {0xC0, "`"},     {0xDB, "["},     {0xDC, "\\"},      {0xDD, "]"},
    {0xDE, "'"},
};

std::string KeyText(int key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
  if (key >= 0x60 && key <= 0x69) return "Num " + std::to_string(key - 0x60);
  if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x6F);
  for (const KeyName& row : kKeyNames) {
    if (row.key == key) return row.name;
  }
  return "";
}

}  // namespace

std::string ShortCutText(int64_t value) {
  if (value <= 0 || value > 0xFFFF) return "";
  const std::string key = KeyText(static_cast<int>(value & kKeyMask));
  if (key.empty()) return "";
  std::string text;
  if (value & kShift) text += "Shift+";
  if (value & kCtrl) text += "Ctrl+";
  if (value & kAlt) text += "Alt+";
  return text + key;
}

}  // namespace vornic
