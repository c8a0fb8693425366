// PNG pictures, decoded through the system's libpng.
#pragma once

#include <string>
#include <string_view>

#include "pictures/picture_budget.h"

namespace vornic {

/// Decodes a PNG file of any colour type and depth, keeping its
/// transparency, into what `planner` plans of it: rows are read one at a
/// time and shrunk or cut as they come. An interlaced picture, whose rows
/// are only complete at the end, is held whole, so it must fit the plan's
/// budget. False, with `error` set, for data the library rejects, a picture
/// too large to allocate, or one whose plan is refused or which is beyond its
/// budget (both with `out->refused`).
bool DecodePng(std::string_view data, const PicturePlanner& planner, PlannedRaster* out,
               std::string* error);

}  // namespace vornic
