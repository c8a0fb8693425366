// The two entry points of the text to binary conversion: the bare object
// stream, and the same behind a 16-bit resource header.
#include "input/text_to_binary.h"

#include <string>

#include "input/byte_sink.h"
#include "input/form_format.h"
#include "input/form_text_converter.h"
#include "input/record_encoding.h"

namespace vornic {
namespace {

// The header's name area holds 70 bytes of the class name at most, so the
// whole header stays within the 80 bytes that readers take in.
constexpr size_t kMaxHeaderName = 70;

// The resource header with a zero data size; the size is its last 4 bytes.
void PutResourceHeader(std::string& out, std::string_view root_class) {
  PutByte(out, form::kResourceTypeMarker);
  PutLittleEndian(out, form::kResourceTypeRcData, 2);
  for (char c : root_class.substr(0, kMaxHeaderName)) {
    out += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  PutByte(out, 0);
  PutLittleEndian(out, form::kResourceMemoryFlags, 2);
  PutLittleEndian(out, 0, 4);
}

}  // namespace

void FormTextToResource(std::istream& input, std::ostream& output) {
  ByteSink sink(output);
  uint64_t size_at = 0;
  ConvertFormText(input, sink, [&sink, &size_at](std::string_view root_class) {
    PutResourceHeader(sink.pending(), root_class);
    size_at = sink.position() - 4;
  });
  sink.FillInSize(size_at);
  sink.Finish();
}

void FormTextToBinary(std::istream& input, std::ostream& output) {
  ByteSink sink(output);
  ConvertFormText(input, sink);
  sink.Finish();
}

}  // namespace vornic
