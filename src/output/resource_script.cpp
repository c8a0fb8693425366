// TIImage: regroups an object's hexadecimal bitmap text into 16-byte lines of
// a BITMAP entry and appends the entry to the run's resource script.
#include "output/resource_script.h"

#include <cstdint>
#include <memory>
#include <string_view>

#include "lib/errors.h"
#include "lib/file_replacement.h"
#include "lib/text.h"

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

// One quoted script line from up to 32 hexadecimal characters; a final odd
// character has no partner and is dropped.
void AppendScriptLine(std::string_view piece, int line_number, std::string& out) {
  out += " '";
  const size_t pairs = piece.size() / 2;
  for (size_t pair = 0; pair < pairs; ++pair) {
    if (pair > 0) out += ' ';
    const size_t at = pair * 2;
    // Byte 46, the low byte of the info header's count of colours used, is
    // written as zero, so that the palette size follows from the bit depth.
    if (line_number == kPatchedLine && at == kPatchedChar) {
      out += "00";
    } else {
      out += piece.substr(at, 2);
    }
  }
  out += "'\r\n";
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
    std::string line = DataLines.GetItem(index);
    // The first characters hold the graphic's class name and length, not the bitmap file.
    if (index == 1) line = CopyText(line, skip + 1, static_cast<int>(line.size()));
    if (index == count) line = RemoveChar(line, "}");
    data += line;
  }
  return data;
}

std::string TIImage::ScriptEntry(std::string_view data) const {
  std::string entry = "BMP_" + ControlName + " BITMAP\r\nBEGIN\r\n";
  entry.reserve(entry.size() + data.size() * 3 / 2 + data.size() / 8 + 16);
  int line_number = 0;
  size_t start = 0;
  for (; data.size() - start >= kCharsPerLine; start += kCharsPerLine) {
    AppendScriptLine(data.substr(start, kCharsPerLine), ++line_number, entry);
  }
  // The remainder closes the data, even when it is empty (the line " ''").
  AppendScriptLine(data.substr(start), ++line_number, entry);
  entry += "END\r\n\r\n";
  return entry;
}

void TIImage::WriteBitmap(int skip) {
  if (DataLines.HighIndex() == 0) {
    throw ERangeError("No bitmap data for " + ControlName);
  }
  AppendEntry(ScriptEntry(JoinedData(skip)));
}

void TIImage::WriteBitmapFile(std::string_view bmp_file) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(bmp_file.size() * 2);
  for (const char byte : bmp_file) {
    hex += kDigits[static_cast<uint8_t>(byte) >> 4];
    hex += kDigits[static_cast<uint8_t>(byte) & 0xF];
  }
  AppendEntry(ScriptEntry(hex));
}

void TIImage::AppendEntry(const std::string& entry) {
  // The entry is built whole first, so a failure never leaves half of it in the script.
  if (script_ == nullptr) {
    ScriptBaseName = ScriptBaseWithName(ScriptBaseName);
    script_ = std::make_unique<FileReplacement>(ScriptBaseName + ".rc");
    ScriptPending = false;
  }
  script_->Write(entry);
}

}  // namespace vornic
