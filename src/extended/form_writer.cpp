// The walk over the form tree and the state the writers share.
#include "extended/form_writer.h"

#include <utility>

#include "extended/class_table.h"
#include "extended/control.h"
#include "extended/layout_output.h"
#include "input/line_reports.h"
#include "lib/errors.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

FormWriter::FormWriter(TSDPR& program, ProgramNames& names, const ClassTable& classes,
                       std::string output_base_name, EventOptions events)
    : program_(program),
      names_(names),
      classes_(classes),
      output_base_name_(std::move(output_base_name)),
      events_(std::move(events)) {
  bitmaps_.ScriptBaseName = output_base_name_;
}

void FormWriter::Write(const FormTree& tree) {
  events_.Begin(*this, tree);
  if (tree.root != nullptr) {
    form_ = tree.root.get();
    WriteObject(*tree.root, nullptr, tree);
  }
  FinishGraphics();
  FinishFonts();
}

namespace {

// A line of the form as reports name it.
struct ReportLine {
  int source;  // the file, an index into FormTree::files
  int number;
  const std::string& text;
};

// Where a writer's step is reported when it fails: at the line up to which
// the form is read before the step can run, as a line-by-line reading
// reports it. Close runs at the object's end line; Open once its own values
// are read, at the first object it holds, or at its end line when it holds
// none.
ReportLine CloseLine(const FormObject& object) {
  if (object.end_line == 0) return {object.source, object.line, object.line_text};
  return {object.source, object.end_line, object.end_line_text};
}

ReportLine OpenLine(const FormObject& object) {
  if (object.children.empty()) return CloseLine(object);
  const FormObject& first = *object.children.front();
  return {first.source, first.line, first.line_text};
}

// Runs `step`; a value it cannot write fails the run with `line`, as the
// form reader reports a line.
template <typename Step>
void RunAt(const FormTree& tree, const ReportLine& line, Step&& step) {
  try {
    step();
  } catch (const EParserError&) {
    throw;
  } catch (const EInOutError&) {
    throw;
  } catch (const Error&) {
    throw EParserError(LineErrorReport(tree.files[line.source], line.number, line.text));
  }
}

}  // namespace

void FormWriter::WriteObject(const FormObject& object, Control* holder, const FormTree& tree) {
  Control control{
      .object = object,
      .holder = holder,
      .font = FontOf(object, holder == nullptr ? nullptr : &holder->font),
      .state = StateOf(object, holder == nullptr ? nullptr : &holder->state,
                       holder != nullptr && holder->holder == nullptr),
      .origin_left = object.Value("Left"),
      .origin_top = object.Value("Top"),
      // An object of the form's own class places nothing, as the form does not.
      .places_children = UpperText(object.class_name) != "TFORM1",
      .writer = classes_.WriterFor(object),
  };
  layout_.Enter(control);
  if (control.writer != nullptr) {
    RunAt(tree, OpenLine(object), [&] { control.writer->Open(*this, control); });
  }
  for (const auto& child : object.children) WriteObject(*child, &control, tree);
  RunAt(tree, CloseLine(object), [&] {
    if (control.writer != nullptr) control.writer->Close(*this, control);
    events_.WireObject(*this, control);
  });
}

void FormWriter::AddText(const std::string& section, const std::string& text) {
  program_.AddText(section, text);
}

void FormWriter::AddTextOnce(const std::string& section, const std::string& text) {
  program_.AddTextOnce(section, text);
}

bool FormWriter::DeclareOnce(const std::string& declaration) {
  return program_.AddTextOnce("var", "\r\n    " + declaration);
}

std::string FormWriter::TakeName(const Control& control, const std::string& companion) {
  return TakeName(control.object, companion);
}

std::string FormWriter::TakeName(const FormObject& object, const std::string& companion) {
  std::string variable = names_.Take(object.name, companion);
  variables_[&object] = variable;
  return variable;
}

std::string FormWriter::TakeIdentifier(const std::string& name) { return names_.Take(name); }

const std::string& FormWriter::VariableOf(const FormObject& object) const {
  static const std::string kNone;
  const auto found = variables_.find(&object);
  return found == variables_.end() ? kNone : found->second;
}

void FormWriter::DeclareWindow(const std::string& name) {
  program_.AddText("var", "\r\n    " + name + ": HWND;");
  RememberWindow(name);
}

void FormWriter::RememberWindow(const std::string& name) {
  window_variables_.Add({UpperText(name)});
}

std::vector<std::string> FormWriter::WindowsNamed(const std::string& form_name) const {
  std::vector<std::string> windows;
  for (const std::string& variable : names_.TakenFor(form_name)) {
    if (window_variables_.Find({UpperText(variable)}) > 0) windows.push_back(variable);
  }
  return windows;
}

void FormWriter::InitCommonControlsOnce() {
  if (program_.CommonControlsReady != 0) return;
  program_.AddText("windowproccreatemidle", "\r\n      InitCommonControls;");
  program_.CommonControlsReady = 1;
}

