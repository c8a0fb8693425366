// Transliteration by table: the code points U+00C0 to U+017F hold nearly all
// the accented Latin letters that names in forms use; anything beyond is "_".
#include "lib/ascii_identifier.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace vornic {
namespace {

constexpr char32_t kFirstLatin = 0xC0;

// The base letter of each code point from U+00C0 to U+017F; "*" marks the
// letters written with two (kTwoLetterBases), "_" the two signs of the range.
constexpr std::string_view kBaseLetters =
    "AAAAAA*CEEEEIIIIDNOOOOO_OUUUUY**aaaaaa*ceeeeiiiidnooooo_ouuuuy*y"
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi**JjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOoOo**RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(kBaseLetters.size() == 0x180 - kFirstLatin);

struct TwoLetters {
  char32_t code;
  const char* base;
};
constexpr TwoLetters kTwoLetterBases[] = {{0xC6, "AE"},  {0xDE, "TH"},  {0xDF, "ss"},
                                          {0xE6, "ae"},  {0xFE, "th"},  {0x132, "IJ"},
                                          {0x133, "ij"}, {0x152, "OE"}, {0x153, "oe"}};

// The letters among the bytes 0x80 to 0x9F of Windows-1252, by code point;
// the other bytes there are signs.
constexpr char32_t kWindows1252Letters[32] = {
    0, 0, 0, 0x192, 0, 0, 0, 0, 0, 0, 0x160, 0, 0x152, 0, 0x17D, 0,
    0, 0, 0, 0,     0, 0, 0, 0, 0, 0, 0x161, 0, 0x153, 0, 0x17E, 0x178};

char32_t Windows1252(unsigned char byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  const char32_t letter = kWindows1252Letters[byte - 0x80];
  return letter != 0 ? letter : '?';
}

// The length of the sequence that `lead` begins; 0 for a byte that begins none.
int Utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead < 0xC2) return 0;  // a continuation byte, or the lead of an overlong pair
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  return lead < 0xF5 ? 4 : 0;
}

// Decodes well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF); false for anything else.
bool DecodeUtf8(const std::string& text, std::vector<char32_t>& codes) {
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const int length = Utf8Length(lead);
    if (length == 0 || i + static_cast<size_t>(length) > text.size()) return false;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = code << 6 | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    codes.push_back(code);
    i += length;
  }
  return true;
}

bool IsIdentifierByte(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

void AppendAscii(char32_t code, std::string& out) {
  const bool letter = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
  if (letter || (code >= '0' && code <= '9') || code == '_') {
    out += static_cast<char>(code);
  } else if (code >= kFirstLatin && code < kFirstLatin + kBaseLetters.size()) {
    const char base = kBaseLetters[code - kFirstLatin];
    if (base != '*') {
      out += base;
      return;
    }
    for (const TwoLetters& two : kTwoLetterBases) {
      if (two.code == code) out += two.base;
    }
  } else if (code == 0x192) {
    out += 'f';  // the florin sign of Windows-1252 is a Latin letter too
  } else {
    out += '_';
  }
}

}  // namespace

std::string AsciiIdentifier(const std::string& name) {
  // Nearly every name in a form is made of such characters already.
  if (std::all_of(name.begin(), name.end(), IsIdentifierByte)) {
    if (name.empty() || name[0] < '0' || name[0] > '9') return name;
    return "_" + name;
  }
  std::vector<char32_t> codes;
  if (!DecodeUtf8(name, codes)) {
    codes.clear();
    for (char byte : name) codes.push_back(Windows1252(static_cast<unsigned char>(byte)));
  }
  std::string out;
  out.reserve(name.size());
  for (char32_t code : codes) AppendAscii(code, out);
  if (!out.empty() && out[0] >= '0' && out[0] <= '9') out.insert(0, "_");
  return out;
}

}  // namespace vornic
