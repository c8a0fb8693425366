// The lines of a binary value in form text: hexadecimal digits, the last line
// closed by "}". Most of a form with pictures is such lines.
#pragma once

#include <cstddef>
#include <string_view>

namespace vornic {

/// True for a word of bitmap data: hexadecimal digits (either case), perhaps
/// followed by one "}".
bool IsBitmapDataWord(std::string_view word);

/// The length of the line at the front of `text` when it is a line of bitmap
/// data and nothing else: blanks, a non-empty IsBitmapDataWord, and an LF or
/// CR LF that lies within `text`; `word` is then set to the word. 0, leaving
/// `word` alone, for any other front, a line cut short by the end of `text`
/// included.
size_t BitmapDataLineAt(std::string_view text, std::string_view& word);

}  // namespace vornic
