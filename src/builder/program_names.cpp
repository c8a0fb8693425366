// The identifiers a control may not take. A variable named like a reserved
// word does not compile; one named like a constant, type or function that the
// program uses compiles but silently replaces it in every later use (a
// variable WS_CHILD turns the child windows created after it into top-level
// windows), so every identifier of the program's own texts is kept out.
#include "builder/program_names.h"

#include <string>
#include <string_view>
#include <unordered_set>

#include "lib/ascii_identifier.h"
#include "lib/text.h"

namespace vornic {
namespace {

// In capitals, as UpperText gives them.
constexpr std::string_view kReservedWords[] = {
    // The language's reserved words.
    "AND", "ARRAY", "AS", "ASM", "BEGIN", "CASE", "CLASS", "CONST", "CONSTRUCTOR", "DESTRUCTOR",
    "DISPINTERFACE", "DIV", "DO", "DOWNTO", "ELSE", "END", "EXCEPT", "EXPORTS", "FILE",
    "FINALIZATION", "FINALLY", "FOR", "FUNCTION", "GOTO", "IF", "IMPLEMENTATION", "IN", "INHERITED",
    "INITIALIZATION", "INLINE", "INTERFACE", "IS", "LABEL", "LIBRARY", "MOD", "NIL", "NOT",
    "OBJECT", "OF", "OR", "OUT", "PACKED", "PROCEDURE", "PROGRAM", "PROPERTY", "RAISE", "RECORD",
    "REPEAT", "RESOURCESTRING", "SET", "SHL", "SHR", "STRING", "THEN", "THREADVAR", "TO", "TRY",
    "TYPE", "UNIT", "UNTIL", "USES", "VAR", "WHILE", "WITH", "XOR",
    // The units, and the frame: declarations, window procedure, class
    // registration, main window and message loop.
    "WINDOWS", "MESSAGES", "COMMCTRL", "WINCLASS", "TWNDCLASSA", "INST", "HINST", "HWINDOW", "HWND",
    "THEMESSAGE", "TMSG", "WINDOWPROC", "MESSAGE", "WPARAM", "LPARAM", "INTEGER", "STDCALL",
    "RESULT", "EXIT", "DEFWINDOWPROC", "POSTQUITMESSAGE", "WM_CREATE", "WM_COMMAND", "WM_SIZE",
    "WM_PAINT", "WM_DESTROY", "HINSTANCE", "STYLE", "CS_CLASSDC", "CS_PARENTDC", "LPFNWNDPROC",
    "HBRBACKGROUND", "COLOR_BTNFACE", "LPSZCLASSNAME", "HICON", "LOADICON", "IDI_APPLICATION",
    "HCURSOR", "LOADCURSOR", "IDC_ARROW", "REGISTERCLASS", "CREATEWINDOWEX", "WS_EX_WINDOWEDGE",
    "WS_OVERLAPPEDWINDOW", "WS_VISIBLE", "CW_USEDEFAULT", "WINRECT", "TRECT", "SETRECT",
    "ADJUSTWINDOWRECTEX", "FALSE", "TRUE", "LEFT", "TOP", "RIGHT", "BOTTOM", "SHOWWINDOW",
    "SW_NORMAL", "SW_SHOWMAXIMIZED", "SW_SHOWMINIMIZED", "UPDATEWINDOW", "GETMESSAGE",
    "ISDIALOGMESSAGE", "TRANSLATEMESSAGE", "DISPATCHMESSAGE", "SETFOCUS",
    // The controls' creation, messages and styles.
    "CREATEWINDOW", "CREATESTATUSWINDOW", "INITCOMMONCONTROLS", "SENDMESSAGE", "MAKELONG",
    "MESSAGEBOX", "MB_OK", "PCHAR", "WS_CHILD", "WS_BORDER", "WS_TABSTOP", "WS_VSCROLL",
    "WS_EX_CLIENTEDGE", "SS_LEFT", "SS_BITMAP", "ES_LEFT", "ES_MULTILINE", "ES_AUTOVSCROLL",
    "ES_WANTRETURN", "BS_TEXT", "BS_PUSHLIKE", "BS_AUTOCHECKBOX", "BS_AUTORADIOBUTTON",
    "BS_GROUPBOX", "BS_BITMAP", "BM_SETCHECK", "BM_SETIMAGE", "LBS_STANDARD", "LB_ADDSTRING",
    "CBS_DROPDOWNLIST", "CB_ADDSTRING", "CB_SELECTSTRING", "PBM_SETRANGE", "PBM_SETPOS",
    "TBM_SETRANGE", "TBM_SETPOS", "STM_SETIMAGE", "IMAGE_BITMAP", "WM_SETFONT", "WM_SETTEXT",
    "HBITMAP", "LOADBITMAP",
    // The date controls, list views, tree views, grids and edit and list
    // variants of the extended translation, with the variables they share.
    "SIZEOF", "TINITCOMMONCONTROLSEX", "INITCOMMONCONTROLSEX", "COMMONCLASSES", "ICC_DATE_CLASSES",
    "TSYSTEMTIME", "PICKERTIME", "DTM_SETFORMAT", "DTM_SETSYSTEMTIME", "GDT_VALID", "GDT_NONE",
    "DTS_TIMEFORMAT", "DTS_SHORTDATEFORMAT", "DTS_LONGDATEFORMAT", "DTS_UPDOWN", "DTS_RIGHTALIGN",
    "DTS_SHOWNONE", "MCS_WEEKNUMBERS", "MCS_NOTODAY", "MCS_NOTODAYCIRCLE", "MCS_MULTISELECT",
    "MCM_SETCURSEL", "LISTCOLUMN", "LISTITEM", "LISTINDEX", "TLVCOLUMN", "TLVITEM", "LVS_ICON",
    "LVS_SMALLICON", "LVS_LIST", "LVS_REPORT", "LVS_NOCOLUMNHEADER", "LVS_SINGLESEL",
    "LVS_SHOWSELALWAYS", "LVS_EDITLABELS", "LVM_SETEXTENDEDLISTVIEWSTYLE", "LVS_EX_GRIDLINES",
    "LVS_EX_FULLROWSELECT", "LVS_EX_CHECKBOXES", "LVCF_TEXT", "LVCF_WIDTH", "LVCF_FMT",
    "LVCFMT_LEFT", "LVCFMT_RIGHT", "LVCFMT_CENTER", "LVM_INSERTCOLUMN", "LVM_SETCOLUMNWIDTH",
    "LVIF_TEXT", "LVM_INSERTITEM", "LVM_SETITEMTEXT", "LVM_SETIMAGELIST", "LVSIL_SMALL",
    "IMAGELIST_CREATE", "ILC_COLOR", "TREEINSERT", "TREENODES", "TTVINSERTSTRUCT", "HTREEITEM",
    "TVI_ROOT", "TVI_LAST", "TVIF_TEXT", "TVM_INSERTITEM", "TVM_SETINDENT", "TVS_HASLINES",
    "TVS_HASBUTTONS", "TVS_LINESATROOT", "TVS_SHOWSELALWAYS", "TVS_EDITLABELS", "TVS_FULLROWSELECT",
    "ES_CENTER", "ES_RIGHT", "ES_UPPERCASE", "ES_LOWERCASE", "ES_READONLY", "ES_AUTOHSCROLL",
    "ES_PASSWORD", "EM_LIMITTEXT", "EM_SETPASSWORDCHAR", "WS_HSCROLL", "LBS_NOTIFY", "LBS_SORT",
    "LBS_NOINTEGRALHEIGHT", "LB_SETITEMHEIGHT", "CBS_DROPDOWN", "CBS_AUTOHSCROLL", "CBS_SIMPLE",
    "CB_SETCURSEL", "PICKERRANGE", "DTM_SETRANGE", "MCM_SETRANGE", "GDTR_MIN", "GDTR_MAX",
    // Painting, fonts, pens and brushes.
    "PAINTSTRUCT", "TPAINTSTRUCT", "PAINTDC", "HDC", "BEGINPAINT", "ENDPAINT", "OLDPOINT", "PPOINT",
    "OLDPEN", "HPEN", "OLDBRUSH", "HBRUSH", "OLDFONT", "HFONT", "SELECTOBJECT", "DELETEOBJECT",
    "SETTEXTCOLOR", "SETBKCOLOR", "TEXTOUT", "GETSYSCOLOR", "COLOR_BTNTEXT", "RGB", "RECTANGLE",
    "ROUNDRECT", "ELLIPSE", "MOVETOEX", "LINETO", "CREATEPEN", "CREATESOLIDBRUSH",
    "CREATEHATCHBRUSH", "CREATEFONT", "PS_SOLID", "PS_DASH", "PS_DOT", "PS_DASHDOT",
    "PS_DASHDOTDOT", "PS_NULL", "PS_INSIDEFRAME", "HS_HORIZONTAL", "HS_VERTICAL", "HS_FDIAGONAL",
    "HS_BDIAGONAL", "HS_CROSS", "HS_DIAGCROSS",
    // The character sets a form may name.
    "ANSI_CHARSET", "DEFAULT_CHARSET", "SYMBOL_CHARSET", "MAC_CHARSET", "SHIFTJIS_CHARSET",
    "HANGEUL_CHARSET", "JOHAB_CHARSET", "GB2312_CHARSET", "CHINESEBIG5_CHARSET", "GREEK_CHARSET",
    "TURKISH_CHARSET", "VIETNAMESE_CHARSET", "HEBREW_CHARSET", "ARABIC_CHARSET", "BALTIC_CHARSET",
    "RUSSIAN_CHARSET", "THAI_CHARSET", "EASTEUROPE_CHARSET", "OEM_CHARSET"};

// The registries number their variables: hFont1, Pen2, Brush3, ...
constexpr std::string_view kNumberedPrefixes[] = {"HFONT", "PEN", "BRUSH"};

bool IsNumbered(const std::string& upper) {
  for (std::string_view prefix : kNumberedPrefixes) {
    if (upper.size() <= prefix.size() || upper.compare(0, prefix.size(), prefix) != 0) continue;
    if (upper.find_first_not_of("0123456789", prefix.size()) == std::string::npos) return true;
  }
  return false;
}

const std::unordered_set<std::string_view>& ReservedWords() {
  static const std::unordered_set<std::string_view> words(std::begin(kReservedWords),
                                                          std::end(kReservedWords));
  return words;
}

}  // namespace

bool ProgramNames::IsFree(const std::string& upper) const {
  return taken_.count(upper) == 0 && ReservedWords().count(upper) == 0 && !IsNumbered(upper);
}

std::string ProgramNames::Take(const std::string& name, const std::string& companion) {
  const std::string base = AsciiIdentifier(name);
  const std::string upper_base = UpperText(base);
  const std::string upper_companion = UpperText(companion);
  std::string identifier = base;
  std::string upper = upper_base;
  // Suffixes below the remembered one were taken when last tried, and taken
  // names stay taken: the search resumes there.
  int& suffix = next_suffix_[upper_base];
  if (suffix > 0) {
    identifier = base + "_" + std::to_string(suffix);
    upper = upper_base + "_" + std::to_string(suffix);
  }
  while (!IsFree(upper) || (!companion.empty() && !IsFree(upper_companion + upper))) {
    ++suffix;
    identifier = base + "_" + std::to_string(suffix);
    upper = upper_base + "_" + std::to_string(suffix);
  }
  taken_.insert(upper);
  if (!companion.empty()) taken_.insert(upper_companion + upper);
  return identifier;
}

}  // namespace vornic
