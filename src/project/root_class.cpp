// A binary form file begins with a resource header (0xFF, the type, a name
// ending in a zero byte, flags and size), the signature and the root
// object's record: an optional prefix byte (with a child position after it
// when its flag says so), then the class name as a short string. Form text
// begins with the root's object line.
#include "project/root_class.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "input/form_format.h"
#include "lib/text.h"

namespace vornic {

namespace {

// The root's class name lies within the first bytes of either encoding.
constexpr size_t kStartBytes = 1024;

// A cursor over the start of a binary form file; reading past it gives
// false, as a file cut short does.
class Bytes {
 public:
  explicit Bytes(std::string_view bytes) : bytes_(bytes) {}

  bool Skip(size_t count) {
    if (bytes_.size() - at_ < count) return false;
    at_ += count;
    return true;
  }
  bool Byte(uint8_t& byte) {
    if (at_ >= bytes_.size()) return false;
    byte = static_cast<uint8_t>(bytes_[at_++]);
    return true;
  }
  bool Text(size_t count, std::string& text) {
    if (bytes_.size() - at_ < count) return false;
    text.assign(bytes_.substr(at_, count));
    at_ += count;
    return true;
  }
  std::string_view rest() const { return bytes_.substr(at_); }

 private:
  std::string_view bytes_;
  size_t at_ = 0;
};

std::string BinaryRootClass(std::string_view start) {
  Bytes bytes(start);
  uint8_t marker = 0, type_low = 0, type_high = 0;
  if (!bytes.Byte(marker) || !bytes.Byte(type_low) || !bytes.Byte(type_high)) return "";
  if (marker != form::kResourceTypeMarker || (type_low | type_high << 8) != form::kResourceTypeRcData)
    return "";
  // The resource's name, its zero byte, flags and size.
  const size_t name_end = bytes.rest().find('\0');
  if (name_end == std::string_view::npos || !bytes.Skip(name_end + 1 + 2 + 4)) return "";
  std::string signature;
  if (!bytes.Text(sizeof form::kSignature, signature) ||
      std::memcmp(signature.data(), form::kSignature, sizeof form::kSignature) != 0)
    return "";
  uint8_t byte = 0;
  if (!bytes.Byte(byte)) return "";
  if ((byte & form::kPrefixMask) == form::kPrefixMask) {
    if ((byte & form::kFlagChildPos) != 0) {
      uint8_t tag = 0;
      if (!bytes.Byte(tag)) return "";
      const size_t size = tag == form::kInt8 ? 1 : tag == form::kInt16 ? 2 : tag == form::kInt32 ? 4 : 0;
      if (size == 0 || !bytes.Skip(size)) return "";
    }
    if (!bytes.Byte(byte)) return "";
  }
  std::string class_name;
  if (!bytes.Text(byte, class_name)) return "";
  return class_name;
}

bool IsNamePart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '.' || static_cast<unsigned char>(c) >= 0x80;
}

// "object Name: TClass", "inherited Name: TClass [2]" or "object TClass".
std::string TextRootClass(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return "";
  text.remove_prefix(first);
  std::string_view line = text.substr(0, text.find_first_of("\r\n"));
  const size_t kind_end = line.find_first_of(" \t");
  if (kind_end == std::string_view::npos) return "";
  const std::string kind = UpperText(std::string(line.substr(0, kind_end)));
  if (kind != "OBJECT" && kind != "INHERITED" && kind != "INLINE") return "";
  line.remove_prefix(kind_end);
  if (const size_t colon = line.find(':'); colon != std::string_view::npos) {
    line.remove_prefix(colon + 1);
  }
  const size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return "";
  size_t end = start;
  while (end < line.size() && IsNamePart(line[end])) ++end;
  return std::string(line.substr(start, end - start));
}

}  // namespace

std::string RootClassOf(std::istream& input) {
  std::string start(kStartBytes, '\0');
  input.read(start.data(), static_cast<std::streamsize>(start.size()));
  start.resize(static_cast<size_t>(input.gcount()));
  if (start.empty()) return "";
  if (static_cast<uint8_t>(start[0]) == form::kResourceTypeMarker) return BinaryRootClass(start);
  return TextRootClass(start);
}

}  // namespace vornic
