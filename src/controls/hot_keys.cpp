// The hot key, a class only the extended translation writes: a hot key
// control showing the form's key combination.
#include <cstdint>
#include <memory>
#include <string>

#include "builder/control_generator.h"
#include "builder/line_words.h"
#include "controls/control_values.h"
#include "controls/geometry.h"
#include "controls/window_control.h"

namespace vornic {

namespace {

// The form stores the key as a shortcut: the virtual key in the low byte,
// Shift, Ctrl and Alt as these bits. The designer's default is Alt+A.
constexpr int32_t kDefaultHotKey = 0x8041;
constexpr int32_t kShortcutShift = 0x2000;
constexpr int32_t kShortcutCtrl = 0x4000;
constexpr int32_t kShortcutAlt = 0x8000;
// The control takes the virtual key in the low byte and these modifier
// flags in the high one.
constexpr int32_t kHotKeyShift = 0x01;
constexpr int32_t kHotKeyControl = 0x02;
constexpr int32_t kHotKeyAlt = 0x04;

int32_t HotKeyValue(int32_t shortcut) {
  int32_t modifiers = 0;
  if ((shortcut & kShortcutShift) != 0) modifiers |= kHotKeyShift;
  if ((shortcut & kShortcutCtrl) != 0) modifiers |= kHotKeyControl;
  if ((shortcut & kShortcutAlt) != 0) modifiers |= kHotKeyAlt;
  return (modifiers << 8) | (shortcut & 0xFF);
}

struct HotKeyRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string HotKey;
};

class HotKeyGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    key_.ControlName = context.TakeName(line);
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& line) override {
    if (StoreGeometry(key_, line)) return;
    if (line.Word1 == "HotKey") key_.HotKey = line.Word3;
  }

  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(key_)) return;
    const std::string& name = key_.ControlName;
    CreateWindowControl(
        context,
        {.level = line.Level,
         .name = name,
         .banner = "Create a hot key",
         .call = ":= CreateWindowEx(WS_EX_CLIENTEDGE, 'msctls_hotkey32','', ",
         .styles = "WS_VISIBLE or WS_CHILD or WS_TABSTOP",
         .box = BoxOf(key_),
         .after = "\r\n  SendMessage(" + name + ",HKM_SETHOTKEY," +
                  std::to_string(HotKeyValue(IntegerOr(key_.HotKey, kDefaultHotKey))) + ",0);",
         .takes_focus = true,
         .common = true,
         .reads_font = true});
  }

 private:
  HotKeyRecord key_;
};

}  // namespace

std::unique_ptr<ControlGenerator> NewHotKey() { return std::make_unique<HotKeyGenerator>(); }

}  // namespace vornic
