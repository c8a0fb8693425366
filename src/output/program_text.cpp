#include "output/program_text.h"

#include <string_view>

#include "lib/file_replacement.h"

namespace vornic {

namespace {

enum Section : size_t {
  kProgram,
  kUses,
  kVar,
  kWindowProcBegin,
  kCreateBegin,
  kCreateMidle,
  kCreateEnd,
  kCommandBegin,
  kCommandMidle,
  kCommandEnd,
  kWindowProcMidle,
  kWmSizeBegin,
  kWmSizeMidle,
  kWmSizeEnd,
  kPaintBegin,
  kPaintMidle,
  kPaintEnd,
  kDestroyMidle,
  kWindowProcEnd,
  kBodyBegin,
  kBodyMidle,
  kBodyMidleEnd,
  kBodyEnd,
  kProcedures,  // procedures the window procedure calls, between "var" and it
  kNotifyBegin,
  kNotifyMidle,
  kNotifyEnd,
  kBodyLast,
};

constexpr std::string_view kSectionNames[] = {
    "program",
    "uses",
    "var",
    "windowprocbegin",
    "windowproccreatebegin",
    "windowproccreatemidle",
    "windowproccreateend",
    "windowproccommandbegin",
    "windowproccommandmidle",
    "windowproccommandend",
    "windowprocmidle",
    "windowprocwmsizebegin",
    "windowprocwmsizemidle",
    "windowprocwmsizeend",
    "windowprocpaintbegin",
    "windowprocpaintmidle",
    "windowprocpaintend",
    "windowprocdestroymidle",
    "windowprocend",
    "bodybegin",
    "bodymidle",
    "bodymidleend",
    "bodyend",
    "procedures",
    "windowprocnotifybegin",
    "windowprocnotifymidle",
    "windowprocnotifyend",
    "bodylast",
};

constexpr size_t kUnknown = sizeof(kSectionNames) / sizeof(kSectionNames[0]);

size_t SectionIndex(const std::string& name) {
  for (size_t i = 0; i < kUnknown; ++i) {
    if (kSectionNames[i] == name) return i;
  }
  return kUnknown;
}

const std::string kEmpty;

}  // namespace

TSDPR::TSDPR(const std::string& program_name) {
  static_assert(kUnknown == kSectionCount);
  sections_[kProgram] = "Program " + program_name + " ;\r\n";
  sections_[kUses] = "Uses Windows, Messages, CommCtrl;\r\n";
  sections_[kVar] =
      "Var WinClass: TWndClassA;\r\n    Inst: HINST;\r\n    hWindow: HWND;\r\n    TheMessage: "
      "TMsg;";
  sections_[kWindowProcBegin] =
      "\r\n{ Custom WindowProc function }\r\n"
      "function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;\r\n"
      "begin\r\n  Result := 0;\r\n  { Checks for messages }\r\n  case Message of";
  sections_[kCreateBegin] = "\r\n    WM_CREATE: begin";
  sections_[kCreateEnd] = "\r\n    end;";
  sections_[kCommandBegin] = "\r\n    WM_COMMAND: begin";
  sections_[kCommandEnd] = "\r\n      exit;\r\n    end;";
  sections_[kWmSizeBegin] = "    WM_SIZE: begin";
  sections_[kWmSizeEnd] = "\r\n    end;";
  // Tab controls tell their parent of another tab chosen with WM_NOTIFY; the
  // code is an unsigned field and TCN_SELCHANGE a negative constant.
  sections_[kNotifyBegin] =
      "\r\n    WM_NOTIFY: if Integer(PNMHdr(lParam)^.code) = TCN_SELCHANGE then begin"
      "\r\n      { Another tab was chosen: only the controls of chosen pages show }";
  sections_[kNotifyEnd] = "\r\n      InvalidateRect(hWindow, nil, True);\r\n    end;";
  sections_[kWindowProcEnd] =
      "\r\n  else\r\n    Result := DefWindowProc(hWindow, Message, wParam, lParam);\r\n"
      "  end;\r\nend;\r\n";
  sections_[kBodyBegin] =
      "begin\r\n  { Register Custom WndClass }\r\n  Inst := hInstance;\r\n  with WinClass do\r\n"
      "  begin\r\n"
      "    style              := CS_CLASSDC or CS_PARENTDC;\r\n"
      "    lpfnWndProc        := @WindowProc;\r\n"
      "    hInstance          := Inst;\r\n"
      "    hbrBackground      := color_btnface + 1;\r\n"
      "    lpszClassname      := 'MyWindowClass';\r\n"
      "    hIcon              := LoadIcon(0, IDI_APPLICATION);\r\n"
      "    hCursor            := LoadCursor(0, IDC_ARROW);\r\n"
      "  end; { with }\r\n\r\n  RegisterClass(WinClass);\r\n\r\n  { Create Main Window }";
  sections_[kBodyEnd] =
      "\r\n  UpdateWindow(hWindow);\r\n\r\n  {the standard message loop}\r\n"
      "  while GetMessage(TheMessage,0,0,0) do begin\r\n"
      "    if not IsDialogMessage(hWindow,TheMessage) then begin\r\n"
      "      TranslateMessage(TheMessage);\r\n      DispatchMessage(TheMessage);\r\n"
      "    end;\r\n  end;\r\nend.\r\n";
}

void TSDPR::AddText(const std::string& section, const std::string& text) {
  const size_t index = SectionIndex(section);
  if (index == kUnknown) return;
  sections_[index] += text;
  if (index == kBodyMidle || index == kBodyMidleEnd) sections_[index] += "\r\n";
}

bool TSDPR::AddTextOnce(const std::string& section, const std::string& text) {
  if (!added_once_.insert(section + '\0' + text).second) return false;
  AddText(section, text);
  return true;
}

const std::string& TSDPR::Section(const std::string& section) const {
  const size_t index = SectionIndex(section);
  return index == kUnknown ? kEmpty : sections_[index];
}

// The one order of the program's pieces; both the composed text and the
// saved file come from it, so they cannot differ.
template <typename Emit>
void TSDPR::ForEachPiece(Emit emit) const {
  const std::string_view crlf = "\r\n";
  emit(sections_[kProgram]);
  emit(crlf);
  emit(sections_[kUses]);
  if (HasResources) emit(ResourceDirective);
  emit(crlf);
  emit(sections_[kVar]);
  emit(crlf);
  emit(sections_[kProcedures]);
  for (size_t i = kWindowProcBegin; i <= kWindowProcMidle; ++i) emit(sections_[i]);
  if (HasNotifyHandler) {
    for (size_t i = kNotifyBegin; i <= kNotifyEnd; ++i) emit(sections_[i]);
  }
  emit(crlf);
  if (HasSizeHandler) {
    for (size_t i = kWmSizeBegin; i <= kWmSizeEnd; ++i) emit(sections_[i]);
  }
  for (size_t i = kPaintBegin; i <= kPaintEnd; ++i) emit(sections_[i]);
  emit(DestroyBegin);
  emit(sections_[kDestroyMidle]);
  emit(DestroyEnd);
  emit(sections_[kWindowProcEnd]);
  emit(crlf);
  emit(sections_[kBodyBegin]);
  emit(sections_[kBodyMidle]);
  emit(crlf);
  emit(sections_[kBodyMidleEnd]);
  emit(crlf);
  // What needs the windows with their fonts, which come last of all.
  if (!sections_[kBodyLast].empty()) {
    emit(sections_[kBodyLast]);
    emit(crlf);
  }
  if (!FocusControl.empty()) {
    emit(std::string_view("  SetFocus("));
    emit(FocusControl);
    emit(std::string_view(");"));
  }
  emit(crlf);
  emit(ShowWindowLine);
  emit(sections_[kBodyEnd]);
  emit(crlf);
}

void TSDPR::Compose() {
  size_t size = 0;
  ForEachPiece([&size](std::string_view piece) { size += piece.size(); });
  std::string text;
  text.reserve(size);
  ForEachPiece([&text](std::string_view piece) { text += piece; });
  ComposedText = std::move(text);
}

void TSDPR::SaveTo(FileReplacement& file) const {
  // Written piece by piece: a program of many controls is not held twice.
  ForEachPiece([&file](std::string_view piece) { file.Write(piece); });
  file.Write("\r\n");
}

}  // namespace vornic
