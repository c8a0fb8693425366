// Transliteration by table: the Latin letters with diacritics of U+00C0 to
// U+024F (Latin-1, Extended-A and -B: Romanian, Pinyin ...) and U+1E00 to
// U+1EFF (Vietnamese and others) become their base letters, as their
// compatibility decomposition gives them; anything else is "_".
#include "lib/ascii_identifier.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace vornic {
namespace {

// The base letter of each code point of a range; "*" marks the letters
// written with two (kTwoLetterBases), "_" the signs and letters with no
// Latin base.
struct LatinRange {
  char32_t first;
  std::string_view bases;
};

constexpr LatinRange kLatinRanges[] = {
    {0xC0,
     "AAAAAA*CEEEEIIIIDNOOOOO_OUUUUY**aaaaaa*ceeeeiiiidnooooo_ouuuuy*y"
     "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi**JjKkkLlLlLlL"
     "lLlNnNnNnnNnOoOoOo**RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs"
     "bBBb___Cc_DDd____FfG_*_IKkl__NnOOo**Pp_____tTtTUu_VYyZz_________"
     "____*********AaIiOoUuUuUuUuUu_AaAa**GgGgKkOoOo__j***Gg__NnAa**Oo"
     "AaAaEeEeIiIiOoOoRrRrUuUuSsTt__HhNd**ZzAaEeOoOoOoOoYylnt___ACcLTs"
     "z__B__EeJj_qRrYy"},
    {0x1E00,
     "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"
     "MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"
     "WwWwWwWwWwXxXxYyZzZzZzhtwyasss*_AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"
     "EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy____Yy"},
};
static_assert(kLatinRanges[0].bases.size() == 0x250 - 0xC0);
static_assert(kLatinRanges[1].bases.size() == 0x100);

struct TwoLetters {
  char32_t code;
  const char* base;
};
constexpr TwoLetters kTwoLetterBases[] = {
    {0xC6, "AE"},  {0xDE, "TH"},  {0xDF, "ss"},  {0xE6, "ae"},  {0xFE, "th"},  {0x132, "IJ"},
    {0x133, "ij"}, {0x152, "OE"}, {0x153, "oe"}, {0x195, "hv"}, {0x1A2, "OI"}, {0x1A3, "oi"},
    {0x1C4, "DZ"}, {0x1C5, "Dz"}, {0x1C6, "dz"}, {0x1C7, "LJ"}, {0x1C8, "Lj"}, {0x1C9, "lj"},
    {0x1CA, "NJ"}, {0x1CB, "Nj"}, {0x1CC, "nj"}, {0x1E2, "AE"}, {0x1E3, "ae"}, {0x1F1, "DZ"},
    {0x1F2, "Dz"}, {0x1F3, "dz"}, {0x1FC, "AE"}, {0x1FD, "ae"}, {0x222, "OU"}, {0x223, "ou"},
    {0x1E9E, "SS"}};

// The base of `code`: one letter, '*' for two, '_' for none.
char BaseOf(char32_t code) {
  for (const LatinRange& range : kLatinRanges) {
    if (code >= range.first && code < range.first + range.bases.size()) {
      return range.bases[code - range.first];
    }
  }
  return code == 0x192 ? 'f' : '_';  // the florin sign of Windows-1252 is a Latin letter too
}

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
  } else if (const char base = BaseOf(code); base != '*') {
    out += base;
  } else {
    for (const TwoLetters& two : kTwoLetterBases) {
      if (two.code == code) out += two.base;
    }
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
