// Tool bars and their tool buttons: a tool bar control at the form's place,
// its buttons added in the form's order with their styles and states, and
// their captions when the bar shows captions. A button is written by its bar,
// at the bar's end, as the bar adds its buttons in one go.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "extended/control.h"
#include "extended/control_values.h"
#include "extended/form_writer.h"
#include "extended/window_creation.h"
#include "extended/writers.h"

namespace vornic {

namespace {

// A tool button as its bar adds it.
struct ToolButton {
  const FormObject* object;
  std::string name;  // its variable
  std::string caption;
  std::string style;
  std::string width;  // a separator's width
  std::string visible;
  std::string enabled;
  std::string down;
  std::string grouped;
  std::string wrap;
  std::string image_index;  // the image it shows of its bar's image list

  ToolButton(const Control& control, std::string variable)
      : object(&control.object),
        name(std::move(variable)),
        caption(control.Value("Caption")),
        style(control.Value("Style")),
        width(control.Value("Width")),
        visible(control.Value("Visible")),
        enabled(control.Value("Enabled")),
        down(control.Value("Down")),
        grouped(control.Value("Grouped")),
        wrap(control.Value("Wrap")),
        image_index(control.Value("ImageIndex")) {}

  bool IsSeparator() const { return style == "tbsSeparator" || style == "tbsDivider"; }

  std::string Style() const {
    if (IsSeparator()) return "BTNS_SEP";
    if (style == "tbsCheck") return grouped == "True" ? "BTNS_CHECKGROUP" : "BTNS_CHECK";
    if (style == "tbsDropDown") return "BTNS_DROPDOWN";
    return "BTNS_BUTTON";
  }

  std::string State() const {
    std::string state = enabled == "False" ? "0" : "TBSTATE_ENABLED";
    if (visible == "False") state += " or TBSTATE_HIDDEN";
    if (down == "True") state += " or TBSTATE_CHECKED";
    if (wrap == "True") state += " or TBSTATE_WRAP";
    return state;
  }

  // A separator's bitmap field holds its width; a button without an image
  // of its bar's list shows none.
  std::string Image(bool bar_has_images) const {
    if (IsSeparator()) return IntegerText(IntegerOr(width, 0));
    const int index = IntegerOr(image_index, -1);
    return bar_has_images && index >= 0 ? IntegerText(index) : "I_IMAGENONE";
  }
};

// The bar's window styles: it keeps the form's place and size instead of
// docking itself, and draws over none of the controls placed on it.
std::string BarStyles(const Control& bar) {
  // Without ebTop in its edges the bar has no line along its top.
  const std::string& edges = bar.Value("EdgeBorders");
  const bool divider = edges.empty() || edges.find("ebTop") != std::string::npos;
  return "WS_VISIBLE or WS_CHILD or WS_CLIPSIBLINGS or CCS_NORESIZE or CCS_NOPARENTALIGN" +
         StyleIf(!divider, "CCS_NODIVIDER") + StyleIf(bar.Value("Flat") == "True", "TBSTYLE_FLAT") +
         StyleIf(bar.Value("List") == "True", "TBSTYLE_LIST") +
         StyleIf(bar.Value("Wrapable") != "False", "TBSTYLE_WRAPABLE");
}

// The bar's image lists: its images, and those it shows under the mouse and
// for disabled buttons.
struct BarImages {
  std::string normal;
  std::string hot;
  std::string disabled;
};

// Sizes and image lists must reach the bar before its first button does.
std::string BarSetupText(const Control& bar, const std::string& name, const BarImages& images) {
  std::string text = "\r\n  SendMessageW(" + name + ",TB_BUTTONSTRUCTSIZE,SizeOf(TTBButton),0);" +
                     "\r\n  SendMessageW(" + name + ",TB_SETBUTTONSIZE,0,MakeLong(" +
                     IntegerText(IntegerOr(bar.Value("ButtonWidth"), 23)) + "," +
                     IntegerText(IntegerOr(bar.Value("ButtonHeight"), 22)) + "));";
  if (const std::string& indent = bar.Value("Indent"); !indent.empty()) {
    text += "\r\n  SendMessageW(" + name + ",TB_SETINDENT," + indent + ",0);";
  }
  const std::pair<const std::string*, const char*> lists[] = {
      {&images.normal, "TB_SETIMAGELIST"},
      {&images.hot, "TB_SETHOTIMAGELIST"},
      {&images.disabled, "TB_SETDISABLEDIMAGELIST"}};
  for (const auto& [list, message] : lists) {
    if (!list->empty()) {
      text += "\r\n  SendMessageW(" + name + "," + message + ",0,LParam(" + *list + "));";
    }
  }
  return text;
}

class ToolBarWriter final : public ControlWriter {
 public:
  // The bar stands before what it holds, as a container does.
  void Open(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    name_ = writer.TakeName(control);
    show_captions_ = control.Value("ShowCaptions") == "True";
    const BarImages images{writer.ImagesOf(control.object),
                           writer.ImagesOf(control.object, "HotImages"),
                           writer.ImagesOf(control.object, "DisabledImages")};
    has_images_ = !images.normal.empty();
    writer.DeclareOnce("ToolBarButton: TTBButton;");
    WriteWindow(writer, control,
                {.name = name_,
                 .banner = "Create a tool bar",
                 .call = ":= CreateWindowExW(0, 'ToolbarWindow32','', ",
                 .styles = BarStyles(control),
                 .box = box,
                 .after = BarSetupText(control, name_, images),
                 .common = true});
  }

