// Code pages through iconv: "CP<number>" names every Windows code page the
// forms use, and UTF-16LE is assembled into code units by hand, whatever the
// machine's byte order.
#include "input/code_page_decode.h"

#include <iconv.h>

#include <cerrno>
#include <string>

#include "input/utf8_decode.h"

namespace vornic {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr int kWesternCodePage = 1252;

// An open conversion, closed when it goes.
class Conversion {
 public:
  explicit Conversion(int code_page)
      : handle_(iconv_open("UTF-16LE", ("CP" + std::to_string(code_page)).c_str())) {}
  Conversion(const Conversion&) = delete;
  Conversion& operator=(const Conversion&) = delete;
  ~Conversion() {
    if (ok()) iconv_close(handle_);
  }
  bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of `bytes`; a byte that starts no character of the code
  // page is replaced and skipped.
  std::u16string Run(std::string_view bytes) {
    std::u16string text;
    std::string input(bytes);
    char* in = input.data();
    size_t in_left = input.size();
    while (in_left > 0) {
      char buffer[256];
      char* out = buffer;
      size_t out_left = sizeof buffer;
      const size_t done = iconv(handle_, &in, &in_left, &out, &out_left);
      const int failure = errno;
      Append(text, buffer, static_cast<size_t>(out - buffer));
      if (done != static_cast<size_t>(-1) || failure == E2BIG) continue;
      // An invalid or cut-short sequence: one replacement for its first byte.
      text += kReplacement;
      ++in;
      --in_left;
      iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    }
    return text;
  }

 private:
  static void Append(std::u16string& text, const char* bytes, size_t size) {
    for (size_t i = 0; i + 1 < size; i += 2) {
      text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                    static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
  }

  iconv_t handle_;
};

}  // namespace

bool KnowsCodePage(int code_page) {
  return code_page == kUtf8CodePage || Conversion(code_page).ok();
}

std::u16string DecodeCodePage(std::string_view bytes, int code_page) {
  if (code_page == kUtf8CodePage) return Utf8ToUtf16(bytes);
  Conversion conversion(code_page);
  if (!conversion.ok()) return DecodeCodePage(bytes, kWesternCodePage);
  return conversion.Run(bytes);
}

}  // namespace vornic
