// Edits: a one-line edit window with the form's text, border and behaviour
// (alignment, case, read only, numbers only, length, password character).
#include <memory>
#include <string>

#include "controls/control_steps.h"
#include "extended/control.h"
#include "extended/edit_behaviour.h"
#include "extended/form_writer.h"
#include "extended/window_creation.h"
#include "extended/writers.h"

namespace vornic {

namespace {

class EditWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    const EditBorder border = EditBorderOf(control);
    // The designer's edit scrolls its text sideways rather than stop at its edge.
    WriteWindow(writer, control,
                {.name = name,
                 .banner = "Create an edit field",
                 .call = ":= CreateWindowExW(" + border.ex_style + ", 'Edit'," +
                         QuotedOrEmpty(control.Value("Text")) + ", ",
                 .styles = "WS_CHILD or WS_VISIBLE" + border.style +
                           " or WS_TABSTOP or ES_AUTOHSCROLL" + EditStyles(control, false),
                 .box = box,
                 .after = EditMessages(control, name, false),
                 .takes_focus = true,
                 .reads_font = true});
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewEditWriter() { return std::make_unique<EditWriter>(); }

}  // namespace vornic