  void Close(FormWriter& writer, Control& /*control*/) override {
    if (buttons_.empty()) return;
    std::string text = "\r\n  { Add the buttons of " + name_ + " }";
    for (size_t i = 0; i < buttons_.size(); ++i) {
      text += ButtonText(buttons_[i], i + 1);
      if (!buttons_[i].IsSeparator()) {
        writer.AddText("windowproccommandmidle", ClickText(writer, buttons_[i], i + 1));
      }
      writer.CountControl();
    }
    writer.AddText("bodymidle", text);
  }

  /// True once the bar's window is in the program: only then has it buttons.
  bool written() const { return !name_.empty(); }
  /// Takes a button of the bar, to be added at the bar's end.
  void AddButton(ToolButton button) { buttons_.push_back(std::move(button)); }

 private:
  // One button, with the command `id` its clicks carry.
  std::string ButtonText(const ToolButton& button, size_t id) const {
    const bool caption = !button.IsSeparator() && show_captions_ && !button.caption.empty();
    const std::string text = caption ? "INT_PTR(PWideChar(" + button.caption + "))" : "0";
    return "\r\n  ToolBarButton.iBitmap := " + button.Image(has_images_) + ";" +
           "\r\n  ToolBarButton.idCommand := " + std::to_string(id) + ";" +
           "\r\n  ToolBarButton.fsState := " + button.State() + ";" +
           "\r\n  ToolBarButton.fsStyle := " + button.Style() + ";" +
           "\r\n  ToolBarButton.iString := " + text + ";" + "\r\n  SendMessageW(" + name_ +
           ",TB_ADDBUTTONSW,1,LParam(@ToolBarButton));";
  }

  // A click on a button comes from the bar with the button's command; its
  // handler hears of the bar's window, as the button has none.
  std::string ClickText(FormWriter& writer, const ToolButton& button, size_t id) const {
    const std::string click =
        writer.events().ClickStatement(writer, *button.object, button.name, name_, true);
    if (click.empty()) return "";
    return "\r\n      if (HWND(lParam) = " + name_ + ") and (LoWord(wParam) = " +
           std::to_string(id) + ") then " + click;
  }

  std::string name_;  // the bar's variable; empty while it is not written
  bool show_captions_ = false;
  bool has_images_ = false;  // the bar shows the images of an image list
  std::vector<ToolButton> buttons_;
};

// A button belongs to the bar that holds it; anywhere else it is nothing.
class ToolButtonWriter final : public ControlWriter {
 public:
  void Open(FormWriter& writer, Control& control) override {
    if (control.holder == nullptr) return;
    auto* bar = dynamic_cast<ToolBarWriter*>(control.holder->writer.get());
    if (bar == nullptr || !bar->written()) return;
    bar->AddButton(ToolButton(control, writer.TakeName(control)));
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewToolBarWriter() { return std::make_unique<ToolBarWriter>(); }

std::unique_ptr<ControlWriter> NewToolButtonWriter() {
  return std::make_unique<ToolButtonWriter>();
}

}  // namespace vornic
