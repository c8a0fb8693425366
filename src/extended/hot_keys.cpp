// Hot keys: a hot key control showing the form's key combination.
#include <cstdint>
#include <memory>
#include <string>

#include "extended/control.h"
#include "extended/control_values.h"
#include "extended/form_writer.h"
#include "extended/window_creation.h"
#include "extended/writers.h"

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

class HotKeyWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    const int32_t key = HotKeyValue(IntegerOr(control.Value("HotKey"), kDefaultHotKey));
    WriteWindow(
        writer, control,
        {.name = name,
         .banner = "Create a hot key",
         .call = ":= CreateWindowExW(WS_EX_CLIENTEDGE, 'msctls_hotkey32','', ",
         .styles = "WS_VISIBLE or WS_CHILD or WS_TABSTOP",
         .box = box,
         .after = "\r\n  SendMessageW(" + name + ",HKM_SETHOTKEY," + std::to_string(key) + ",0);",
         .takes_focus = true,
         .common = true,
         .reads_font = true});
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewHotKeyWriter() { return std::make_unique<HotKeyWriter>(); }

}  // namespace vornic
