// The bytes of an image's picture property as the form stores them: a short
// string with the graphic's class name (a length byte, then the name), then
// the graphic's own stream, as a rule behind its length in 4 bytes, low first.
#pragma once

#include <string>
#include <string_view>

namespace vornic {

class BitmapData;
class TIDictonary;

/// What a graphic's stream holds, told by its first bytes.
enum class PictureFormat { kUnknown, kBmp, kJpeg, kPng, kIcon };

/// One picture property taken apart. Borrows from the property's bytes,
/// which must outlive it.
struct PictureStream {
  std::string_view class_name;  // e.g. "TBitmap", "TJPEGImage"
  std::string_view bytes;       // the graphic's own stream, without the length
  PictureFormat format = PictureFormat::kUnknown;
};

/// Splits property bytes into class name and stream; false, with `error`
/// set, when the name or the length runs past the end of the data.
bool SplitPictureData(std::string_view data, PictureStream* out, std::string* error);

/// The format whose signature `stream` starts with.
PictureFormat SniffPictureFormat(std::string_view stream);

/// The bytes of hexadecimal data lines as the form text holds them (the last
/// may end in the closing brace); false on any other character or an odd
/// number of digits.
bool BytesFromHexLines(const TIDictonary& lines, std::string* bytes);
/// The same for the data lines an image or bit button collected.
bool BytesFromHexLines(const BitmapData& lines, std::string* bytes);
/// The same for the digits of a whole data value, braces removed.
bool BytesFromHexText(std::string_view digits, std::string* bytes);

}  // namespace vornic
