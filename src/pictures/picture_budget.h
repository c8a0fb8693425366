// The pixel budget of a picture: which part of it a decoder delivers, and at
// what size, so that what a picture costs follows the control that shows it
// rather than the size its header claims.
#pragma once

#include <cstdint>
#include <string>

#include "pictures/image_display.h"
#include "pictures/raster.h"

namespace vornic {

/// A picture is decoded to at most this many times its control's area...
inline constexpr int64_t kBudgetAreaFactor = 4;
/// ... but always to a megapixel where it has that many: 4 MB cost nothing
/// worth saving, and small images often show photos many times their size...
inline constexpr int64_t kBudgetFloorPixels = int64_t{1} << 20;
/// ... and to no more pixels than this (64 MB of them) in any case: a
/// control that needs more is refused.
inline constexpr int64_t kBudgetCapPixels = int64_t{16} << 20;

/// A rectangle of a picture's own pixels.
struct PixelWindow {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

/// What a decoder delivers of one picture: the window of it that shows,
/// either at its own size or shrunk, never grown.
struct DecodePlan {
  int picture_width = 0;  // the picture's own size, as its header gives it
  int picture_height = 0;
  PixelWindow window;  // the part that shows
  int width = 0;       // the size the window is delivered at
  int height = 0;
  int64_t budget = 0;  // pixels a decoder may hold of the picture at once

  /// True when the window is delivered smaller than it is.
  bool shrinks() const { return width < window.width || height < window.height; }
};

/// A picture decoded to a plan: `raster` holds the plan's window at the
/// plan's size.
struct PlannedRaster {
  DecodePlan plan;
  Raster raster;
  bool refused = false;  // not decoded for its size, rather than for damage
};

/// Decides, once a decoder has read a picture's size, what to deliver of it.
class PicturePlanner {
 public:
  /// Whole pictures of up to kBudgetCapPixels, as a glyph's image list
  /// holds them.
  PicturePlanner() = default;
  /// Pictures fitted to the image control `display` describes.
  explicit PicturePlanner(const ImageDisplay& display) : display_(display), fitted_(true) {}

  /// The plan for a picture of `width` x `height` (both positive). False,
  /// with `error` set, when what the control needs to show it is beyond the
  /// cap, or the control shows nothing.
  bool Plan(int width, int height, DecodePlan* plan, std::string* error) const;

 private:
  ImageDisplay display_;
  bool fitted_ = false;  // false: whole pictures
};

/// False, with `error` set, when the image control `display` cannot show a
/// picture of the given size: it has no area, or the bitmap that shows the
/// picture in it would be beyond the cap.
bool ImageCanShow(int picture_width, int picture_height, const ImageDisplay& display,
                  std::string* error);

}  // namespace vornic
