// Pictures whose size is out of all proportion to their bytes, made in
// memory for the tests and the benchmark of the picture budget: a tiny JPEG
// whose header claims a huge size, and a huge PNG of one colour that
// compresses to almost nothing; and a form whose image shows one.
#pragma once

#include <string>

#include "support/picture_files.h"

namespace vornic {

/// A valid 16 x 16 JPEG of `kind` whose frame header then says `width` x
/// `height`: its data ends long before the rows the header claims.
std::string JpegClaimingSize(int width, int height, JpegKind kind);

/// A valid PNG of `width` x `height` grey pixels, 8 bits, not interlaced,
/// written row by row: a few hundred kilobytes for a picture of hundreds of
/// megabytes.
std::string LargeGreyPng(int width, int height);

/// A form text (LF line ends) whose only control is the image "Image1" at 8,8
/// of `width` x `height`, with the lines `options` (e.g. "    Stretch = True\n")
/// and the picture property `property` as its Picture.Data.
std::string ImageForm(int width, int height, const std::string& options,
                      const std::string& property);

}  // namespace vornic
