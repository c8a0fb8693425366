// The budget rule. A picture shown at its own size needs only the part inside
// its control; a scaled one is needed whole but only at the size it is drawn
// at, so it may be shrunk to a few times the control's area, never below that
// size.
#include "pictures/picture_budget.h"

#include <algorithm>
#include <cmath>

namespace vornic {
namespace {

std::string SizeText(int64_t width, int64_t height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

int64_t Area(int64_t width, int64_t height) { return width * height; }

// The part of a picture drawn at its own size at `shown` that lies inside
// the control.
PixelWindow VisiblePart(const PlacedRect& shown, const ImageDisplay& display) {
  const int left = std::max(0, -shown.left);
  const int top = std::max(0, -shown.top);
  const int right = std::min(shown.width, display.width - shown.left);
  const int bottom = std::min(shown.height, display.height - shown.top);
  return PixelWindow{left, top, right - left, bottom - top};
}

// Shrinks `plan` to at most `budget` pixels, keeping the picture's aspect
// where it can but each side at least `least_width` and `least_height`
// (which the budget holds), and never more than the picture's own.
void FitBudget(int least_width, int least_height, int64_t budget, DecodePlan* plan) {
  const int64_t width = plan->picture_width;
  const int64_t height = plan->picture_height;
  if (Area(width, height) <= budget) return;
  const double scale = std::sqrt(static_cast<double>(budget) / static_cast<double>(width * height));
  int64_t fitted_width = std::max<int64_t>(least_width, static_cast<int64_t>(width * scale));
  int64_t fitted_height = std::max<int64_t>(least_height, static_cast<int64_t>(height * scale));
  // A side held at its least leaves the rest of the budget to the other.
  if (fitted_width == least_width) {
    fitted_height = std::clamp<int64_t>(budget / fitted_width, least_height, height);
  } else if (fitted_height == least_height) {
    fitted_width = std::clamp<int64_t>(budget / fitted_height, least_width, width);
  }
  plan->width = static_cast<int>(std::min(fitted_width, width));
  plan->height = static_cast<int>(std::min(fitted_height, height));
}

}  // namespace

bool ImageCanShow(int picture_width, int picture_height, const ImageDisplay& display,
                  std::string* error) {
  const std::string size = SizeText(display.width, display.height);
  if (display.width <= 0 || display.height <= 0) {
    *error = "image of " + size + " pixels shows nothing";
    return false;
  }
  const PlacedRect canvas = CanvasRect(ShownRect(picture_width, picture_height, display), display);
  if (!PictureSizeAllowed(display.width, display.height) ||
      Area(canvas.width, canvas.height) > kBudgetCapPixels) {
    *error = "image of " + size + " pixels is too large for a bitmap";
    return false;
  }
  return true;
}

bool PicturePlanner::Plan(int width, int height, DecodePlan* plan, std::string* error) const {
  *plan =
      DecodePlan{width, height, PixelWindow{0, 0, width, height}, width, height, kBudgetCapPixels};
  if (!fitted_) {
    if (Area(width, height) <= kBudgetCapPixels) return true;
    *error = "picture of " + SizeText(width, height) + " pixels is too large to decode whole";
    return false;
  }
  if (!ImageCanShow(width, height, display_, error)) return false;
  const int64_t fitted_budget =
      std::clamp(kBudgetAreaFactor * Area(display_.width, display_.height), kBudgetFloorPixels,
                 kBudgetCapPixels);
  const PlacedRect shown = ShownRect(width, height, display_);
  if (shown.width == width && shown.height == height) {
    plan->window = VisiblePart(shown, display_);
    plan->width = plan->window.width;
    plan->height = plan->window.height;
    plan->budget = std::max(Area(plan->width, plan->height), fitted_budget);
    return true;
  }
  plan->budget = std::max(Area(shown.width, shown.height), fitted_budget);
  FitBudget(std::min(width, shown.width), std::min(height, shown.height), plan->budget, plan);
  return true;
}

}  // namespace vornic
