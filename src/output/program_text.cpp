#include "output/program_text.h"

#include <algorithm>
#include <string_view>
#include <utility>

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
  kHandlers,      // the event handlers with what they use, after "procedures"
  kNotifyEvents,  // the handlers' lines of the WM_NOTIFY branch
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
    "handlers",
    "windowprocnotifyevents",
};

// The WM_NOTIFY branch's label; the tab change is its one statement unless
// handlers hear of notifications too.
constexpr std::string_view kNotifyLabel = "\r\n    WM_NOTIFY: ";

constexpr size_t kUnknown = sizeof(kSectionNames) / sizeof(kSectionNames[0]);

size_t SectionIndex(const std::string& name) {
  for (size_t i = 0; i < kUnknown; ++i) {
    if (kSectionNames[i] == name) return i;
  }
  return kUnknown;
}

}  // namespace

TSDPR::TSDPR(const std::string& program_name, bool wide) {
  static_assert(kUnknown == kSectionCount);
  std::array<std::string, kSectionCount> frame;
  frame[kProgram] = "Program " + program_name + " ;\r\n";
  frame[kUses] = "Uses Windows, Messages, CommCtrl;\r\n";
  frame[kVar] = std::string("Var WinClass: ") + (wide ? "TWndClassW" : "TWndClassA") +
                ";\r\n    Inst: HINST;\r\n    hWindow: HWND;\r\n    TheMessage: "
                "TMsg;";
  frame[kWindowProcBegin] =
      "\r\n{ Custom WindowProc function }\r\n"
      "function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;\r\n"
      "begin\r\n  Result := 0;\r\n  { Checks for messages }\r\n  case Message of";
  frame[kCreateBegin] = "\r\n    WM_CREATE: begin";
  frame[kCreateEnd] = "\r\n    end;";
  frame[kCommandBegin] = "\r\n    WM_COMMAND: begin";
  frame[kCommandEnd] = "\r\n      exit;\r\n    end;";
  frame[kWmSizeBegin] = "    WM_SIZE: begin";
  frame[kWmSizeEnd] = "\r\n    end;";
  // Tab controls tell their parent of another tab chosen with WM_NOTIFY; the
  // code is an unsigned field and TCN_SELCHANGE a negative constant.
  frame[kNotifyBegin] =
      std::string(kNotifyLabel) +
      "if Integer(PNMHdr(lParam)^.code) = TCN_SELCHANGE then begin"
      "\r\n      { Another tab was chosen: only the controls of chosen pages show }";
  frame[kNotifyEnd] = "\r\n      InvalidateRect(hWindow, nil, True);\r\n    end;";
  frame[kWindowProcEnd] = std::string("\r\n  else\r\n    Result := ") +
                          (wide ? "DefWindowProcW" : "DefWindowProc") +
                          "(hWindow, Message, wParam, lParam);\r\n"
                          "  end;\r\nend;\r\n";
  frame[kBodyBegin] = std::string(
                          "begin\r\n  { Register Custom WndClass }\r\n  Inst := hInstance;\r\n  "
                          "with WinClass do\r\n"
                          "  begin\r\n"
                          "    style              := CS_CLASSDC or CS_PARENTDC;\r\n"
                          "    lpfnWndProc        := @WindowProc;\r\n"
                          "    hInstance          := Inst;\r\n"
                          "    hbrBackground      := color_btnface + 1;\r\n"
                          "    lpszClassname      := 'MyWindowClass';\r\n"
                          "    hIcon              := LoadIcon(0, IDI_APPLICATION);\r\n"
                          "    hCursor            := LoadCursor(0, IDC_ARROW);\r\n"
                          "  end; { with }\r\n\r\n  ") +
                      (wide ? "RegisterClassW" : "RegisterClass") +
                      "(WinClass);\r\n\r\n  { Create Main Window }";
  const std::string w = wide ? "W" : "";
  frame[kBodyEnd] =
      "\r\n  UpdateWindow(hWindow);\r\n\r\n  {the standard message loop}\r\n"
      "  while GetMessage" +
      w +
      "(TheMessage,0,0,0) do begin\r\n"
      "    if not IsDialogMessage" +
      w +
      "(hWindow,TheMessage) then begin\r\n"
      "      TranslateMessage(TheMessage);\r\n      DispatchMessage" +
      w + "(TheMessage);\r\n    end;\r\n  end;\r\nend.\r\n";
  for (size_t i = 0; i < kSectionCount; ++i) sections_[i].push_back(std::move(frame[i]));
}

