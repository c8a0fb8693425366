// The two entry points of the text to binary conversion: the bare object
// stream, and the same behind a 16-bit resource header.
#include "input/text_to_binary.h"

#include <algorithm>
#include <ostream>
#include <streambuf>
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

// Takes every byte and forgets it, keeping only the positions, so a sink
// can still seek back to fill in a size.
class DiscardingBuffer : public std::streambuf {
 protected:
  std::streamsize xsputn(const char*, std::streamsize count) override {
    Advance(count);
    return count;
  }
  int_type overflow(int_type c) override {
    Advance(1);
    return traits_type::not_eof(c);
  }
  pos_type seekoff(off_type offset, std::ios_base::seekdir from, std::ios_base::openmode) override {
    const off_type base = from == std::ios_base::beg ? 0 : from == std::ios_base::cur ? at_ : end_;
    at_ = base + offset;
    return at_;
  }
  pos_type seekpos(pos_type position, std::ios_base::openmode) override {
    at_ = position;
    return position;
  }

 private:
  void Advance(std::streamsize count) {
    at_ += count;
    end_ = std::max(end_, at_);
  }

  off_type at_ = 0;   // where the next byte would go
  off_type end_ = 0;  // one past the furthest byte taken
};

}  // namespace

void CheckFormText(std::istream& input) {
  DiscardingBuffer nowhere;
  std::ostream output(&nowhere);
  FormTextToResource(input, output);
}

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
