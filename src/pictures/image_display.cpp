// The designer's rules for placing a picture in an image control.
#include "pictures/image_display.h"

#include <algorithm>

namespace vornic {

PlacedRect PictureRect(int picture_width, int picture_height, const ImageDisplay& display) {
  int width = picture_width;
  int height = picture_height;
  const int control_width = display.width;
  const int control_height = display.height;
  if (display.stretch ||
      (display.proportional && (width > control_width || height > control_height))) {
    if (display.proportional && width > 0 && height > 0) {
      // Fit the longer side first; if the other side still overflows, fit that one.
      const double aspect = static_cast<double>(width) / height;
      if (width > height) {
        width = control_width;
        height = static_cast<int>(control_width / aspect);
        if (height > control_height) {
          height = control_height;
          width = static_cast<int>(control_height * aspect);
        }
      } else {
        height = control_height;
        width = static_cast<int>(control_height * aspect);
        if (width > control_width) {
          width = control_width;
          height = static_cast<int>(control_width / aspect);
        }
      }
    } else {
      width = control_width;
      height = control_height;
    }
  }
  PlacedRect rect{0, 0, width, height};
  if (display.center) {
    rect.left = (control_width - width) / 2;
    rect.top = (control_height - height) / 2;
  }
  return rect;
}

PlacedRect ShownRect(int picture_width, int picture_height, const ImageDisplay& display) {
  PlacedRect rect = PictureRect(picture_width, picture_height, display);
  rect.width = std::max(rect.width, 1);
  rect.height = std::max(rect.height, 1);
  return rect;
}

PlacedRect CanvasRect(const PlacedRect& shown, const ImageDisplay& display) {
  if (display.center) return PlacedRect{0, 0, display.width, display.height};
  return PlacedRect{0, 0, std::min(shown.width, display.width),
                    std::min(shown.height, display.height)};
}

}  // namespace vornic
