// UTF-8 decoding for the newer string tag: valid sequences of every length,
// and one U+FFFD per maximal ill-formed piece.
#include "input/utf8_decode.h"

#include <gtest/gtest.h>

namespace vornic {
namespace {

TEST(Utf8DecodeTest, DecodesEverySequenceLength) {
  EXPECT_EQ(Utf8ToUtf16("a\xC3\xA9\xE2\x82\xAC"), u"a\u00E9\u20AC");
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600");  // a surrogate pair
  EXPECT_EQ(Utf8ToUtf16(std::string_view("\0", 1)), std::u16string(1, u'\0'));
}

TEST(Utf8DecodeTest, ReplacesIllFormedPieces) {
  EXPECT_EQ(Utf8ToUtf16("\x80z"), u"\uFFFDz");                              // stray continuation
  EXPECT_EQ(Utf8ToUtf16("\xC0\x80"), u"\uFFFD\uFFFD");                      // overlong lead
  EXPECT_EQ(Utf8ToUtf16("\xE0\x80\x80"), u"\uFFFD\uFFFD\uFFFD");            // overlong three bytes
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");            // encoded surrogate
  EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // past U+10FFFF
  EXPECT_EQ(Utf8ToUtf16("\xE2\x82z"), u"\uFFFDz");  // cut short, next byte kept
  EXPECT_EQ(Utf8ToUtf16("\xE2\x82"), u"\uFFFD");    // cut by the end
  EXPECT_EQ(Utf8ToUtf16("\xFF"), u"\uFFFD");
}

}  // namespace
}  // namespace vornic
