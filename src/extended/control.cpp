// Positions of controls inside containers.
#include "extended/control.h"

#include "lib/text.h"

namespace vornic {

namespace {

// Positions are added the way 32-bit integers wrap, so a huge value gives a
// predictable result instead of undefined behaviour.
int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace

Box Control::FormBox() const {
  Box box{Value("Left"), Value("Top"), Value("Width"), Value("Height")};
  PlaceInForm(box.left, box.top);
  return box;
}

void Control::PlaceInForm(std::string& left, std::string& top) const {
  // A control directly on the form keeps its values: the form's own position
  // places the window on the screen and does not count.
  if (holder == nullptr || holder->holder == nullptr) return;
  int32_t x = 0;
  int32_t y = 0;
  // Outermost first, so that a position that is no integer fails as the
  // outermost such container's.
  std::vector<const Control*> containers;
  for (const Control* step = holder; step->holder != nullptr; step = step->holder) {
    containers.insert(containers.begin(), step);
  }
  for (const Control* container : containers) {
    if (!container->places_children) continue;
    x = WrappingAdd(x, TextToInt(container->origin_left.empty() ? "0" : container->origin_left));
    y = WrappingAdd(y, TextToInt(container->origin_top.empty() ? "0" : container->origin_top));
  }
  const int32_t own_left = TextToInt(left);
  const int32_t own_top = TextToInt(top);
  left = std::to_string(WrappingAdd(x, own_left));
  top = std::to_string(WrappingAdd(y, own_top));
}

void Control::SetContentOrigin(int32_t left, int32_t top) {
  origin_left = std::to_string(left);
  origin_top = std::to_string(top);
}

}  // namespace vornic
