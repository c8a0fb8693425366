// FormWriter: the extended translation of a whole form tree into the
// program's sections, and everything the translation keeps while it writes:
// the names, the registries, the focus, the branches and the warnings.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "builder/program_names.h"
#include "extended/color_brushes.h"
#include "extended/design_state.h"
#include "extended/event_wiring.h"
#include "extended/image_lists.h"
#include "extended/input_controls.h"
#include "extended/layout_table.h"
#include "extended/menu_bar.h"
#include "extended/message_branches.h"
#include "extended/popup_menus.h"
#include "form/form_object.h"
#include "lib/font_base.h"
#include "lib/graf_base.h"
#include "lib/text_rows.h"
#include "output/resource_script.h"

namespace vornic {

class ClassTable;
class TSDPR;
struct Control;
struct WindowControl;

/// The controls of one class that nothing translates.
struct UnmappedClass {
  std::string class_name;  // as the form first names it
  int count = 0;
};

/// Writes one form into one program. The program, the names and the class
/// table are borrowed and must outlive the writer.
class FormWriter {
 public:
  /// `output_base_name` is the output name up to its first full stop: the
  /// resource script is named after it. `events` says whether the program
  /// calls the handlers of a handler file.
  FormWriter(TSDPR& program, ProgramNames& names, const ClassTable& classes,
             std::string output_base_name, EventOptions events = {});
  FormWriter(const FormWriter&) = delete;
  FormWriter& operator=(const FormWriter&) = delete;

  /// Writes every object of `tree`, then the paint frame, the pens, brushes
  /// and fonts. Throws EParserError "[Error] file(N): line" naming the object
  /// whose values cannot be written.
  void Write(const FormTree& tree);

  // --- what writers of controls use ---

  /// Appends `text` to the named section of the program.
  void AddText(const std::string& section, const std::string& text);
  /// Appends `text` to the named section unless this call appended it there before.
  void AddTextOnce(const std::string& section, const std::string& text);
  /// Adds "    <declaration>" on a new line of "var" the first time; true that time.
  bool DeclareOnce(const std::string& declaration);
  TSDPR& program() { return program_; }

  /// The variable of `control`, taken now: its name made an identifier that
  /// nothing else uses (ProgramNames::Take, `companion` as there).
  std::string TakeName(const Control& control, const std::string& companion = "");
  /// The same for an object that its holder's writer writes (a menu item).
  std::string TakeName(const FormObject& object, const std::string& companion = "");
  /// An identifier made from `name` that nothing else in the program uses.
  std::string TakeIdentifier(const std::string& name);
  /// The variable TakeName gave `object`, empty when none.
  const std::string& VariableOf(const FormObject& object) const;
  /// Adds "    <name>: HWND;" to "var" and remembers the window (RememberWindow).
  void DeclareWindow(const std::string& name);
  /// Remembers that the window `name` is declared, for WindowsNamed.
  void RememberWindow(const std::string& name);
  /// The variables of the window controls the form names `form_name`
  /// (compared in capitals), in the order they were declared.
  std::vector<std::string> WindowsNamed(const std::string& form_name) const;
  /// Adds the InitCommonControls call the first time a common control is written.
  void InitCommonControlsOnce();

