// JPEG pictures, decoded through the system's libjpeg.
#pragma once

#include <string>
#include <string_view>

#include "pictures/raster.h"

namespace vornic {

/// Decodes a JPEG file (grey, YCbCr, RGB or CMYK; baseline or progressive)
/// into opaque pixels. False, with `error` set, for data the library rejects,
/// data that ends before the last row, or a picture too large to allocate.
bool DecodeJpeg(std::string_view data, Raster* out, std::string* error);

}  // namespace vornic
