// TBuilder: routes every parsed line of form text to the generator of the
// current object's class, and finishes the shared declarations at the end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "builder/item_stores.h"
#include "builder/level.h"
#include "builder/program_names.h"
#include "builder/records.h"
#include "builder/value_checks.h"
#include "input/line_words.h"
#include "lib/font_base.h"
#include "lib/graf_base.h"
#include "output/resource_script.h"

namespace vornic {

class TSDPR;
struct WindowControl;

/// Owns the level stack, the registries and the per-kind records for a whole
/// run. The output program is borrowed per call and must outlive the call.
class TBuilder {
 public:
  /// `output_base_name` is the output name up to its first full stop; the
  /// resource script is named after it.
  explicit TBuilder(std::string output_base_name = "");
  TBuilder(const TBuilder&) = delete;
  TBuilder& operator=(const TBuilder&) = delete;

  /// Keeps the level stack in step and hands the line to its generator.
  void ProcessLine(TSDPR& dpr, const LineWords& line);
  /// The same for the words given one by one.
  void ProcessLine(TSDPR& dpr, const std::string& class_name, const std::string& object_name,
                   const std::string& kind, const std::string& word1, const std::string& word2,
                   const std::string& word3, int level, int indent, int word_count);
  /// True while ProcessLine would store a line of one word, no kind, as
  /// bitmap data (after checking it, when the object's checks say so).
  bool ReadsBitmapData() const;
  /// Does what ProcessLine does with such a line, without the line parser;
  /// returns ReadsBitmapData() afterwards, false once "}" closed the data.
  /// REQUIRES: ReadsBitmapData() and IsBitmapDataWord(word).
  bool AddBitmapData(std::string_view word);
  /// Writes the paint frame and the pens and brushes. Call after the last line.
  void FinishGraphics(TSDPR& dpr);
  /// Writes the fonts. Call after FinishGraphics.
  void FinishFonts(TSDPR& dpr);
  /// Empties CurrentFont.
  void ClearFont();
  /// True when CurrentFont has a height.
  bool HasFont() const;

  // The generators, one per translated class.
  void BuildForm(TSDPR& dpr, const LineWords& line);
  void BuildLabel(TSDPR& dpr, const LineWords& line);
  void BuildEdit(TSDPR& dpr, const LineWords& line);
  void BuildButton(TSDPR& dpr, const LineWords& line);
  void BuildCheckBox(TSDPR& dpr, const LineWords& line);
  void BuildGroupBox(TSDPR& dpr, const LineWords& line);
  void BuildRadioButton(TSDPR& dpr, const LineWords& line);
  void BuildListBox(TSDPR& dpr, const LineWords& line);
  void BuildComboBox(TSDPR& dpr, const LineWords& line);
  void BuildProgressBar(TSDPR& dpr, const LineWords& line);
  void BuildStatusBar(TSDPR& dpr, const LineWords& line);
  void BuildTrackBar(TSDPR& dpr, const LineWords& line);
  void BuildShape(TSDPR& dpr, const LineWords& line);
  void BuildBevel(TSDPR& dpr, const LineWords& line);
  void BuildMemo(TSDPR& dpr, const LineWords& line);
  void BuildImage(TSDPR& dpr, const LineWords& line);
  void BuildBitBtn(TSDPR& dpr, const LineWords& line);

  int ControlCount = 0;  // controls emitted, the main window not included
  ProgramNames Names;    // the program's name and the controls' variables
  TILevel Levels;
  TRFont CurrentFont;
  TIFontBase Fonts;
  TIGrafBase Graphics;
  std::string ListMarker;  // the multi-line property being read, e.g. "lb_is"
  TRForm Form;
  TRLabel Label;
  TREdit Edit;
  TRMinControl Button;
  TRCheckBox CheckBox;
  TRGroupBox GroupBox;
  TRRadioBox RadioBox;
  TIListBox ListBoxStore;
  TIMemo MemoStore;
  TIComboBox ComboBoxStore;
  TRProgressBar ProgressBar;
  TRStatusBar StatusBar;
  TRTrackBar TrackBar;
  TRShape Shape;
  bool PaintNeeded = false;  // paint code that needs the WM_PAINT frame was emitted
  TRBevel Bevel;
  bool BevelPainted = false;
  bool OldFontDeclared = false;
  TIImage BitmapStore;
  bool ResourcesWritten = false;
  bool FocusChosen = false;
  std::string OutputBaseName;

