// FormTextReader: reads form text as logical lines, joining the values that
// form text continues over several physical lines.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace vornic {

/// Reads lines of any length through a fixed buffer. A physical line ends at
/// CR LF, a lone CR or a lone LF; character 26 ends the text like the end of
/// the input; a UTF-8 byte order mark at the very start is skipped.
/// A logical line is a physical line with its continuations appended: a line
/// ending in "=" takes the next non-blank line after one blank, a line ending
/// in " +" takes the next non-blank line in place of the "+", merging the two
/// quoted pieces around the join into one.
/// The stream is borrowed and must outlive the reader.
class FormTextReader {
 public:
  explicit FormTextReader(std::istream& input);
  FormTextReader(const FormTextReader&) = delete;
  FormTextReader& operator=(const FormTextReader&) = delete;

  /// Reads the next logical line into `line` and the number of its first
  /// physical line (counting from 1) into `line_number`. Returns false at the
  /// end of the text. Throws EInputError when the stream fails.
  bool ReadLine(std::string& line, int& line_number);

 private:
  bool ReadPhysicalLine(std::string& line);
  bool ReadNextNonBlankLine(std::string& line);
  bool FillBuffer();
  void SkipByteOrderMark();

  std::istream& input_;
  std::vector<char> buffer_;
  size_t pos_ = 0;          // next unread byte in buffer_
  size_t end_ = 0;          // one past the last valid byte in buffer_
  bool at_end_ = false;     // the input or a character 26 has ended the text
  bool skip_lf_ = false;    // the last line ended at a CR; an LF right behind belongs to it
  bool started_ = false;    // the byte order mark check has run
  int physical_lines_ = 0;  // physical lines read so far
};

}  // namespace vornic