  /// Registers for the window `name` the font the designer shows for
  /// `control`; returns the font's variable. kPaintedFont as `name` marks a
  /// font selected in paint code, which gets no WM_SETFONT line.
  std::string TakeFont(const std::string& name, const Control& control);
  TIFontBase& fonts() { return fonts_; }
  TIGrafBase& graphics() { return graphics_; }
  TIImage& bitmaps() { return bitmaps_; }
  /// The variable of the background brush of `color`, a Pascal colour
  /// expression, created once for the run.
  std::string BrushFor(const std::string& color);
  /// The variable of the image list that `object`'s reference `property`
  /// (Images, LargeImages ...) names, built once; empty when it names none,
  /// or a list that shows no images.
  std::string ImagesOf(const FormObject& object, std::string_view property = "Images");
  /// The same list with its images' size and count; nullptr when it names none.
  const BuiltImageList* ImageListOf(const FormObject& object, std::string_view property = "Images");
  /// The controls as the keyboard and the mouse meet them.
  InputControls& input_controls() { return input_controls_; }
  /// The popup menus that right clicks open.
  PopupMenus& popup_menus() { return popup_menus_; }
  /// The window procedure's branches that several controls add to.
  MessageBranches& branches() { return branches_; }
  /// The main window's menu bar and the ids of menu commands.
  MenuBar& menu_bar() { return menu_bar_; }
  /// The rows of the layout: where each control lies in its container, and
  /// what shows it.
  LayoutTable& layout() { return layout_; }
  /// What the program runs for the form's events.
  EventWiring& events() { return events_; }
  const EventWiring& events() const { return events_; }
  /// The classes and their writers, for a writer that writes what its
  /// object holds itself (a menu and its items).
  const ClassTable& classes() const { return classes_; }

  /// Adds `paint`, the WM_PAINT code of the painted control `name`, to the
  /// paint section; a control the designer hides is painted only once a
  /// flag of its own is set, as a hidden window shows only once it is shown.
  void AddPaint(const Control& control, const std::string& name, const std::string& paint);
  /// Marks that paint code needing the WM_PAINT frame was written.
  void NeedPaint() { paint_needed_ = true; }
  /// Marks that bevels were painted: their pens are declared.
  void NeedBevelPens() { bevel_painted_ = true; }

  /// Offers the focus to the window `name` of `control`: it takes it when it
  /// comes before every control offered so far in the designer's order (the
  /// form's ActiveControl first, then the tab order).
  void OfferFocus(const std::string& name, const Control& control);
  /// Counts one more control written.
  void CountControl() { ++control_count_; }
  /// Counts `object` among the controls of classes that nothing translates.
  void NoteUnmapped(const FormObject& object);
  /// Reports `text` as a warning about line `line` of the object's file.
  void Warn(const FormObject& object, int line, const std::string& text);
  /// Reports `text` as a warning about the line of `property`, in its own
  /// file (a form's value may change an object its ancestor holds).
  void Warn(const FormProperty& property, const std::string& text);
  /// Runs `step` after the last object, before the paint frame and the fonts
  /// are finished: for text that needs controls written later in the form.
  void AtFinish(std::function<void(FormWriter&)> step);

  /// The form's root object. REQUIRES: Write has begun.
  const FormObject& form() const { return *form_; }
  const std::string& output_base_name() const { return output_base_name_; }

  // --- what the driver reads after Write ---
  int control_count() const { return control_count_; }
  const std::vector<FormWarning>& warnings() const { return warnings_; }
  /// The classes of NoteUnmapped, each once, in the order first met.
  const std::vector<UnmappedClass>& unmapped() const { return unmapped_; }

 private:
  void WriteObject(const FormObject& object, Control* holder, const FormTree& tree);
  void FinishGraphics();
  void FinishFonts();

  TSDPR& program_;
  ProgramNames& names_;
  const ClassTable& classes_;
  const std::string output_base_name_;
  const FormObject* form_ = nullptr;
  TIFontBase fonts_{true};  // faces in any script
  TIGrafBase graphics_{true};  // colours as the form gives them
  TIImage bitmaps_;
  MessageBranches branches_;
  ColorBrushes brushes_;
  ImageLists image_lists_;
  PopupMenus popup_menus_;
  InputControls input_controls_;
  MenuBar menu_bar_;
  LayoutTable layout_;
  EventWiring events_;
  std::unordered_map<const FormObject*, std::string> variables_;  // what TakeName gave
  TextRows window_variables_{1};                                  // HWND variables, in capitals
  bool focus_chosen_ = false;
  FocusRank focus_rank_;  // of the control that has the focus
  bool paint_needed_ = false;
  bool bevel_painted_ = false;
  int control_count_ = 0;
  std::vector<FormWarning> warnings_;
  std::vector<UnmappedClass> unmapped_;
  std::vector<std::function<void(FormWriter&)>> finishing_steps_;
};

}  // namespace vornic
