// GeneratorContext: the state of a run that every generator shares (the
// program's sections, the registries, the open objects, focus and count),
// reached through one small handle.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vornic {

class TBuilder;
class TSDPR;
class TIFontBase;
class TIGrafBase;
class MenuBar;
class TIImage;
class TILevel;
class MessageBranches;
class TranslationSteps;
class ControlGenerator;
struct DesignFont;
struct DesignState;
struct PagePlace;
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
  /// The main menu that the form names (its Menu value), empty when none.
  const std::string& form_menu() const;
  /// The form's menu bar, filled by the main menu and its items.
  MenuBar& menu_bar() const;
  /// The steps of the translation this run makes.
  const TranslationSteps& steps() const;
  /// The Font values the current object's generator collected, nullptr when
  /// they give no height.
  const TRFont* collected_font() const;
  /// The font the designer shows for the innermost object open at `level`
  /// or above it.
  const DesignFont& DesignFontAt(int level) const;
  /// The designer's state (visibility, colour, own values) of the innermost
  /// object open at `level` or above it.
  const DesignState& DesignStateAt(int level) const;
  /// Hides the object open at `level` and, as the designer's rule passes it
  /// on, whatever opens inside it later: e.g. a sheet whose tab never shows.
  /// A page that is not chosen yet uses SetPage instead, as a tab shows it.
  void Hide(int level) const;
  /// The window procedure's branches that several controls add to.
  MessageBranches& branches() const;
  /// The variable of the background brush of `color`, a Pascal colour
  /// expression, created once for the run.
  std::string BrushFor(const std::string& color) const;
  /// Reports `text` as a warning about the line being read; the run goes on.
  void Warn(const std::string& text) const;
  /// Places the object open at `level`, and what opens inside it from now
  /// on, on the pages `page` describes (its design state's `page`).
  void SetPage(int level, PagePlace page) const;
  /// Names the multi-line value being read, so that the value checks know
  /// what its lines must be ("lb_is" for string entries, "image_is" for
  /// bitmap data); empty when none is.
  std::string& list_marker() const;

  /// The variable name of the object on `line`: its name without the colon,
  /// changed where it would not compile or would hide another identifier.
  /// `companion` as for ProgramNames::Take.
  std::string TakeName(const LineWords& line, const std::string& companion = "") const;
  /// Offers the focus to `name`, the window of the object open at `level`:
  /// it takes it when no control has yet, or, where the steps say so, when
  /// it comes before that control in the designer's order (the form's
  /// ActiveControl first, then the tab order).
  void OfferFocus(const std::string& name, int level) const;
  /// Moves `left` and `top` into the form's coordinates for a control inside
  /// a container (level above 2); a control on the form keeps its values.
  /// Throws EConvertError when a position is not an integer.
  void PlaceInForm(int level, std::string& left, std::string& top) const;
  /// Places what the container open at `level` holds from `left`,`top` in
  /// the container (its client area's origin) instead of its own Left and
  /// Top; a Left or Top line of the container read later replaces them.
  void SetContentOrigin(int level, int left, int top) const;
  /// Adds "    <name>: HWND;" on a new line of "var".
  void DeclareWindow(const std::string& name) const;
  /// Remembers that the window `name` is declared (WindowsNamed finds it).
  void RememberWindow(const std::string& name) const;
  /// Adds the InitCommonControls call the first time a common control is written.
  void InitCommonControlsOnce() const;
  /// Registers for `control` the font that the translation gives a control
  /// of the object open at `level` (`reads_font`: its generator collects Font
  /// values), then empties the collected font; returns the font variable,
  /// empty when none was registered.
  std::string TakeFont(const std::string& control, int level, bool reads_font) const;
  /// Adds `paint`, the WM_PAINT code of the painted control `name` open at
  /// `level`, to the paint section, under the condition the translation
  /// paints it (TranslationSteps::PaintedWhen).
  void AddPaint(int level, const std::string& name, const std::string& paint) const;
  /// An identifier made from `name` that nothing else in the program uses,
  /// taken for the rest of the run (ProgramNames::Take).
  std::string TakeIdentifier(const std::string& name) const;
  /// Adds "    <declaration>" on a new line of "var" the first time it is
  /// asked for (AddTextOnce); true that time, false after.
  bool DeclareOnce(const std::string& declaration) const;
  /// The variables of the window controls the form names `form_name`
  /// (compared in capitals), in the order they were named.
  std::vector<std::string> WindowsNamed(const std::string& form_name) const;
  /// The generator object of the object that holds an object at `level`;
  /// nullptr when none does or a member of TBuilder serves it.
  ControlGenerator* HolderAt(int level) const;
  /// Runs `step` after the last line, before the paint code and the fonts
  /// are finished: for text that needs controls written later in the form.
  void AtFinish(std::function<void(GeneratorContext)> step) const;
  /// Marks that paint code needing the WM_PAINT frame was written.
  void NeedPaint() const;
  /// Counts one more control written.
  void CountControl() const;

 private:
  TBuilder& builder_;
  TSDPR& program_;
};

}  // namespace vornic
