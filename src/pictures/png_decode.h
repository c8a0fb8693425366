// PNG pictures, decoded through the system's libpng.
#pragma once

#include <string>
#include <string_view>

#include "pictures/raster.h"

namespace vornic {

/// Decodes a PNG file of any colour type and depth, keeping its
/// transparency. False, with `error` set, for data the library rejects or a
/// picture too large to allocate.
bool DecodePng(std::string_view data, Raster* out, std::string* error);

}  // namespace vornic
