// Up-downs and spin edits, classes only the extended translation writes. An
// up-down gets its range, position and styles, and the control it is
// associated with as its buddy once both exist; a spin edit is an edit with
// an up-down inside its right edge that counts in the edit's text.
#include <memory>
#include <string>
#include <vector>

#include "builder/control_generator.h"
#include "builder/line_words.h"
#include "controls/control_steps.h"
#include "controls/control_values.h"
#include "controls/geometry.h"
#include "controls/window_control.h"
#include "lib/text.h"

namespace vornic {

namespace {

// The width of a spin edit's arrows inside the edit.
constexpr int kSpinWidth = 15;

// What an up-down counts and how: shared by both classes.
struct Counting {
  std::string Min;
  std::string Max;
  std::string Position;
  std::string Increment;
};

struct UpDownRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  Counting counting;
  std::string Associate;
  std::string Orientation;
  std::string Wrap;
  std::string ArrowKeys;
  std::string Thousands;
};

struct SpinEditRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  Counting counting;  // from MinValue, MaxValue, Value and Increment
};

// The lines that give the up-down `window` its range, position and step.
std::string CountingText(GeneratorContext context, const std::string& window,
                         const Counting& counting) {
  std::string text = "\r\n  SendMessage(" + window + ",UDM_SETRANGE32," + counting.Min + "," +
                     counting.Max + ");" + "\r\n  SendMessage(" + window + ",UDM_SETPOS32,0," +
                     counting.Position + ");";
  if (!counting.Increment.empty()) {
    context.DeclareOnce("UpDownAccel: TUDAccel;");
    text += "\r\n  UpDownAccel.nSec := 0;\r\n  UpDownAccel.nInc := " + counting.Increment + ";" +
            "\r\n  SendMessage(" + window + ",UDM_SETACCEL,1,LParam(@UpDownAccel));";
  }
  return text;
}

std::string UpDownStyles(const UpDownRecord& updown) {
  return "WS_VISIBLE or WS_CHILD or UDS_SETBUDDYINT" +
         StyleIf(updown.ArrowKeys != "False", "UDS_ARROWKEYS") +
         StyleIf(updown.Orientation == "udHorizontal", "UDS_HORZ") +
         StyleIf(updown.Wrap == "True", "UDS_WRAP") +
         StyleIf(updown.Thousands == "False", "UDS_NOTHOUSANDS");
}

class UpDownGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    updown_.ControlName = context.TakeName(line);
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& line) override {
    if (StoreGeometry(updown_, line)) return;
    const std::string& name = line.Word1;
    Counting& counting = updown_.counting;
    if (name == "Min") {
      counting.Min = line.Word3;
    } else if (name == "Max") {
      counting.Max = line.Word3;
    } else if (name == "Position") {
      counting.Position = line.Word3;
    } else if (name == "Increment") {
      counting.Increment = line.Word3;
    } else if (name == "Associate") {
      updown_.Associate = line.Word3;
    } else if (name == "Orientation") {
      updown_.Orientation = line.Word3;
    } else if (name == "Wrap") {
      updown_.Wrap = line.Word3;
    } else if (name == "ArrowKeys") {
      updown_.ArrowKeys = line.Word3;
    } else if (name == "Thousands") {
      updown_.Thousands = line.Word3;
    }
  }

  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(updown_)) return;
    Counting& counting = updown_.counting;
    if (counting.Min.empty()) counting.Min = "0";
    if (counting.Max.empty()) counting.Max = "100";
    if (counting.Position.empty()) counting.Position = "0";
    // Without an alignment style the up-down stays where the form puts it
    // and leaves the buddy's size alone: the form holds both as placed.
    CreateWindowControl(context,
                        {.level = line.Level,
                         .name = updown_.ControlName,
                         .banner = "Create an up-down",
                         .call = ":= CreateWindow('msctls_updown32','', ",
                         .styles = UpDownStyles(updown_),
                         .box = BoxOf(updown_),
                         .after = SizeText() + CountingText(context, updown_.ControlName, counting),
                         .common = true});
    if (!updown_.Associate.empty()) AddBuddy(context);
  }

 private:
  // Some systems give a new up-down the width of a scroll bar, and do not
  // paint one that had that width already: it gets the form's size again
  // and is painted anew.
  std::string SizeText() const {
    const std::string& name = updown_.ControlName;
    return "\r\n  SetWindowPos(" + name + ",0,0,0," + updown_.Width + "," + updown_.Height +
           ",SWP_NOMOVE or SWP_NOZORDER);\r\n  InvalidateRect(" + name + ",nil,True);";
  }

  // The buddy is the associate of that name written last before the
  // up-down, or, when it comes later in the form, the first one after it.
  // A name that no window control has (a class without a window) gives none.
  void AddBuddy(GeneratorContext context) const {
    const size_t written_before = context.WindowsNamed(updown_.Associate).size();
    context.AtFinish([updown = updown_.ControlName, associate = updown_.Associate,
                      written_before](GeneratorContext finish) {
      const std::vector<std::string> windows = finish.WindowsNamed(associate);
      if (windows.empty()) return;
      const std::string& buddy = written_before > 0 ? windows[written_before - 1] : windows[0];
      // The section ends each text with a line break of its own.
      finish.AddText("bodymidleend", "  SendMessage(" + updown + ",UDM_SETBUDDY," + buddy + ",0);");
    });
  }

  UpDownRecord updown_;
};

class SpinEditGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    spin_.ControlName = context.TakeName(line);
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& line) override {
    if (StoreGeometry(spin_, line)) return;
    const std::string& name = line.Word1;
    Counting& counting = spin_.counting;
    if (name == "MinValue") {
      counting.Min = line.Word3;
    } else if (name == "MaxValue") {
      counting.Max = line.Word3;
    } else if (name == "Value") {
      counting.Position = line.Word3;
    } else if (name == "Increment") {
      counting.Increment = line.Word3;
    }
  }

  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(spin_)) return;
    Counting& counting = spin_.counting;
    if (counting.Min.empty()) counting.Min = "0";
    if (counting.Max.empty()) counting.Max = "0";
    if (counting.Position.empty()) counting.Position = "0";
    // Equal bounds leave the value unbounded.
    if (TextToInt(counting.Min) == TextToInt(counting.Max)) {
      counting.Min = "-2147483647";
      counting.Max = "2147483647";
    }
    CreateWindowControl(
        context, {.level = line.Level,
                  .name = spin_.ControlName,
                  .banner = "Create a spin edit",
                  .call = ":= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','" +
                          IntegerText(IntegerOr(counting.Position, 0)) + "', ",
                  // The arrows are a child of the edit, which must not
                  // paint over them.
                  .styles = "WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP or WS_CLIPCHILDREN",
                  .box = BoxOf(spin_),
                  .after = ArrowsText(context),
                  .takes_focus = true,
                  .common = true,
                  .reads_font = true});
  }

 private:
  // The arrows fill the right edge of the edit's client area, which the
  // text leaves free; the edit is their buddy.
  std::string ArrowsText(GeneratorContext context) const {
    const std::string& name = spin_.ControlName;
    const std::string arrows = "GetWindow(" + name + ",GW_CHILD)";
    const std::string width = std::to_string(kSpinWidth);
    context.DeclareOnce("SpinRect: TRect;");
    return "\r\n  SendMessage(" + name + ",EM_SETMARGINS,EC_RIGHTMARGIN,MakeLong(0," + width +
           "));" + "\r\n  GetClientRect(" + name + ",SpinRect);" +
           "\r\n  CreateWindow('msctls_updown32','', WS_VISIBLE or WS_CHILD or UDS_SETBUDDYINT or "
           "UDS_ARROWKEYS or UDS_NOTHOUSANDS,\r\n    SpinRect.Right - " +
           width + ",0," + width + ",SpinRect.Bottom, " + name + ", 0, Inst, nil);" +
           "\r\n  SendMessage(" + arrows + ",UDM_SETBUDDY," + name + ",0);" +
           CountingText(context, arrows, spin_.counting);
  }

  SpinEditRecord spin_;
};

}  // namespace

std::unique_ptr<ControlGenerator> NewUpDown() { return std::make_unique<UpDownGenerator>(); }

std::unique_ptr<ControlGenerator> NewSpinEdit() { return std::make_unique<SpinEditGenerator>(); }

}  // namespace vornic
