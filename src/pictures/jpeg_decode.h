// JPEG pictures, decoded through the system's libjpeg.
#pragma once

#include <string>
#include <string_view>

#include "pictures/picture_budget.h"

namespace vornic {

/// Decodes a JPEG file (grey, YCbCr, RGB or CMYK; baseline or progressive)
/// into opaque pixels, what `planner` plans of it once the header gives its
/// size; a picture to be shrunk is scaled by eighths while it is decoded. False,
/// with `error` set, for data the library rejects, data that ends (or meets a
/// marker) before the last row needed, a picture too large to allocate, or
/// one whose plan is refused or whose scans need more memory than allowed
/// (both with `out->refused`).
bool DecodeJpeg(std::string_view data, const PicturePlanner& planner, PlannedRaster* out,
                std::string* error);

}  // namespace vornic
