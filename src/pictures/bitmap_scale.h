// Scaling and placing a decoded picture the way an image control shows it,
// so that the bitmap in the resource script needs no drawing at run time.
#pragma once

#include <string>

#include "pictures/image_display.h"
#include "pictures/picture_budget.h"
#include "pictures/raster.h"

namespace vornic {

/// `source` resampled to `width` x `height`: a box filter where it shrinks,
/// bilinear where it grows; colours are weighted by their alpha.
/// REQUIRES: a non-empty source and a size allowed by PictureSizeAllowed.
Raster ScaleRaster(const Raster& source, int width, int height);

/// The opaque pixels that show `picture` on `background` as the control
/// does: the whole control when centred; otherwise the picture's rectangle,
/// cut at the control's edges (the control shows the bitmap at its top left
/// and takes the bitmap's size). `picture` holds what `plan` delivered of
/// the picture; it is drawn where the whole picture would be. False, with
/// `error` set, when ImageCanShow says the control cannot show it.
bool RenderImage(const Raster& picture, const DecodePlan& plan, const ImageDisplay& display,
                 Rgb background, Raster* out, std::string* error);
/// The same for a whole picture.
bool RenderImage(const Raster& picture, const ImageDisplay& display, Rgb background, Raster* out,
                 std::string* error);

}  // namespace vornic
