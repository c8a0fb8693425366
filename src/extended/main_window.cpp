// The main window of the extended translation. The program computes the
// window's outer size from the client size the form gives and then its place
// on the work area, since both depend on the running system (frame sizes,
// screen, task bar).
#include <memory>
#include <string>
#include <string_view>

#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/layout_table.h"
#include "extended/writers.h"
#include "lib/form_colors.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

namespace {

// The form's values the window is made from, as form text writes them.
struct MainWindowValues {
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string ClientWidth;
  std::string ClientHeight;
  std::string Caption;
  std::string Color;
  std::string WindowState;
  std::string Position;
  std::string BorderStyle;
  std::string BorderIcons;
  std::string Menu;
  std::string DesignWidth;   // DesignSize, the client size its anchors were set in
  std::string DesignHeight;
  bool frame;  // Width and Height are the client size
  std::string Constraints[4];  // MinWidth, MinHeight, MaxWidth, MaxHeight

  explicit MainWindowValues(const Control& form)
      : Left(form.Value("Left")),
        Top(form.Value("Top")),
        Width(form.Value("Width")),
        Height(form.Value("Height")),
        ClientWidth(form.Value("ClientWidth")),
        ClientHeight(form.Value("ClientHeight")),
        Caption(form.Value("Caption")),
        Color(form.Value("Color")),
        WindowState(form.Value("WindowState")),
        Position(form.Value("Position")),
        BorderStyle(form.Value("BorderStyle")),
        BorderIcons(form.Value("BorderIcons")),
        Menu(form.Value("Menu")),
        frame(IsFrame(form)),
        Constraints{form.Value("Constraints.MinWidth"), form.Value("Constraints.MinHeight"),
                    form.Value("Constraints.MaxWidth"), form.Value("Constraints.MaxHeight")} {
    if (const auto designed = DesignSizeOf(form.object)) {
      DesignWidth = std::to_string(designed->first);
      DesignHeight = std::to_string(designed->second);
    }
  }

