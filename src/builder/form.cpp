// The main window: the form's caption, position, size and window state, and
// the CreateWindowEx call that builds it.
#include "builder/builder.h"
#include "output/program_text.h"

namespace vornic {

namespace {

struct FormProperty {
  const char* name;
  std::string TRForm::*field;
};

const FormProperty kFormProperties[] = {
    {"Caption", &TRForm::Caption},
    {"Left", &TRForm::Left},
    {"Top", &TRForm::Top},
    {"Width", &TRForm::Width},
    {"Height", &TRForm::Height},
    {"ClientWidth", &TRForm::ClientWidth},
    {"ClientHeight", &TRForm::ClientHeight},
    {"Color", &TRForm::Color},
    {"WindowState", &TRForm::WindowState},
};

const std::string& FirstGiven(const std::string& value, const std::string& fallback) {
  return value.empty() ? fallback : value;
}

std::string ShowMode(const std::string& window_state) {
  if (window_state == "wsMaximized") return "SW_SHOWMAXIMIZED";
  if (window_state == "wsMinimized") return "SW_SHOWMINIMIZED";
  return "SW_NORMAL";
}

}  // namespace

void TBuilder::BuildForm(TSDPR& dpr, const LineWords& line) {
  if (line.Kind == "object") Form.Name = line.Word2;
  if (line.Kind == "set") {
    for (const FormProperty& property : kFormProperties) {
      if (line.Word1 == property.name) Form.*property.field = line.Word3;
    }
  }
  // TextHeight is the form's last property, written after every value used here.
  if (line.Word1 == "TextHeight") EmitMainWindow(dpr);
}

void TBuilder::EmitMainWindow(TSDPR& dpr) {
  // Every argument must be present for the call to compile: a missing value
  // lets the system choose, or the size follows from the client size.
  static const std::string kEmptyCaption = "''";
  static const std::string kDefault = "CW_USEDEFAULT";
  static const std::string kZero = "0";
  Form.Complete = true;
  // With x = CW_USEDEFAULT an overlapped window takes y as its show command,
  // where 0 would hide it: the system then places the window entirely.
  const bool placed = !Form.Left.empty();
  const std::string& left = placed ? Form.Left : kDefault;
  const std::string& top = placed ? FirstGiven(Form.Top, kZero) : kDefault;
  const bool client_width = Form.Width.empty() && !Form.ClientWidth.empty();
  const bool client_height = Form.Height.empty() && !Form.ClientHeight.empty();
  std::string text;
  if (client_width || client_height) {
    // A client size leaves out the frame and the caption: the program asks
    // the system how large the window around that client area must be.
    if (!win_rect_declared_) dpr.AddText("var", "\r\n    WinRect: TRect;");
    win_rect_declared_ = true;
    text = "\r\n  SetRect(WinRect, 0, 0, " + (client_width ? Form.ClientWidth : kZero) + ", " +
           (client_height ? Form.ClientHeight : kZero) +
           ");\r\n  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);";
  }
  const std::string width =
      client_width ? "WinRect.Right - WinRect.Left" : FirstGiven(Form.Width, kDefault);
  const std::string height =
      client_height ? "WinRect.Bottom - WinRect.Top" : FirstGiven(Form.Height, kDefault);
  text += "\r\n  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass'," +
          FirstGiven(Form.Caption, kEmptyCaption) +
          ",\r\n            WS_OVERLAPPEDWINDOW or WS_VISIBLE,\r\n            " + left + "," + top +
          "," + width + "," + height + ",0, 0, Inst, nil);\r\n";
  dpr.AddText("bodymidle", text);
  if (!Form.WindowState.empty()) {
    dpr.ShowWindowLine = "  ShowWindow(hWindow," + ShowMode(Form.WindowState) + ");\r\n";
  }
  // Name and Color stay; the client size goes with the size it stands in for.
  for (std::string* field : {&Form.Caption, &Form.Left, &Form.Top, &Form.Width, &Form.Height,
                             &Form.ClientWidth, &Form.ClientHeight, &Form.WindowState}) {
    field->clear();
  }
  Form.Complete = false;
  main_window_written_ = true;
}

}  // namespace vornic