 private:
  // --- builder core (src/builder/) ---
  // Where the lines of the current object go.
  enum class Route {
    kClassTable,  // the member generator of its class, if it has one
    kMainWindow,  // BuildForm: the root object, whatever its class
    kNowhere,     // an object without a name: nothing can declare it
  };
  /// Opens an object: writes a main window still owed, pushes the level,
  /// writes a waiting group box, forgets the previous object's font and
  /// chooses the generator and checks of the object's lines.
  void BeginObject(TSDPR& dpr, const LineWords& line);
  /// Hands the line to the generator its route names.
  void Dispatch(TSDPR& dpr, const LineWords& line);
  /// Writes the main window's creation from Form: the system places a form
  /// without Left, and a client size given instead of a size is made the
  /// window's outer size at run time.
  void EmitMainWindow(TSDPR& dpr);

  Route route_ = Route::kClassTable;
  // The generator of the current object's class, nullptr for a class that
  // produces no code.
  void (TBuilder::*generator_)(TSDPR&, const LineWords&) = nullptr;
  ObjectChecks checks_;               // the checks of the current object's lines
  bool root_seen_ = false;            // the first level-1 object line has come
  bool root_open_ = false;            // the root's end line has not come yet
  bool main_window_written_ = false;  // EmitMainWindow has run at least once
  bool win_rect_declared_ = false;    // the main window's size rectangle is in "var"

  // --- shared steps of the control generators (src/controls/) ---
  /// The control's name as the object line gives it, without its colon.
  std::string ControlNameOf(const LineWords& line);
  /// Turns `name`, a control's name, into its variable, taken from Names:
  /// changed where it would not compile or would hide another identifier.
  /// `companion` as for ProgramNames::Take. Called only when the control is
  /// written, so that one left out takes no name from a later control.
  void TakeControlName(std::string& name, const std::string& companion = "");
  /// Stores a "Font.Charset/Height/Name/Style" value in CurrentFont; false
  /// when the line sets another property.
  bool StoreFontProperty(const LineWords& line);
  /// Moves `left` and `top` into the form's coordinates for a control inside
  /// a container (level above 2); a control on the form keeps its values.
  /// Throws EConvertError when a position is not an integer.
  void PlaceInForm(int level, std::string& left, std::string& top);
  /// Registers CurrentFont for `control` when `reads_font` and it has a
  /// height, then empties it; returns the font variable, empty when none.
  std::string TakeFont(const std::string& control, bool reads_font);
  /// Writes `control`: the first such control that takes the focus gets it,
  /// its box is placed in form coordinates, the creation step writes it, it
  /// gets its font and counts.
  void CreateWindowControl(TSDPR& dpr, WindowControl control);

  // --- bitmap generators (src/controls/bitmaps.cpp) ---
  struct BitmapKind;  // the texts and values that tell an image from a bit button
  static const BitmapKind kImageKind;
  static const BitmapKind kBitBtnKind;

  /// One line of an image or a bit button.
  void BuildBitmapControl(TSDPR& dpr, const LineWords& line, const BitmapKind& kind);
  /// Emits the complete control at its end line, with its bitmap when it has data.
  void EmitBitmapControl(TSDPR& dpr, int level, const BitmapKind& kind);
  /// Writes the script entry of the bitmap, its handle's declaration and its load line.
  void EmitBitmap(TSDPR& dpr, const BitmapKind& kind);
};

}  // namespace vornic
