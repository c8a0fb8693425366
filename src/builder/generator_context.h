// GeneratorContext: the state of a run that every generator shares (the
// program's sections, the registries, the open objects, focus and count),
// reached through one small handle.
#pragma once

#include <string>

namespace vornic {

class TBuilder;
class TSDPR;
class TIFontBase;
class TIGrafBase;
class TIImage;
class TILevel;
class TranslationSteps;
struct DesignFont;
struct LineWords;
struct TRFont;

/// A handle on one builder and the program it writes. Copies are cheap and
/// refer to the same state; builder and program must outlive every copy, so
/// a generator takes one per call and keeps none.
class GeneratorContext {
 public:
  GeneratorContext(TBuilder& builder, TSDPR& program) : builder_(builder), program_(program) {}

  /// Appends `text` to the named section of the program.
  void AddText(const std::string& section, const std::string& text) const;
  /// Appends `text` to the named section unless it was added there through
  /// this call before in the run (TSDPR::AddTextOnce).
  void AddTextOnce(const std::string& section, const std::string& text) const;
  TSDPR& program() const { return program_; }
  TIFontBase& fonts() const;
  TIGrafBase& graphics() const;
  TIImage& bitmaps() const;
  const TILevel& levels() const;
  /// The output name up to its first full stop: the resource script's name.
  const std::string& output_base_name() const;
  /// The steps of the translation this run makes.
  const TranslationSteps& steps() const;
  /// The Font values the current object's generator collected, nullptr when
  /// they give no height.
  const TRFont* collected_font() const;
  /// The font the designer shows for the innermost object open at `level`
  /// or above it.
  const DesignFont& DesignFontAt(int level) const;
  /// Names the multi-line value being read, so that the value checks know
  /// what its lines must be ("lb_is" for string entries, "image_is" for
  /// bitmap data); empty when none is.
  std::string& list_marker() const;

  /// The variable name of the object on `line`: its name without the colon,
  /// changed where it would not compile or would hide another identifier.
  /// `companion` as for ProgramNames::Take.
  std::string TakeName(const LineWords& line, const std::string& companion = "") const;
  /// Gives `name` the focus when no control has taken it yet.
  void FocusOnce(const std::string& name) const;
  /// Moves `left` and `top` into the form's coordinates for a control inside
  /// a container (level above 2); a control on the form keeps its values.
  /// Throws EConvertError when a position is not an integer.
  void PlaceInForm(int level, std::string& left, std::string& top) const;
  /// Adds "    <name>: HWND;" on a new line of "var".
  void DeclareWindow(const std::string& name) const;
  /// Adds the InitCommonControls call the first time a common control is written.
  void InitCommonControlsOnce() const;
  /// Registers for `control` the font that the translation gives a control
  /// of the object open at `level` (`reads_font`: its generator collects Font
  /// values), then empties the collected font; returns the font variable,
  /// empty when none was registered.
  std::string TakeFont(const std::string& control, int level, bool reads_font) const;
  /// Marks that paint code needing the WM_PAINT frame was written.
  void NeedPaint() const;
  /// Counts one more control written.
  void CountControl() const;

 private:
  TBuilder& builder_;
  TSDPR& program_;
};

}  // namespace vornic