  // A frame has no caption or border, so it stores no client size of its
  // own: its Width and Height are the client area. Unlike a form, it stores
  // neither the resolution it was designed at nor its text height.
  static bool IsFrame(const Control& form) {
    return form.holder == nullptr && !form.Has("ClientWidth") && !form.Has("ClientHeight") &&
           !form.Has("PixelsPerInch") && !form.Has("TextHeight");
  }
};

constexpr char kDefault[] = "CW_USEDEFAULT";

// What a BorderStyle gives the window, and the border icons it allows.
struct Border {
  std::string_view value;
  const char* styles;
  const char* ex_styles;
  bool min_max;  // minimize and maximize boxes are allowed
  bool help;     // the help button shows beside the system menu
};

// The first row is the designer's default.
constexpr Border kBorders[] = {
    {"bsSizeable", "WS_CAPTION or WS_THICKFRAME", "WS_EX_WINDOWEDGE", true, false},
    {"bsSingle", "WS_CAPTION", "WS_EX_WINDOWEDGE", true, false},
    {"bsDialog", "WS_CAPTION", "WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE", false, true},
    {"bsToolWindow", "WS_CAPTION", "WS_EX_TOOLWINDOW or WS_EX_WINDOWEDGE", false, false},
    {"bsSizeToolWin", "WS_CAPTION or WS_THICKFRAME", "WS_EX_TOOLWINDOW or WS_EX_WINDOWEDGE", false,
     false},
    // Without a caption a window is a pop-up; it has no icons to show.
    {"bsNone", "WS_POPUP", "0", false, false},
};

const Border& BorderFor(const std::string& value) {
  for (const Border& border : kBorders) {
    if (border.value == value) return border;
  }
  return kBorders[0];
}

// The window's styles and extended styles from BorderStyle and BorderIcons.
struct WindowStyles {
  std::string styles;
  std::string ex_styles;
};

WindowStyles StylesFor(const MainWindowValues& form) {
  const Border& border = BorderFor(form.BorderStyle);
  // A form that stores no BorderIcons has all three.
  const std::string icons =
      form.BorderIcons.empty() ? "[biSystemMenu, biMinimize, biMaximize]" : form.BorderIcons;
  const bool caption = border.value != "bsNone";
  const bool system_menu = caption && FindText(icons, "biSystemMenu") > 0;
  const bool minimize = border.min_max && FindText(icons, "biMinimize") > 0;
  const bool maximize = border.min_max && FindText(icons, "biMaximize") > 0;
  // The help button takes the place of the two boxes: it shows without them.
  const bool help =
      system_menu && FindText(icons, "biHelp") > 0 && (border.help || (!minimize && !maximize));
  WindowStyles result{border.styles, border.ex_styles};
  if (system_menu && minimize && maximize && border.value == "bsSizeable") {
    result.styles = "WS_OVERLAPPEDWINDOW";
  } else {
    if (system_menu) result.styles += " or WS_SYSMENU";
    if (minimize) result.styles += " or WS_MINIMIZEBOX";
    if (maximize) result.styles += " or WS_MAXIMIZEBOX";
  }
  if (help) result.ex_styles += " or WS_EX_CONTEXTHELP";
  return result;
}

// A menu bar takes room above the client area: the main menu that the
// form's Menu names becomes the bar (src/extended/menus.cpp), attached once
// the window exists.
bool HasMenuBar(const MainWindowValues& form) { return !form.Menu.empty(); }

bool IsCentered(const std::string& position) {
  return position == "poScreenCenter" || position == "poDesktopCenter" ||
         position == "poMainFormCenter" || position == "poOwnerFormCenter";
}

// A length of the form as the program computes it at the screen's resolution.
std::string Scaled(const std::string& length) {
  return length == "0" ? length : "ScaleToScreen(" + length + ")";
}

// The lines that set WinWidth and WinHeight: a client size becomes the outer
// size the window's frame, caption and menu bar need around it.
std::string SizeLines(const MainWindowValues& form, const WindowStyles& styles, bool* known) {
  std::string client_width_value = form.frame ? form.Width : form.ClientWidth;
  std::string client_height_value = form.frame ? form.Height : form.ClientHeight;
  // A form without any size (a frame whose ancestor holds it) opens at the
  // client size it anchored its controls in.
  if (client_width_value.empty() && client_height_value.empty() && form.Width.empty() &&
      form.Height.empty() && !form.DesignWidth.empty()) {
    client_width_value = form.DesignWidth;
    client_height_value = form.DesignHeight;
  }
  const bool client_width = !client_width_value.empty();
  const bool client_height = !client_height_value.empty();
  std::string text;
  if (client_width || client_height) {
    text += "\r\n  SetRect(WinRect, 0, 0, " + Scaled(client_width ? client_width_value : "0") + ", " +
            Scaled(client_height ? client_height_value : "0") + ");";
    text += "\r\n  AdjustWindowRectEx(WinRect, " + styles.styles + ", " +
            (HasMenuBar(form) ? "True" : "False") + ", " + styles.ex_styles + ");";
  }
  const std::string width = client_width         ? "WinRect.Right - WinRect.Left"
                            : form.Width.empty() ? kDefault
                                                 : Scaled(form.Width);
  const std::string height = client_height         ? "WinRect.Bottom - WinRect.Top"
                             : form.Height.empty() ? kDefault
                                                   : Scaled(form.Height);
  *known = width != kDefault && height != kDefault;
  return text + "\r\n  WinWidth := " + width + ";\r\n  WinHeight := " + height + ";";
}

// The lines that set WinLeft and WinTop, once the size is known.
std::string PlaceLines(const MainWindowValues& form, bool size_known) {
  const std::string& position = form.Position;
  const bool system_places = position == "poDefault" || position == "poDefaultPosOnly" ||
                             form.Left.empty() || (IsCentered(position) && !size_known);
  if (system_places) {
    // With x = CW_USEDEFAULT the system chooses the place, y included.
    return std::string("\r\n  WinLeft := ") + kDefault + ";\r\n  WinTop := " + kDefault + ";";
  }
  std::string text = "\r\n  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);";
  if (IsCentered(position)) {
    return text +
           "\r\n  WinLeft := WorkArea.Left + (WorkArea.Right - WorkArea.Left - WinWidth) div 2;"
           "\r\n  WinTop := WorkArea.Top + (WorkArea.Bottom - WorkArea.Top - WinHeight) div 2;";
  }
  // Where the form was designed, moved onto the work area where it would
  // lie partly off it; the left and top edges win over the right and bottom.
  text += "\r\n  WinLeft := " + form.Left +
          ";\r\n  WinTop := " + (form.Top.empty() ? "0" : form.Top) + ";";
  if (size_known) {
    text +=
        "\r\n  if WinLeft + WinWidth > WorkArea.Right then WinLeft := WorkArea.Right - WinWidth;"
        "\r\n  if WinTop + WinHeight > WorkArea.Bottom then WinTop := WorkArea.Bottom - WinHeight;";
  }
  return text +
         "\r\n  if WinLeft < WorkArea.Left then WinLeft := WorkArea.Left;"
         "\r\n  if WinTop < WorkArea.Top then WinTop := WorkArea.Top;";
}

std::string ShowMode(const std::string& window_state) {
  if (window_state == "wsMaximized") return "SW_SHOWMAXIMIZED";
  if (window_state == "wsMinimized") return "SW_SHOWMINIMIZED";
  return "SW_NORMAL";
}

// The form's Color paints the client area where it is not the class's.
void WriteBackground(FormWriter& writer, const std::string& color) {
  const std::string expression = ColorExpression(color);
  if (expression.empty() || expression == ColorExpression("clBtnFace")) return;
  const std::string brush = writer.BrushFor(expression);
  writer.branches().Add("WM_ERASEBKGND",
                        "\r\n      GetClientRect(hWindow, EraseRect);"
                        "\r\n      FillRect(HDC(wParam), EraseRect, " +
                            brush + ");\r\n      Result := 1;");
}

// The form's Constraints bound the window's outer size while the user
// drags its frame, scaled as the form is.
void WriteConstraints(FormWriter& writer, const MainWindowValues& form) {
  // Each bound's value among the form's, and the fields it sets: a largest
  // size is also the size a maximized window takes.
  static constexpr struct {
    const char* track;
    const char* maximized;
  } kBounds[] = {{"ptMinTrackSize.X", nullptr},
                 {"ptMinTrackSize.Y", nullptr},
                 {"ptMaxTrackSize.X", "ptMaxSize.X"},
                 {"ptMaxTrackSize.Y", "ptMaxSize.Y"}};
  std::string lines;
  for (size_t i = 0; i < 4; ++i) {
    const std::string& value = form.Constraints[i];
    if (value.empty() || value == "0" || value[0] == '-') continue;
    for (const char* field : {kBounds[i].track, kBounds[i].maximized}) {
      if (field == nullptr) continue;
      lines += "\r\n      PMinMaxInfo(lParam)^." + std::string(field) + " := " + Scaled(value) + ";";
    }
  }
  if (!lines.empty()) writer.branches().Add("WM_GETMINMAXINFO", lines);
}

void DeclareVariables(FormWriter& writer) {
  static const char kDeclarations[] =
      "\r\n    WinRect: TRect;\r\n    WorkArea: TRect;\r\n    EraseRect: TRect;"
      "\r\n    WinLeft, WinTop, WinWidth, WinHeight: Integer;";
  // A later object of the form's class writes another window with the same variables.
  writer.AddTextOnce("var", kDeclarations);
}

void WriteMainWindow(FormWriter& writer, const MainWindowValues& form) {
  DeclareVariables(writer);
  const WindowStyles styles = StylesFor(form);
  bool size_known = false;
  std::string text = "\r\n  ReadScreenDpi;" + SizeLines(form, styles, &size_known);
  text += PlaceLines(form, size_known);
  text += "\r\n  hWindow := CreateWindowExW(" + styles.ex_styles + ", 'MyWindowClass'," +
          (form.Caption.empty() ? "''" : form.Caption) + ",\r\n            " + styles.styles +
          " or WS_VISIBLE,\r\n            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);\r\n";
  writer.AddText("bodymidle", text);
  if (!form.WindowState.empty()) {
    writer.program().ShowWindowLine =
        "  ShowWindow(hWindow," + ShowMode(form.WindowState) + ");\r\n";
  }
  WriteBackground(writer, form.Color);
  WriteConstraints(writer, form);
}

// The form's window comes before any control; another object of the form's
// own class inside it makes one more window where it stores its TextHeight,
// the last of a form's values.
class MainWindowWriter final : public ControlWriter {
 public:
  void Open(FormWriter& writer, Control& control) override {
    if (control.holder != nullptr && !control.Has("TextHeight")) return;
    WriteMainWindow(writer, MainWindowValues(control));
    if (control.holder == nullptr) writer.popup_menus().OpenOn(writer, control.object, "hWindow");
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewMainWindowWriter() {
  return std::make_unique<MainWindowWriter>();
}

}  // namespace vornic
