// Tool bars and their tool buttons, classes only the extended translation
// writes: a tool bar control at the form's place, its buttons added in the
// form's order with their styles and states, and their captions when the
// bar shows captions. Images live in an image list outside the form text,
// so the buttons have none.
#include <memory>
#include <string>
#include <vector>

#include "builder/control_generator.h"
#include "builder/line_words.h"
#include "controls/control_steps.h"
#include "controls/control_values.h"
#include "controls/geometry.h"
#include "controls/window_control.h"

namespace vornic {

namespace {

struct ToolButtonRecord {
  std::string ControlName;
  std::string Caption;
  std::string Style;
  std::string Width;  // a separator's width
  std::string Visible;
  std::string Enabled;
  std::string Down;
  std::string Grouped;
  std::string Wrap;
};

struct ToolBarRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string ButtonWidth;
  std::string ButtonHeight;
  std::string Indent;
  std::string Flat;
  std::string List;
  std::string ShowCaptions;
  std::string Wrapable;
  std::string EdgeBorders;
};

bool IsSeparator(const ToolButtonRecord& button) {
  return button.Style == "tbsSeparator" || button.Style == "tbsDivider";
}

std::string ButtonStyle(const ToolButtonRecord& button) {
  if (IsSeparator(button)) return "BTNS_SEP";
  if (button.Style == "tbsCheck")
    return button.Grouped == "True" ? "BTNS_CHECKGROUP" : "BTNS_CHECK";
  if (button.Style == "tbsDropDown") return "BTNS_DROPDOWN";
  return "BTNS_BUTTON";
}

std::string ButtonState(const ToolButtonRecord& button) {
  std::string state = button.Enabled == "False" ? "0" : "TBSTATE_ENABLED";
  if (button.Visible == "False") state += " or TBSTATE_HIDDEN";
  if (button.Down == "True") state += " or TBSTATE_CHECKED";
  if (button.Wrap == "True") state += " or TBSTATE_WRAP";
  return state;
}

// The bar's window styles: it keeps the form's place and size instead of
// docking itself, and draws over none of the controls placed on it.
std::string BarStyles(const ToolBarRecord& bar) {
  // Without ebTop in its edges the bar has no line along its top.
  const bool divider =
      bar.EdgeBorders.empty() || bar.EdgeBorders.find("ebTop") != std::string::npos;
  return "WS_VISIBLE or WS_CHILD or WS_CLIPSIBLINGS or CCS_NORESIZE or CCS_NOPARENTALIGN" +
         StyleIf(!divider, "CCS_NODIVIDER") + StyleIf(bar.Flat == "True", "TBSTYLE_FLAT") +
         StyleIf(bar.List == "True", "TBSTYLE_LIST") +
         StyleIf(bar.Wrapable != "False", "TBSTYLE_WRAPABLE");
}

// Sizes must reach the bar before its first button does.
std::string BarSetupText(const ToolBarRecord& bar) {
  const std::string& name = bar.ControlName;
  std::string text = "\r\n  SendMessage(" + name + ",TB_BUTTONSTRUCTSIZE,SizeOf(TTBButton),0);" +
                     "\r\n  SendMessage(" + name + ",TB_SETBUTTONSIZE,0,MakeLong(" +
                     IntegerText(IntegerOr(bar.ButtonWidth, 23)) + "," +
                     IntegerText(IntegerOr(bar.ButtonHeight, 22)) + "));";
  if (!bar.Indent.empty()) {
    text += "\r\n  SendMessage(" + name + ",TB_SETINDENT," + bar.Indent + ",0);";
  }
  return text;
}

class ToolBarGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    bar_.ControlName = context.TakeName(line);
    level_ = line.Level;
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& line) override {
    if (StoreGeometry(bar_, line)) return;
    const std::string& name = line.Word1;
    if (name == "ButtonWidth") {
      bar_.ButtonWidth = line.Word3;
    } else if (name == "ButtonHeight") {
      bar_.ButtonHeight = line.Word3;
    } else if (name == "Indent") {
      bar_.Indent = line.Word3;
    } else if (name == "Flat") {
      bar_.Flat = line.Word3;
    } else if (name == "List") {
      bar_.List = line.Word3;
    } else if (name == "ShowCaptions") {
      bar_.ShowCaptions = line.Word3;
    } else if (name == "Wrapable") {
      bar_.Wrapable = line.Word3;
    } else if (name == "EdgeBorders") {
      bar_.EdgeBorders = line.Word3;
    }
  }

  // The bar stands before what it holds, as a container does.
  void OnChildObject(GeneratorContext context, const LineWords& /*line*/) override {
    Write(context);
  }

  void OnEnd(GeneratorContext context, const LineWords& /*line*/) override {
    Write(context);
    if (!written_ || buttons_.empty()) return;
    std::string text = "\r\n  { Add the buttons of " + bar_.ControlName + " }";
    for (size_t i = 0; i < buttons_.size(); ++i) {
      text += ButtonText(buttons_[i], i + 1);
      if (!IsSeparator(buttons_[i])) {
        context.AddText("windowproccommandmidle", ClickText(buttons_[i], i + 1));
      }
      context.CountControl();
    }
    context.AddText("bodymidle", text);
  }

  /// Takes a button of the bar, to be added at the bar's end line.
  void AddButton(const ToolButtonRecord& button) { buttons_.push_back(button); }

 private:
  void Write(GeneratorContext context) {
    if (written_ || !HasGeometry(bar_)) return;
    written_ = true;
    context.DeclareOnce("ToolBarButton: TTBButton;");
    CreateWindowControl(context, {.level = level_,
                                  .name = bar_.ControlName,
                                  .banner = "Create a tool bar",
                                  .call = ":= CreateWindow('ToolbarWindow32','', ",
                                  .styles = BarStyles(bar_),
                                  .box = BoxOf(bar_),
                                  .after = BarSetupText(bar_),
                                  .common = true,
                                  .reads_font = true});
  }

  // One button, with the command `id` its clicks carry; a separator's
  // bitmap field holds its width.
  std::string ButtonText(const ToolButtonRecord& button, size_t id) const {
    const bool separator = IsSeparator(button);
    const std::string image = separator ? IntegerText(IntegerOr(button.Width, 0)) : "I_IMAGENONE";
    const bool caption = !separator && bar_.ShowCaptions == "True" && !button.Caption.empty();
    const std::string text = caption ? "INT_PTR(PChar(" + button.Caption + "))" : "0";
    return "\r\n  ToolBarButton.iBitmap := " + image + ";" +
           "\r\n  ToolBarButton.idCommand := " + std::to_string(id) + ";" +
           "\r\n  ToolBarButton.fsState := " + ButtonState(button) + ";" +
           "\r\n  ToolBarButton.fsStyle := " + ButtonStyle(button) + ";" +
           "\r\n  ToolBarButton.iString := " + text + ";" + "\r\n  SendMessage(" +
           bar_.ControlName + ",TB_ADDBUTTONS,1,LParam(@ToolBarButton));";
  }

  // A click on a button comes from the bar with the button's command.
  std::string ClickText(const ToolButtonRecord& button, size_t id) const {
    return "\r\n      if (HWND(lParam) = " + bar_.ControlName +
           ") and (LoWord(wParam) = " + std::to_string(id) + ") then MessageBox(hWindow,'" +
           button.ControlName + "Click','Check',MB_OK);";
  }

  ToolBarRecord bar_;
  int level_ = 0;
  bool written_ = false;  // the bar's window is in the program
  std::vector<ToolButtonRecord> buttons_;
};

class ToolButtonGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    button_.ControlName = context.TakeName(line);
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& line) override {
    const std::string& name = line.Word1;
    if (name == "Caption") {
      button_.Caption = line.Word3;
    } else if (name == "Style") {
      button_.Style = line.Word3;
    } else if (name == "Width") {
      button_.Width = line.Word3;
    } else if (name == "Visible") {
      button_.Visible = line.Word3;
    } else if (name == "Enabled") {
      button_.Enabled = line.Word3;
    } else if (name == "Down") {
      button_.Down = line.Word3;
    } else if (name == "Grouped") {
      button_.Grouped = line.Word3;
    } else if (name == "Wrap") {
      button_.Wrap = line.Word3;
    }
  }

  // A button belongs to the bar that holds it; anywhere else it is nothing.
  void OnEnd(GeneratorContext context, const LineWords& line) override {
    auto* bar = dynamic_cast<ToolBarGenerator*>(context.HolderAt(line.Level));
    if (bar == nullptr) return;
    bar->AddButton(button_);
  }

 private:
  ToolButtonRecord button_;
};

}  // namespace

std::unique_ptr<ControlGenerator> NewToolBar() { return std::make_unique<ToolBarGenerator>(); }

std::unique_ptr<ControlGenerator> NewToolButton() {
  return std::make_unique<ToolButtonGenerator>();
}

}  // namespace vornic
