// TIImage: regroups an object's hexadecimal bitmap text into 16-byte lines of
// a BITMAP entry and appends the entry to the run's resource script.
#include "output/resource_script.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "lib/errors.h"
#include "lib/file_replacement.h"

namespace vornic {
namespace {

constexpr size_t kCharsPerLine = 32;  // 16 bytes as hexadecimal pairs
constexpr int kPatchedLine = 3;       // the script line that holds bytes 32 to 47
constexpr size_t kPatchedChar = 28;   // byte 46 is the 15th pair of that line

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

// Writes one quoted script line from up to 32 hexadecimal characters at
// `out` and returns the end; a final odd character has no partner and is
// dropped.
char* PutScriptLine(std::string_view piece, int line_number, char* out) {
  *out++ = ' ';
  *out++ = '\'';
  const size_t pairs = piece.size() / 2;
  for (size_t pair = 0; pair < pairs; ++pair) {
    if (pair > 0) *out++ = ' ';
    const size_t at = pair * 2;
    // Byte 46, the low byte of the info header's count of colours used, is
    // written as zero, so that the palette size follows from the bit depth.
    const bool patched = line_number == kPatchedLine && at == kPatchedChar;
    out[0] = patched ? '0' : piece[at];
    out[1] = patched ? '0' : piece[at + 1];
    out += 2;
  }
  std::memcpy(out, "'\r\n", 3);
  return out + 3;
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

std::string TIImage::JoinedData(int skip) const {
  const int count = DataLines.HighIndex();
  std::string data;
  size_t total = 0;
  for (int index = 1; index <= count; ++index) total += DataLines.GetItem(index).size();
  data.reserve(total);
  for (int index = 1; index <= count; ++index) {
    std::string_view line = DataLines.GetItem(index);
    // The first characters hold the graphic's class name and length, not
    // the bitmap file; what a NUL cuts off is no data either.
    if (index == 1 && skip < 0) line = {};
    if (index == 1 && skip >= 0) {
      line.remove_prefix(std::min(line.size(), static_cast<size_t>(skip)));
      line = line.substr(0, line.find('\0'));
    }
    const size_t start = data.size();
    data += line;
    if (index == count) data.erase(std::remove(data.begin() + start, data.end(), '}'), data.end());
  }
  return data;
}

void TIImage::ScriptEntry(std::string_view data, std::string& entry) const {
  const std::string head = "BMP_" + ControlName + " BITMAP\r\nBEGIN\r\n";
  constexpr std::string_view kTail = "END\r\n\r\n";
  const size_t full_lines = data.size() / kCharsPerLine;
  const size_t rest = data.size() - full_lines * kCharsPerLine;
  entry.resize(head.size() + full_lines * kScriptLineSize + ScriptLineSize(rest / 2) +
               kTail.size());
  char* out = std::copy(head.begin(), head.end(), entry.data());
  int line_number = 0;
  for (size_t start = 0; start < full_lines * kCharsPerLine; start += kCharsPerLine) {
    out = PutScriptLine(data.substr(start, kCharsPerLine), ++line_number, out);
  }
  // The remainder closes the data, even when it is empty (the line " ''").
  out = PutScriptLine(data.substr(full_lines * kCharsPerLine), ++line_number, out);
  std::copy(kTail.begin(), kTail.end(), out);
}

void TIImage::WriteBitmap(int skip) {
  if (DataLines.HighIndex() == 0) {
    throw ERangeError("No bitmap data for " + ControlName);
  }
  ScriptEntry(JoinedData(skip), entry_);
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
