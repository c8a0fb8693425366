// Device-independent bitmaps: the BMP file of a TBitmap picture (a 14-byte
// file header, then the DIB) and the DIB of an icon image, whose stored
// height counts its colour rows and the AND mask rows behind them.
#pragma once

#include <string>
#include <string_view>

#include "pictures/picture_budget.h"
#include "pictures/raster.h"

namespace vornic {

/// Decodes a BMP file of 1, 2, 4, 8, 16, 24 or 32 bits per pixel,
/// uncompressed or with bit fields, into what `planner` plans of it. The
/// pixels come out opaque: a stored fourth byte is not drawn as transparency
/// for a bitmap. False, with `error` set, for a truncated, corrupt or
/// compressed bitmap, or one whose plan is refused (with `out->refused`).
bool DecodeBmpFile(std::string_view file, const PicturePlanner& planner, PlannedRaster* out,
                   std::string* error);
/// The same for the whole picture, as PicturePlanner() plans it.
bool DecodeBmpFile(std::string_view file, Raster* out, std::string* error);

/// Decodes the DIB of an icon image as DecodeBmpFile does: transparency from
/// the alpha of a 32-bit image when it has any, otherwise from the AND mask,
/// which must be there.
bool DecodeIconDib(std::string_view dib, const PicturePlanner& planner, PlannedRaster* out,
                   std::string* error);

}  // namespace vornic
