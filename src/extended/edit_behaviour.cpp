// Edit styles and messages from the form's values.
#include "extended/edit_behaviour.h"

#include <cstdint>
#include <string>

#include "extended/control.h"
#include "extended/value_styles.h"
#include "lib/text.h"

namespace vornic {

namespace {

constexpr ValueStyle kAlignments[] = {
    {"taLeftJustify", ""}, {"taCenter", " or ES_CENTER"}, {"taRightJustify", " or ES_RIGHT"}};
constexpr ValueStyle kCharCases[] = {
    {"ecNormal", ""}, {"ecUpperCase", " or ES_UPPERCASE"}, {"ecLowerCase", " or ES_LOWERCASE"}};

// The widest character a wide window takes.
constexpr int kWideLimit = 0xFFFF;

// Ctl3D passes from container to control unless the control says
// ParentCtl3D = False, which leaves it at the default, True.
bool Is3D(const FormObject* object) {
  for (; object != nullptr; object = object->parent) {
    const std::string& own = object->Value("Ctl3D");
    if (!own.empty()) return own != "False";
    if (object->Value("ParentCtl3D") == "False") return true;
  }
  return true;
}

// The code after '#': decimal digits, or '$' and hexadecimal ones.
int64_t CodeAfterHash(const std::string& digits) {
  if (digits.size() > 1 && digits[0] == '$') {
    int64_t code = 0;
    for (size_t i = 1; i < digits.size(); ++i) {
      const char c = digits[i];
      int value = -1;
      if (c >= '0' && c <= '9') value = c - '0';
      if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
      if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
      if (value < 0 || code > kWideLimit) return 0;
      code = code * 16 + value;
    }
    return code;
  }
  return IsIntegerText(digits) ? TextToInt(digits) : 0;
}

}  // namespace

int CharacterCode(const std::string& literal, int limit) {
  int64_t code = 0;
  if (literal.size() == 3 && literal[0] == '\'' && literal[2] == '\'') {
    code = static_cast<unsigned char>(literal[1]);
  } else if (literal == "''''") {
    code = '\'';
  } else if (literal.size() > 1 && literal[0] == '#') {
    code = CodeAfterHash(literal.substr(1));
  }
  return code > 0 && code <= limit ? static_cast<int>(code) : 0;
}

EditBorder EditBorderOf(const Control& control) {
  if (control.Value("BorderStyle") == "bsNone") return {"0", ""};
  if (!Is3D(&control.object)) return {"0", " or WS_BORDER"};
  return {"WS_EX_CLIENTEDGE", ""};
}

std::string EditStyles(const Control& control, bool multi_line) {
  std::string styles = StyleForValue(kAlignments, control.Value("Alignment"));
  if (FlagOf(control.Value("ReadOnly"), false)) styles += " or ES_READONLY";
  styles += StyleForValue(kCharCases, control.Value("CharCase"));
  if (FlagOf(control.Value("NumbersOnly"), false)) styles += " or ES_NUMBER";
  // Only a one-line edit can hide what is typed.
  if (!multi_line && CharacterCode(control.Value("PasswordChar"), kWideLimit) != 0) {
    styles += " or ES_PASSWORD";
  }
  return styles;
}

std::string EditMessages(const Control& control, const std::string& name, bool multi_line) {
  std::string text;
  if (const std::string& length = control.Value("MaxLength");
      IsIntegerText(length) && TextToInt(length) > 0) {
    text += "\r\n  SendMessageW(" + name + ", EM_LIMITTEXT, " + length + ", 0);";
  }
  if (const int code = CharacterCode(control.Value("PasswordChar"), kWideLimit);
      !multi_line && code != 0) {
    text +=
        "\r\n  SendMessageW(" + name + ", EM_SETPASSWORDCHAR, " + std::to_string(code) + ", 0);";
  }
  return text;
}

}  // namespace vornic