void TSDPR::Append(Pieces& pieces, std::string_view text) {
  while (!text.empty()) {
    if (pieces.back().size() >= kPieceSize) pieces.emplace_back();
    std::string& last = pieces.back();
    // Reserved whole at once: growing by doubling would leave up to half of
    // every piece unused.
    if (last.capacity() < kPieceSize) last.reserve(kPieceSize);
    const size_t part = std::min(text.size(), kPieceSize - last.size());
    last.append(text.substr(0, part));
    text.remove_prefix(part);
  }
}

void TSDPR::AddText(const std::string& section, const std::string& text) {
  const size_t index = SectionIndex(section);
  if (index == kUnknown) return;
  Append(sections_[index], text);
  if (index == kBodyMidle || index == kBodyMidleEnd) Append(sections_[index], "\r\n");
}

bool TSDPR::AddTextOnce(const std::string& section, const std::string& text) {
  if (!added_once_.insert(section + '\0' + text).second) return false;
  AddText(section, text);
  return true;
}

std::string TSDPR::Section(const std::string& section) const {
  const size_t index = SectionIndex(section);
  std::string text;
  if (index == kUnknown) return text;
  for (const std::string& piece : sections_[index]) text += piece;
  return text;
}

// The one order of the program's pieces; both the composed text and the
// saved file come from it, so they cannot differ.
template <typename Emit>
void TSDPR::ForEachPiece(Emit emit) const {
  const std::string_view crlf = "\r\n";
  const auto section = [&emit, this](size_t index) {
    for (const std::string& piece : sections_[index]) emit(piece);
  };
  section(kProgram);
  emit(crlf);
  section(kUses);
  if (HasResources) emit(ResourceDirective);
  emit(crlf);
  section(kVar);
  emit(crlf);
  section(kProcedures);
  section(kHandlers);
  for (size_t i = kWindowProcBegin; i <= kWindowProcMidle; ++i) section(i);
  if (!sections_[kNotifyEvents].front().empty()) {
    // Handlers hear of a notification once the pages have followed a tab change.
    emit(kNotifyLabel);
    emit(std::string_view("begin"));
    if (HasNotifyHandler) {
      emit(std::string_view("\r\n      "));
      emit(std::string_view(sections_[kNotifyBegin].front()).substr(kNotifyLabel.size()));
      for (size_t i = 1; i < sections_[kNotifyBegin].size(); ++i) emit(sections_[kNotifyBegin][i]);
      section(kNotifyMidle);
      section(kNotifyEnd);
    }
    section(kNotifyEvents);
    emit(std::string_view("\r\n    end;"));
  } else if (HasNotifyHandler) {
    for (size_t i = kNotifyBegin; i <= kNotifyEnd; ++i) section(i);
  }
  emit(crlf);
  if (HasSizeHandler) {
    for (size_t i = kWmSizeBegin; i <= kWmSizeEnd; ++i) section(i);
  }
  for (size_t i = kPaintBegin; i <= kPaintEnd; ++i) section(i);
  emit(DestroyBegin);
  section(kDestroyMidle);
  emit(DestroyEnd);
  section(kWindowProcEnd);
  emit(crlf);
  section(kBodyBegin);
  section(kBodyMidle);
  emit(crlf);
  section(kBodyMidleEnd);
  emit(crlf);
  // What needs the windows with their fonts, which come last of all.
  // Pieces fill in order, so a section with text has it in its first piece.
  if (!sections_[kBodyLast].front().empty()) {
    section(kBodyLast);
    emit(crlf);
  }
  if (!FocusControl.empty()) {
    emit(std::string_view("  SetFocus("));
    emit(FocusControl);
    emit(std::string_view(");"));
  }
  emit(crlf);
  emit(ShowWindowLine);
  if (MessageLoop.empty()) {
    section(kBodyEnd);
  } else {
    emit(MessageLoop);
  }
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
