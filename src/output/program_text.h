// TSDPR: the generated program kept in named sections while it is built, and
// joined in one fixed order at the end.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vornic {

class FileReplacement;

/// Holds the frame of the generated Object Pascal program cut into named
/// sections. Generators only append (AddText); the order of the sections is
/// decided in one place, for Compose and SaveTo alike.
class TSDPR {
 public:
  /// Fills every section with the frame's text; `program_name` follows "Program ".
  /// A `wide` frame registers its window class, creates the main window's
  /// class and runs the message loop with the wide calls, so that the
  /// windows it creates take texts in any script.
  explicit TSDPR(const std::string& program_name, bool wide = false);
  TSDPR(const TSDPR&) = delete;
  TSDPR& operator=(const TSDPR&) = delete;

  /// Appends `text` to the section called `section` (case-sensitive); the
  /// sections "bodymidle" and "bodymidleend" also get a CR LF behind it.
  /// An unknown section name is ignored.
  void AddText(const std::string& section, const std::string& text);
  /// Appends `text` to `section` as AddText does, unless this call appended
  /// the same text there before: what several controls share (a variable,
  /// a set-up call) is written once. True when it appended.
  bool AddTextOnce(const std::string& section, const std::string& text);
  /// Joins all sections into ComposedText.
  void Compose();
  /// Writes the sections, in the order Compose joins them, and one CR LF
  /// into `file`; throws EInOutError. Needs no Compose.
  void SaveTo(FileReplacement& file) const;

  /// The current text of a named section, empty for an unknown name.
  std::string Section(const std::string& section) const;

  std::string ComposedText;
  std::string ResourceDirective = "{$R *.RES}\r\n";
  bool HasResources = false;
  int CommonControlsReady = 0;    // 1 once InitCommonControls has been added
  bool HasSizeHandler = false;    // the WM_SIZE branch is written only when set
  bool HasNotifyHandler = false;  // the WM_NOTIFY branch is written only when set
  std::string DestroyBegin = "\r\n    WM_DESTROY: begin";
  std::string DestroyEnd = "\r\n      PostQuitMessage(0);\r\n      Exit;\r\n    end;";
  std::string FocusControl;    // control focused after creation; Compose wraps it
  std::string ShowWindowLine;  // replaced whole by the main window generator
  // Replaces the frame's message loop, from UpdateWindow to the program's
  // end, when set: a program with event handlers runs some of them there.
  std::string MessageLoop;

 private:
  /// Calls `emit` with every piece of the program in order.
  template <typename Emit>
  void ForEachPiece(Emit emit) const;

  /// A section's text in pieces of at most kPieceSize bytes: appending
  /// fills the last piece and begins the next, so that a large section is
  /// never copied to grow and holds at most one piece it does not use.
  using Pieces = std::vector<std::string>;
  static constexpr size_t kPieceSize = 64 * 1024;
  static void Append(Pieces& pieces, std::string_view text);

  static constexpr size_t kSectionCount = 30;
  std::array<Pieces, kSectionCount> sections_;
  std::unordered_set<std::string> added_once_;  // section name, NUL, text
};

}  // namespace vornic
