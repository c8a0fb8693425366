// The two entry points of the text to binary conversion: the bare object
// stream, and the same behind a 16-bit resource header.
#include "input/text_to_binary.h"

#include <string>

#include "input/form_format.h"
#include "input/form_text_converter.h"
#include "input/record_encoding.h"
#include "lib/errors.h"

namespace vornic {
namespace {

// The header's name area holds 70 bytes of the class name at most, so the
// whole header stays within the 80 bytes that readers take in.
constexpr size_t kMaxHeaderName = 70;

void WriteAll(std::ostream& output, const std::string& bytes) {
  output.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!output) throw EWriteError("Stream write error");
}

// The root class name as stored in the record behind the signature.
std::string RootClassName(const std::string& data) {
  size_t pos = sizeof form::kSignature;
  auto prefix = static_cast<uint8_t>(data[pos]);
  if ((prefix & form::kPrefixMask) == form::kPrefixMask) {
    ++pos;
    if (prefix & form::kFlagChildPos) {
      auto tag = static_cast<uint8_t>(data[pos++]);
      pos += tag == form::kInt8 ? 1 : tag == form::kInt16 ? 2 : 4;
    }
  }
  size_t length = static_cast<uint8_t>(data[pos++]);
  return data.substr(pos, length);
}

std::string ResourceHeader(const std::string& data) {
  std::string name = RootClassName(data).substr(0, kMaxHeaderName);
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  std::string header;
  PutByte(header, form::kResourceTypeMarker);
  PutLittleEndian(header, form::kResourceTypeRcData, 2);
  header += name;
  PutByte(header, 0);
  PutLittleEndian(header, form::kResourceMemoryFlags, 2);
  PutLittleEndian(header, data.size(), 4);
  return header;
}

}  // namespace

void FormTextToResource(std::istream& input, std::ostream& output) {
  std::string data = ConvertFormText(input);
  WriteAll(output, ResourceHeader(data));
  WriteAll(output, data);
}

void FormTextToBinary(std::istream& input, std::ostream& output) {
  WriteAll(output, ConvertFormText(input));
}

}  // namespace vornic
