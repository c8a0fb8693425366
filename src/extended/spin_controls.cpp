// Up-downs and spin edits. An up-down gets its range, position and styles,
// and the control it is associated with as its buddy once both exist; a
// spin edit is an edit with an up-down inside its right edge that counts in
// the edit's text.
#include <memory>
#include <string>
#include <vector>

#include "extended/control.h"
#include "extended/control_values.h"
#include "extended/form_writer.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "lib/text.h"

namespace vornic {

namespace {

// The width of a spin edit's arrows inside the edit.
constexpr int kSpinWidth = 15;

// What an up-down counts and how: shared by both classes. Form text leaves
// out values equal to the defaults.
struct Counting {
  std::string Min;
  std::string Max;
  std::string Position;
  std::string Increment;  // empty: the system's steps
};

Counting UpDownCounting(const Control& updown) {
  const auto or_default = [&](const char* name, const char* fallback) {
    const std::string& value = updown.Value(name);
    return value.empty() ? std::string(fallback) : value;
  };
  return {or_default("Min", "0"), or_default("Max", "100"), or_default("Position", "0"),
          updown.Value("Increment")};
}

// A spin edit counts from MinValue to MaxValue; equal bounds leave its
// value unbounded.
Counting SpinEditCounting(const Control& spin) {
  Counting counting{spin.Value("MinValue"), spin.Value("MaxValue"), spin.Value("Value"),
                    spin.Value("Increment")};
  if (counting.Min.empty()) counting.Min = "0";
  if (counting.Max.empty()) counting.Max = "0";
  if (counting.Position.empty()) counting.Position = "0";
  if (TextToInt(counting.Min) == TextToInt(counting.Max)) {
    counting.Min = "-2147483647";
    counting.Max = "2147483647";
  }
  return counting;
}

// The lines that give the up-down `window` its range, position and step.
std::string CountingText(FormWriter& writer, const std::string& window, const Counting& counting) {
  std::string text = "\r\n  SendMessageW(" + window + ",UDM_SETRANGE32," + counting.Min + "," +
                     counting.Max + ");" + "\r\n  SendMessageW(" + window + ",UDM_SETPOS32,0," +
                     counting.Position + ");";
  if (!counting.Increment.empty()) {
    writer.DeclareOnce("UpDownAccel: TUDAccel;");
    text += "\r\n  UpDownAccel.nSec := 0;\r\n  UpDownAccel.nInc := " + counting.Increment + ";" +
            "\r\n  SendMessageW(" + window + ",UDM_SETACCEL,1,LParam(@UpDownAccel));";
  }
  return text;
}

std::string UpDownStyles(const Control& updown) {
  return "WS_VISIBLE or WS_CHILD or UDS_SETBUDDYINT" +
         StyleIf(updown.Value("ArrowKeys") != "False", "UDS_ARROWKEYS") +
         StyleIf(updown.Value("Orientation") == "udHorizontal", "UDS_HORZ") +
         StyleIf(updown.Value("Wrap") == "True", "UDS_WRAP") +
         StyleIf(updown.Value("Thousands") == "False", "UDS_NOTHOUSANDS");
}

// Some systems give a new up-down the width of a scroll bar, and do not
// paint one that had that width already: it gets the form's size again and
// is painted anew.
std::string SizeText(const std::string& name, const Box& box) {
  return "\r\n  SetWindowPos(" + name + ",0,0,0," + box.width + "," + box.height +
         ",SWP_NOMOVE or SWP_NOZORDER);\r\n  InvalidateRect(" + name + ",nil,True);";
}

// The buddy is the window control of the associate's name written last
// before the up-down, or, when it comes later in the form, the first one
// after it. A name that no window control has (a class without a window,
// or one the form does not hold) gives none.
void AddBuddy(FormWriter& writer, const std::string& updown, const std::string& associate) {
  const size_t written_before = writer.WindowsNamed(associate).size();
  writer.AtFinish([updown, associate, written_before](FormWriter& finish) {
    const std::vector<std::string> windows = finish.WindowsNamed(associate);
    if (windows.empty()) return;
    const std::string& buddy = written_before > 0 ? windows[written_before - 1] : windows[0];
    // The section ends each text with a line break of its own.
    finish.AddText("bodymidleend", "  SendMessageW(" + updown + ",UDM_SETBUDDY," + buddy + ",0);");
  });
}

// Without an alignment style the up-down stays where the form puts it and
// leaves the buddy's size alone: the form holds both as placed.
class UpDownWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    WriteWindow(writer, control,
                {.name = name,
                 .banner = "Create an up-down",
                 .call = ":= CreateWindowExW(0, 'msctls_updown32','', ",
                 .styles = UpDownStyles(control),
                 .box = box,
                 .after = SizeText(name, box) + CountingText(writer, name, UpDownCounting(control)),
                 .common = true});
    if (const std::string& associate = control.Value("Associate"); !associate.empty()) {
      AddBuddy(writer, name, associate);
    }
  }
};

// The arrows fill the right edge of the edit's client area, which the text
// leaves free; the edit is their buddy.
std::string ArrowsText(FormWriter& writer, const std::string& name, const Counting& counting) {
  const std::string arrows = "GetWindow(" + name + ",GW_CHILD)";
  const std::string width = std::to_string(kSpinWidth);
  writer.DeclareOnce("SpinRect: TRect;");
  return "\r\n  SendMessageW(" + name + ",EM_SETMARGINS,EC_RIGHTMARGIN,MakeLong(0," + width +
         "));" + "\r\n  GetClientRect(" + name + ",SpinRect);" +
         "\r\n  CreateWindowExW(0, 'msctls_updown32','', WS_VISIBLE or WS_CHILD or UDS_SETBUDDYINT "
         "or "
         "UDS_ARROWKEYS or UDS_NOTHOUSANDS,\r\n    SpinRect.Right - " +
         width + ",0," + width + ",SpinRect.Bottom, " + name + ", 0, Inst, nil);" +
         "\r\n  SendMessageW(" + arrows + ",UDM_SETBUDDY," + name + ",0);" +
         CountingText(writer, arrows, counting);
}

class SpinEditWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    const Counting counting = SpinEditCounting(control);
    WriteWindow(writer, control,
                {.name = name,
                 .banner = "Create a spin edit",
                 .call = ":= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','" +
                         IntegerText(IntegerOr(counting.Position, 0)) + "', ",
                 // The arrows are a child of the edit, which must not paint
                 // over them.
                 .styles = "WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP or WS_CLIPCHILDREN",
                 .box = box,
                 .after = ArrowsText(writer, name, counting),
                 .takes_focus = true,
                 .common = true,
                 .reads_font = true});
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewUpDownWriter() { return std::make_unique<UpDownWriter>(); }
std::unique_ptr<ControlWriter> NewSpinEditWriter() { return std::make_unique<SpinEditWriter>(); }

}  // namespace vornic
