// TIImage: regroups an object's hexadecimal bitmap text into 16-byte lines of
// a BITMAP entry and appends the entry to the run's resource script.
#include "output/resource_script.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "lib/errors.h"
#include "lib/file_replacement.h"

namespace vornic {
namespace {

constexpr size_t kCharsPerLine = 32;  // 16 bytes as hexadecimal pairs
constexpr size_t kPatchedLine = 3;    // the script line that holds bytes 32 to 47
constexpr size_t kPatchedPair = 14;   // byte 46 is the 15th pair of that line

// The script sits beside the program; a program name without a file-name part
// ("" or "dir/") still needs one, so the directory keeps "noname".
std::string ScriptBaseWithName(const std::string& base) {
  const size_t cut = base.find_last_of("/\\:");
  const size_t name_start = cut == std::string::npos ? 0 : cut + 1;
  return name_start == base.size() ? base + "noname" : base;
}

// " '", 16 pairs with a blank between them, "'" and CR LF.
constexpr size_t kScriptLineSize = 2 + kCharsPerLine / 2 * 3 - 1 + 3;

// The size of the quoted line of `pairs` pairs.
size_t ScriptLineSize(size_t pairs) { return 2 + (pairs == 0 ? 0 : pairs * 3 - 1) + 3; }

// Writes the quoted script line of the first `pairs` hexadecimal pairs at
// `hex` at `out` and returns the end.
char* PutScriptLine(const char* hex, size_t pairs, char* out) {
  *out++ = ' ';
  *out++ = '\'';
  for (size_t pair = 0; pair < pairs; ++pair) {
    std::memcpy(out, hex + 2 * pair, 2);
    out[2] = ' ';
    out += 3;
  }
  // The blank behind the last pair becomes the closing quote.
  if (pairs > 0) --out;
  std::memcpy(out, "'\r\n", 3);
  return out + 3;
}

// The same for a full line. Most of a script is such lines: two pairs and
// their blanks ("XX XX ") go out in one eight-byte store, of which the next
// store or the line's end overwrites the last two bytes.
char* PutFullScriptLine(const char* hex, char* out) {
  if constexpr (std::endian::native != std::endian::little) {
    return PutScriptLine(hex, kCharsPerLine / 2, out);
  }
  constexpr uint64_t kBlanks = uint64_t{' '} << 16 | uint64_t{' '} << 40;
  *out++ = ' ';
  *out++ = '\'';
  for (size_t at = 0; at < kCharsPerLine; at += 4) {
    uint32_t pairs;
    std::memcpy(&pairs, hex + at, 4);
    const uint64_t bytes = (pairs & 0xFFFF) | uint64_t{pairs >> 16} << 24 | kBlanks;
    std::memcpy(out, &bytes, 8);
    out += 6;
  }
  std::memcpy(out - 1, "'\r\n", 3);
  return out + 2;
}

}  // namespace

bool TIImage::IsComplete() {
  Complete =
      !ControlName.empty() && !Left.empty() && !Top.empty() && !Width.empty() && !Height.empty();
  return Complete;
}

void TIImage::Reset() {
  ControlName.clear();
  Left.clear();
  Top.clear();
  Width.clear();
  Height.clear();
  Complete = false;
  DataLines.Clear();
}

void TIImage::ScriptEntry(std::string_view data, std::string& entry) const {
  const std::string head = "BMP_" + ControlName + " BITMAP\r\nBEGIN\r\n";
  constexpr std::string_view kTail = "END\r\n\r\n";
  const size_t full_lines = data.size() / kCharsPerLine;
  const size_t rest = data.size() - full_lines * kCharsPerLine;
  entry.resize(head.size() + full_lines * kScriptLineSize + ScriptLineSize(rest / 2) +
               kTail.size());
  char* out = std::copy(head.begin(), head.end(), entry.data());
  for (size_t line = 0; line < full_lines; ++line) {
    out = PutFullScriptLine(data.data() + line * kCharsPerLine, out);
  }
  // The remainder closes the data, even when it is empty (the line " ''"); a
  // final odd character has no partner and is dropped.
  out = PutScriptLine(data.data() + full_lines * kCharsPerLine, rest / 2, out);
  std::copy(kTail.begin(), kTail.end(), out);
  // Byte 46, the low byte of the info header's count of colours used, is
  // written as zero, so that the palette size follows from the bit depth.
  constexpr size_t kPatchedAt = (kPatchedLine - 1) * kCharsPerLine + 2 * kPatchedPair;
  if (data.size() >= kPatchedAt + 2) {
    char* pair =
        entry.data() + head.size() + (kPatchedLine - 1) * kScriptLineSize + 2 + 3 * kPatchedPair;
    pair[0] = pair[1] = '0';
  }
}

void TIImage::WriteBitmap(int skip) {
  if (DataLines.LineCount() == 0) {
    throw ERangeError("No bitmap data for " + ControlName);
  }
  ScriptEntry(DataLines.Joined(skip, joined_), entry_);
  AppendEntry(entry_);
}

void TIImage::WriteBitmapFile(std::string_view bmp_file) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(bmp_file.size() * 2);
  for (const char byte : bmp_file) {
    hex += kDigits[static_cast<uint8_t>(byte) >> 4];
    hex += kDigits[static_cast<uint8_t>(byte) & 0xF];
  }
  ScriptEntry(hex, entry_);
  AppendEntry(entry_);
}

void TIImage::AppendEntry(std::string_view entry) {
  // The entry is built whole first, so a failure never leaves half of it in the script.
  if (script_ == nullptr) {
    ScriptBaseName = ScriptBaseWithName(ScriptBaseName);
    script_ = std::make_unique<FileReplacement>(ScriptBaseName + ".rc");
    ScriptPending = false;
  }
  script_->Write(entry);
}

}  // namespace vornic
