// Takes a picture property apart into the graphic's class name and stream.
#include "pictures/picture_data.h"

#include <cstdint>

#include "lib/dictionary.h"
#include "output/bitmap_data.h"
#include "pictures/byte_fields.h"

namespace vornic {
namespace {

constexpr std::string_view kBmpSignature = "BM";
constexpr std::string_view kJpegSignature = "\xFF\xD8\xFF";
constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1A\n";
// Reserved zero word, then resource type 1 (icon).
constexpr std::string_view kIconSignature{"\0\0\1\0", 4};

int HexDigitValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return -1;
}

}  // namespace

PictureFormat SniffPictureFormat(std::string_view stream) {
  if (stream.starts_with(kBmpSignature)) return PictureFormat::kBmp;
  if (stream.starts_with(kJpegSignature)) return PictureFormat::kJpeg;
  if (stream.starts_with(kPngSignature)) return PictureFormat::kPng;
  if (stream.starts_with(kIconSignature)) return PictureFormat::kIcon;
  return PictureFormat::kUnknown;
}

bool SplitPictureData(std::string_view data, PictureStream* out, std::string* error) {
  const size_t name_size = data.empty() ? 0 : static_cast<uint8_t>(data[0]);
  if (name_size == 0 || name_size >= data.size()) {
    *error = "picture data ends before the class name does";
    return false;
  }
  out->class_name = data.substr(1, name_size);
  const std::string_view rest = data.substr(1 + name_size);
  if (rest.size() >= 4 && Little32(rest, 0) <= rest.size() - 4) {
    out->bytes = rest.substr(4, Little32(rest, 0));
  } else if (SniffPictureFormat(rest) != PictureFormat::kUnknown) {
    // Some graphic classes write their stream without the length in front.
    out->bytes = rest;
  } else if (rest.size() < 4) {
    *error = "picture data ends inside its length";
    return false;
  } else {
    *error = "picture data holds " + std::to_string(rest.size() - 4) + " bytes, its length says " +
             std::to_string(Little32(rest, 0));
    return false;
  }
  out->format = SniffPictureFormat(out->bytes);
  return true;
}

namespace {

// Appends the bytes of `digits` to `bytes`; `pending` carries the high digit
// of a byte whose low digit comes with the next line. False on a character
// that is no hexadecimal digit.
bool AppendHexBytes(std::string_view digits, int& pending, std::string* bytes) {
  for (const char ch : digits) {
    const int value = HexDigitValue(ch);
    if (value < 0) return false;
    if (pending < 0) {
      pending = value;
    } else {
      bytes->push_back(static_cast<char>(pending << 4 | value));
      pending = -1;
    }
  }
  return true;
}

}  // namespace

bool BytesFromHexLines(const TIDictonary& lines, std::string* bytes) {
  bytes->clear();
  int pending = -1;
  const int count = lines.HighIndex();
  for (int index = 1; index <= count; ++index) {
    std::string_view line = lines.GetItem(index);
    if (index == count && line.ends_with('}')) line.remove_suffix(1);
    if (!AppendHexBytes(line, pending, bytes)) return false;
  }
  return pending < 0;
}

bool BytesFromHexLines(const BitmapData& lines, std::string* bytes) {
  bytes->clear();
  std::string_view text = lines.Text();
  if (lines.LastLine().ends_with('}')) text.remove_suffix(1);
  int pending = -1;
  return AppendHexBytes(text, pending, bytes) && pending < 0;
}

bool BytesFromHexText(std::string_view digits, std::string* bytes) {
  bytes->clear();
  bytes->reserve(digits.size() / 2);
  int pending = -1;
  return AppendHexBytes(digits, pending, bytes) && pending < 0;
}

}  // namespace vornic
