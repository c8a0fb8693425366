// FormTextLines: cuts form text, handed over in pieces as it is read or
// written, into logical lines, joining the values that form text continues
// over several physical lines.
#pragma once

#include <string>
#include <string_view>

namespace vornic {

/// A physical line ends at CR LF, a lone CR or a lone LF; character 26 ends
/// the text like the end of the input; a UTF-8 byte order mark at the very
/// start is skipped. A logical line is a physical line with its
/// continuations appended: a line ending in "=" takes the next non-blank line
/// after one blank, a line ending in " +" takes the next non-blank line in
/// place of the "+", merging the two quoted pieces around the join into one.
/// A piece may end anywhere, even inside a CR LF: the lines are the same.
class FormTextLines {
 public:
  /// Receives the logical lines in order.
  class Receiver {
   public:
    virtual ~Receiver() = default;
    /// `line` is valid during the call only; `line_number` is the number of
    /// its first physical line, counting from 1.
    virtual void OnLine(std::string_view line, int line_number) = 0;
  };

  /// The receiver is borrowed and must outlive the lines.
  explicit FormTextLines(Receiver& receiver) : receiver_(receiver) {}
  FormTextLines(const FormTextLines&) = delete;
  FormTextLines& operator=(const FormTextLines&) = delete;

  /// Cuts the next piece of the text; every logical line it completes goes
  /// to the receiver, which may throw. Nothing after a character 26 counts.
  void Add(std::string_view bytes);
  /// Ends the text: the line still open goes to the receiver.
  void Finish();
  /// True once the text has ended: a character 26 came, or Finish.
  bool ended() const { return ended_; }

 private:
  void OnPhysicalLine(std::string_view line);
  /// Appends a continuation to joined_, which ends in "=" or " +" but for blanks.
  void Join(std::string_view next);
  void EndOfText();

  Receiver& receiver_;
  std::string partial_;     // the physical line begun in an earlier piece
  std::string joined_;      // the logical line while continuations follow
  bool continued_ = false;  // joined_ waits for its next non-blank line
  int joined_number_ = 0;   // the number of joined_'s first physical line
  int physical_lines_ = 0;  // physical lines completed so far
  bool skip_lf_ = false;    // the last line ended at a CR; an LF right behind belongs to it
  bool ended_ = false;      // nothing more is cut
};

}  // namespace vornic
