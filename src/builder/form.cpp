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
  // lets the system choose, or takes the client size the form gives instead.
  static const std::string kEmptyCaption = "''";
  static const std::string kDefault = "CW_USEDEFAULT";
  static const std::string kZero = "0";
  Form.Complete = true;
  const std::string& width = FirstGiven(Form.Width, FirstGiven(Form.ClientWidth, kDefault));
  const std::string& height = FirstGiven(Form.Height, FirstGiven(Form.ClientHeight, kDefault));
  dpr.AddText("bodymidle",
              "\r\n  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass'," +
                  FirstGiven(Form.Caption, kEmptyCaption) +
                  ",\r\n            WS_OVERLAPPEDWINDOW or WS_VISIBLE,\r\n            " +
                  FirstGiven(Form.Left, kDefault) + "," + FirstGiven(Form.Top, kZero) + "," +
                  width + "," + height + ",0, 0, Inst, nil);\r\n");
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
