// Scaling and placing a decoded picture the way an image control shows it,
// so that the bitmap in the resource script needs no drawing at run time.
#pragma once

#include <string>

#include "pictures/raster.h"

namespace vornic {

/// An image control's size and the options that decide how its picture is drawn.
struct ImageDisplay {
  int width = 0;  // of the control
  int height = 0;
  bool stretch = false;       // scale the picture to the control
  bool proportional = false;  // scale keeping the aspect ratio; alone, only to shrink
  bool center = false;        // center the picture's rectangle in the control
};

/// A rectangle in the control, which may reach past its edges.
struct PlacedRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

/// Where the designer draws a picture of the given size in the control.
PlacedRect PictureRect(int picture_width, int picture_height, const ImageDisplay& display);

/// `source` resampled to `width` x `height`: a box filter where it shrinks,
/// bilinear where it grows; colours are weighted by their alpha.
/// REQUIRES: a non-empty source and a size allowed by PictureSizeAllowed.
Raster ScaleRaster(const Raster& source, int width, int height);

/// The opaque pixels that show `picture` on `background` as the control
/// does: the whole control when centred; otherwise the picture's rectangle,
/// cut at the control's edges (the control shows the bitmap at its top left
/// and takes the bitmap's size). False, with `error` set, for a control
/// without area or too large to allocate.
bool RenderImage(const Raster& picture, const ImageDisplay& display, Rgb background, Raster* out,
                 std::string* error);

}  // namespace vornic
