// Picks the decoder for a picture property by the signature of its stream;
// the class name only decides what a stream without a known signature means.
#include "pictures/picture_decode.h"

#include <utility>

#include "pictures/dib_decode.h"
#include "pictures/icon_decode.h"
#include "pictures/jpeg_decode.h"
#include "pictures/picture_data.h"
#include "pictures/png_decode.h"

namespace vornic {
namespace {

// Classes whose stream must be one of the formats decoded here; anything
// else in them is damage rather than a format this tool does not know.
bool IsRasterClass(std::string_view name) {
  return name == "TBitmap" || name == "TJPEGImage" || name == "TPngImage" || name == "TPNGObject" ||
         name == "TIcon";
}

// The class name goes into warnings on the console: keep control bytes out.
std::string PrintableName(std::string_view name) {
  std::string printable(name);
  for (char& ch : printable) {
    if (ch < '!' || ch > '~') ch = '?';
  }
  return printable;
}

DecodedPicture NoPixels(PictureOutcome outcome, std::string reason) {
  DecodedPicture result;
  result.outcome = outcome;
  result.reason = std::move(reason);
  return result;
}

bool DecodeStream(const PictureStream& stream, const PicturePlanner& planner, PlannedRaster* out,
                  std::string* error) {
  switch (stream.format) {
    case PictureFormat::kBmp:
      return DecodeBmpFile(stream.bytes, planner, out, error);
    case PictureFormat::kJpeg:
      return DecodeJpeg(stream.bytes, planner, out, error);
    case PictureFormat::kPng:
      return DecodePng(stream.bytes, planner, out, error);
    case PictureFormat::kIcon:
      return DecodeIcon(stream.bytes, planner, out, error);
    case PictureFormat::kUnknown:
      break;
  }
  *error = "unknown picture format";
  return false;
}

}  // namespace

DecodedPicture DecodePicture(std::string_view property, const PicturePlanner& planner) {
  PictureStream stream;
  std::string error;
  if (!SplitPictureData(property, &stream, &error)) {
    return NoPixels(PictureOutcome::kCorrupt, error);
  }
  const std::string class_name = PrintableName(stream.class_name);
  if (class_name == "TMetafile") {
    return NoPixels(PictureOutcome::kUnsupported, "TMetafile pictures are not decoded");
  }
  if (stream.bytes.empty()) {
    return NoPixels(PictureOutcome::kEmpty, class_name + " holds no picture");
  }
  if (stream.format == PictureFormat::kUnknown) {
    if (IsRasterClass(class_name)) {
      return NoPixels(PictureOutcome::kCorrupt, class_name + " data in no known picture format");
    }
    return NoPixels(PictureOutcome::kUnsupported, class_name + " pictures are not decoded");
  }
  PlannedRaster decoded;
  if (!DecodeStream(stream, planner, &decoded, &error)) {
    return NoPixels(decoded.refused ? PictureOutcome::kRefused : PictureOutcome::kCorrupt,
                    class_name + ": " + error);
  }
  DecodedPicture result;
  result.outcome = PictureOutcome::kDecoded;
  result.raster = std::move(decoded.raster);
  result.plan = decoded.plan;
  return result;
}

}  // namespace vornic
