// The stack of open objects and the sum of the positions of the containers
// that enclose a control.
#include "builder/level.h"

#include <cstdint>

#include "lib/text.h"

namespace vornic {

namespace {

// Positions are added the way 32-bit integers wrap, so a huge value gives a
// predictable result instead of undefined behaviour.
int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace

void TILevel::AddLevel(const std::string& level, const std::string& left, const std::string& top,
                       const std::string& class_name, bool is_root) {
  Entries.push_back(TLevel{level, left, top, class_name, is_root});
}

void TILevel::RemoveLevel(const std::string& level) {
  for (auto it = Entries.begin(); it != Entries.end(); ++it) {
    if (it->Level == level) {
      Entries.erase(it);
      return;
    }
  }
}

void TILevel::SetLeft(const std::string& level, const std::string& value) {
  for (auto it = Entries.rbegin(); it != Entries.rend(); ++it) {
    if (it->Level == level) {
      it->Left = value;
      return;
    }
  }
}

void TILevel::SetTop(const std::string& level, const std::string& value) {
  for (auto it = Entries.rbegin(); it != Entries.rend(); ++it) {
    if (it->Level == level) {
      it->Top = value;
      return;
    }
  }
}

void TILevel::GetOffset(const std::string& level, std::string& left, std::string& top) const {
  // Levels are compared as numbers: as texts "10" would sort before "2".
  const int32_t own_level = TextToInt(level);
  int32_t x = 0;
  int32_t y = 0;
  for (const TLevel& entry : Entries) {
    // The main window's position places it on the screen, not its controls.
    if (entry.IsRoot || UpperText(entry.ClassName) == "TFORM1") continue;
    if (TextToInt(entry.Level) >= own_level) continue;
    x = WrappingAdd(x, TextToInt(entry.Left));
    y = WrappingAdd(y, TextToInt(entry.Top));
  }
  // Both converted before either is changed, so a failure leaves them as given.
  const int32_t own_left = TextToInt(left);
  const int32_t own_top = TextToInt(top);
  left = std::to_string(WrappingAdd(x, own_left));
  top = std::to_string(WrappingAdd(y, own_top));
}

}  // namespace vornic