std::string FormWriter::TakeFont(const std::string& name, const Control& control) {
  return fonts_.RegisterFont(name, control.font.face);
}

std::string FormWriter::ImagesOf(const FormObject& object, std::string_view property) {
  const BuiltImageList* list = ImageListOf(object, property);
  return list == nullptr ? "" : list->variable;
}

const BuiltImageList* FormWriter::ImageListOf(const FormObject& object, std::string_view property) {
  const FormObject* list = object.Target(property);
  return list == nullptr ? nullptr : &image_lists_.Build(*this, *list);
}

std::string FormWriter::BrushFor(const std::string& color) {
  return brushes_.BrushFor(color, program_);
}

void FormWriter::AddPaint(const Control& control, const std::string& name,
                          const std::string& paint) {
  input_controls_.AddPainted(control);
  if (control.state.visible) {
    AddText("windowprocpaintmidle", paint);
    return;
  }
  const std::string flag = TakeIdentifier(name + "Shown");
  AddText("var", "\r\n    " + flag + ": Boolean = False;");
  AddText("windowprocpaintmidle",
          "\r\n      if " + flag + " then begin" + paint + "\r\n      end;");
}

void FormWriter::OfferFocus(const std::string& name, const Control& control) {
  FocusRank rank = FocusRankOf(control.object, *form_);
  if (focus_chosen_ && !(rank < focus_rank_)) return;
  program_.FocusControl = name;
  focus_chosen_ = true;
  focus_rank_ = std::move(rank);
}

void FormWriter::Warn(const FormObject& object, int line, const std::string& text) {
  warnings_.push_back(FormWarning{object.source, line, text});
}

void FormWriter::Warn(const FormProperty& property, const std::string& text) {
  warnings_.push_back(FormWarning{property.source, property.line, text});
}

void FormWriter::NoteUnmapped(const FormObject& object) {
  const std::string upper = UpperText(object.class_name);
  for (UnmappedClass& known : unmapped_) {
    if (UpperText(known.class_name) == upper) {
      ++known.count;
      return;
    }
  }
  unmapped_.push_back(UnmappedClass{object.class_name, 1});
}

void FormWriter::AtFinish(std::function<void(FormWriter&)> step) {
  finishing_steps_.push_back(std::move(step));
}

void FormWriter::FinishGraphics() {
  // They may still add paint code, pens and brushes.
  for (size_t i = 0; i < finishing_steps_.size(); ++i) finishing_steps_[i](*this);
  finishing_steps_.clear();
  input_controls_.Write(*this);
  popup_menus_.Finish(*this);
  if (form_ != nullptr) WriteLayout(*this, layout_);
  events_.Finish(*this);
  if (paint_needed_ || bevel_painted_) {
    program_.AddText(
        "windowprocpaintbegin",
        "\r\n    WM_PAINT: begin\r\n      PaintDC := BeginPaint(hWindow,PaintStruct);");
    program_.AddText("windowprocpaintend", "\r\n      EndPaint(hWindow,PaintStruct);\r\n    end;");
  }
  // Each text goes into its section before the next is built: with many
  // pens and brushes they are large, and need not be held side by side.
  program_.AddText("var", graphics_.GetGraphicsDeclarations(bevel_painted_));
  program_.AddText("windowproccreatemidle", graphics_.GetGraphicsCreation());
  program_.AddText("windowprocdestroymidle", graphics_.GetGraphicsDeletion());
  program_.AddText("windowprocmidle", branches_.Text());
}

void FormWriter::FinishFonts() {
  program_.AddText("var", fonts_.GetFontDeclarations());
  program_.AddText("windowprocdestroymidle", fonts_.GetFontDeletion());
  const int count = fonts_.FontCount();
  if (count == 0) {
    program_.AddText("bodymidleend", "\r\n");
    return;
  }
  // A procedure, as a screen of another resolution needs the fonts again:
  // the windows take the new ones before the old ones are deleted.
  const std::string last = std::to_string(count);
  std::string keep;
  for (int i = 1; i <= count; ++i) {
    keep += "\r\n  OldFonts[" + std::to_string(i) + "] := hFont" + std::to_string(i) + ";";
  }
  program_.AddText(
      "procedures",
      "\r\n{ The form's fonts at the screen's resolution, given to the windows that show"
      " them }\r\nprocedure CreateFonts;\r\nvar\r\n  OldFonts: array[1.." +
          last + "] of HFONT;\r\n  FontIndex: Integer;\r\nbegin" + keep +
          fonts_.GetFontCreation(true, "ScaleToScreen") + "\r\n" + fonts_.GetFontAssignments() +
          "\r\n  for FontIndex := 1 to " + last +
          " do\r\n    if OldFonts[FontIndex] <> 0 then DeleteObject(OldFonts[FontIndex]);"
          "\r\nend;\r\n");
  program_.AddText("bodymidleend", "\r\n  CreateFonts;");
}

}  // namespace vornic
