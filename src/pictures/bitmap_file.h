// Writing pixels as a BMP file, the form a BITMAP resource takes: a 14-byte
// file header, a 40-byte info header, then 24-bit rows from the bottom up,
// blue, green, red, each row padded to a multiple of 4 bytes.
#pragma once

#include <string>

#include "pictures/raster.h"

namespace vornic {

/// The BMP file of `raster`. Alpha is dropped: lay a transparent picture on
/// its background first.
std::string EncodeBmpFile(const Raster& raster);

}  // namespace vornic
