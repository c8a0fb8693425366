// The stack of open objects and the sum of the positions of the containers
// that enclose a control.
#include "builder/level.h"

#include <cstdint>
#include <iterator>
#include <utility>

#include "lib/text.h"

namespace vornic {

namespace {

// Positions are added the way 32-bit integers wrap, so a huge value gives a
// predictable result instead of undefined behaviour.
int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

std::optional<int32_t> IntegerOf(const std::string& text) {
  if (!IsIntegerText(text)) return std::nullopt;
  return TextToInt(text);
}

}  // namespace

void TILevel::AddLevel(const std::string& level, const std::string& left, const std::string& top,
                       const std::string& class_name, bool is_root) {
  Entry entry{TLevel{level, left, top, class_name, is_root}, false, IntegerOf(level)};
  // The main window's position places it on the screen, not its controls.
  entry.Encloses = !is_root && UpperText(class_name) != "TFORM1";
  Entries.push_back(std::move(entry));
  const Entry& added = Entries.back();
  ByLevel[level].push_back(std::prev(Entries.end()));
  if (!added.Encloses) return;
  if (added.Number) {
    Sums.Add(*added.Number, ShareOf(added));
  } else {
    ++UnnumberedCount;
  }
}

void TILevel::RemoveLevel(const std::string& level) {
  const auto found = ByLevel.find(level);
  if (found == ByLevel.end()) return;
  const EntryList::iterator oldest = found->second.front();
  found->second.pop_front();
  if (found->second.empty()) ByLevel.erase(found);
  if (oldest->Encloses) {
    if (oldest->Number) {
      Sums.Remove(*oldest->Number, ShareOf(*oldest));
    } else {
      --UnnumberedCount;
    }
  }
  Entries.erase(oldest);
}

void TILevel::SetLeft(const std::string& level, const std::string& value) {
  SetPosition(level, value, false);
}

void TILevel::SetTop(const std::string& level, const std::string& value) {
  SetPosition(level, value, true);
}

void TILevel::SetPosition(const std::string& level, const std::string& value, bool top) {
  const auto found = ByLevel.find(level);
  if (found == ByLevel.end()) return;
  Entry& entry = *found->second.back();
  const bool counted = entry.Encloses && entry.Number;
  if (counted) Sums.Remove(*entry.Number, ShareOf(entry));
  (top ? entry.Fields.Top : entry.Fields.Left) = value;
  if (counted) Sums.Add(*entry.Number, ShareOf(entry));
}

void TILevel::GetOffset(const std::string& level, std::string& left, std::string& top) const {
  // Levels are compared as numbers: as texts "10" would sort before "2".
  const int32_t own_level = TextToInt(level);
  int32_t x = 0;
  int32_t y = 0;
  const LevelShare below = Sums.Below(own_level);
  // A text that is no number is an error, reported for the oldest entry that
  // holds one: only the visit knows which that is.
  if (UnnumberedCount > 0 || below.Unreadable > 0) {
    SumByVisiting(own_level, x, y);
  } else {
    x = static_cast<int32_t>(below.Left);
    y = static_cast<int32_t>(below.Top);
  }
  // Both converted before either is changed, so a failure leaves them as given.
  const int32_t own_left = TextToInt(left);
  const int32_t own_top = TextToInt(top);
  left = std::to_string(WrappingAdd(x, own_left));
  top = std::to_string(WrappingAdd(y, own_top));
}

std::vector<TLevel> TILevel::entries() const {
  std::vector<TLevel> copy;
  copy.reserve(Entries.size());
  for (const Entry& entry : Entries) copy.push_back(entry.Fields);
  return copy;
}

LevelShare TILevel::ShareOf(const Entry& entry) {
  const std::optional<int32_t> left = IntegerOf(entry.Fields.Left);
  const std::optional<int32_t> top = IntegerOf(entry.Fields.Top);
  return LevelShare{static_cast<uint32_t>(left.value_or(0)), static_cast<uint32_t>(top.value_or(0)),
                    (left ? 0 : 1) + (top ? 0 : 1)};
}

void TILevel::SumByVisiting(int32_t own_level, int32_t& x, int32_t& y) const {
  for (const Entry& entry : Entries) {
    if (!entry.Encloses) continue;
    if (TextToInt(entry.Fields.Level) >= own_level) continue;
    x = WrappingAdd(x, TextToInt(entry.Fields.Left));
    y = WrappingAdd(y, TextToInt(entry.Fields.Top));
  }
}

}  // namespace vornic
