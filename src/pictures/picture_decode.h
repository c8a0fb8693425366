// Decoding an image's picture property into pixels, whatever graphic class
// stored it.
#pragma once

#include <string>
#include <string_view>

#include "pictures/picture_budget.h"
#include "pictures/raster.h"

namespace vornic {

/// What became of a picture property.
enum class PictureOutcome {
  kDecoded,      // the raster holds the picture
  kEmpty,        // the graphic holds no picture: nothing is lost
  kUnsupported,  // a class or format that is not decoded, e.g. a metafile
  kCorrupt,      // the data is damaged or truncated
  kRefused,      // beyond its budget or a bitmap, or for a control that shows nothing
};

struct DecodedPicture {
  PictureOutcome outcome = PictureOutcome::kCorrupt;
  Raster raster;    // the pixels, with their transparency, when decoded
  DecodePlan plan;  // which part of the picture `raster` holds, at what size
  std::string
      reason;  // why there are no pixels otherwise, e.g. "TMetafile pictures are not decoded"
};

/// Decodes the bytes of a picture property: BMP, JPEG, PNG and icon streams,
/// recognised by their signature; as much of the picture as `planner` plans
/// (by default the whole of it). Never throws for bad data.
DecodedPicture DecodePicture(std::string_view property,
                             const PicturePlanner& planner = PicturePlanner());

}  // namespace vornic
