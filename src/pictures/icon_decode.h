// Icon pictures: an icon file holds several images of different sizes and
// colour depths, each a DIB with an AND mask or a PNG file.
#pragma once

#include <string>
#include <string_view>

#include "pictures/picture_budget.h"

namespace vornic {

/// Decodes the image of an icon file that the designer would show: the one
/// nearest the standard icon size, the richest in colour among equals.
/// What `planner` plans of it; false, with `error` set, for a corrupt
/// directory or image, or one whose plan is refused (with `out->refused`).
bool DecodeIcon(std::string_view data, const PicturePlanner& planner, PlannedRaster* out,
                std::string* error);

}  // namespace vornic
