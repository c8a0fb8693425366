// Icon pictures: an icon file holds several images of different sizes and
// colour depths, each a DIB with an AND mask or a PNG file.
#pragma once

#include <string>
#include <string_view>

#include "pictures/raster.h"

namespace vornic {

/// Decodes the image of an icon file that the designer would show: the one
/// nearest the standard icon size, the richest in colour among equals.
/// False, with `error` set, for a corrupt directory or image.
bool DecodeIcon(std::string_view data, Raster* out, std::string* error);

}  // namespace vornic
