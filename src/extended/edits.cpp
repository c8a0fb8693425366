// Edits: a one-line edit window with the form's text.
#include <memory>
#include <string>

#include "controls/control_steps.h"
#include "extended/control.h"
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
    WriteWindow(writer, control,
                {.name = writer.TakeName(control),
                 .banner = "Create an edit field",
                 .call = ":= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit'," +
                         QuotedOrEmpty(control.Value("Text")) + ", ",
                 .styles = "WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP",
                 .box = box,
                 .takes_focus = true,
                 .reads_font = true});
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewEditWriter() { return std::make_unique<EditWriter>(); }

}  // namespace vornic
