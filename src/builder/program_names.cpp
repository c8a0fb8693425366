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
    // Reserved by the compiler the programs are built with, too.
    "OTHERWISE", "BITPACKED",
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

// The identifiers of the extended program's own texts, in capitals.
constexpr std::string_view kExtendedWords[] = {
    // The main window: its size, place, border and background.
    "WS_CAPTION", "WS_THICKFRAME", "WS_SYSMENU", "WS_MINIMIZEBOX", "WS_MAXIMIZEBOX", "WS_POPUP",
    "WS_EX_DLGMODALFRAME", "WS_EX_TOOLWINDOW", "WS_EX_CONTEXTHELP", "SYSTEMPARAMETERSINFO",
    "SPI_GETWORKAREA", "WORKAREA", "WINLEFT", "WINTOP", "WINWIDTH", "WINHEIGHT", "ERASERECT",
    "WM_ERASEBKGND", "GETCLIENTRECT", "FILLRECT",
    // The controls' state, keys and colours.
    "WS_DISABLED", "BS_DEFPUSHBUTTON", "IDOK", "IDCANCEL", "WM_CTLCOLORSTATIC", "WM_CTLCOLOREDIT",
    "WM_CTLCOLORBTN", "WM_CLOSE", "GETSYSCOLOR", "COLOR_SCROLLBAR", "COLOR_BACKGROUND",
    "COLOR_ACTIVECAPTION", "COLOR_INACTIVECAPTION", "COLOR_MENU", "COLOR_WINDOW",
    "COLOR_WINDOWFRAME", "COLOR_MENUTEXT", "COLOR_WINDOWTEXT", "COLOR_CAPTIONTEXT",
    "COLOR_ACTIVEBORDER", "COLOR_INACTIVEBORDER", "COLOR_APPWORKSPACE", "COLOR_HIGHLIGHT",
    "COLOR_HIGHLIGHTTEXT", "COLOR_BTNFACE", "COLOR_BTNSHADOW", "COLOR_GRAYTEXT", "COLOR_BTNTEXT",
    "COLOR_INACTIVECAPTIONTEXT", "COLOR_BTNHIGHLIGHT", "COLOR_3DDKSHADOW", "COLOR_3DLIGHT",
    "COLOR_INFOTEXT", "COLOR_INFOBK", "COLOR_HOTLIGHT", "COLOR_GRADIENTACTIVECAPTION",
    "COLOR_GRADIENTINACTIVECAPTION", "COLOR_MENUHILIGHT", "COLOR_MENUBAR",
    // Long lists written as data: the procedures that walk them, their text.
    "ADDLISTENTRIES", "APPENDLISTLINES", "INSERTLISTTABS", "ADDRADIOITEMS", "SETITEMSFONT",
    "LISTTEXT", "ADDVIEWITEMS", "SETVIEWTEXTS", "ADDTREENODES", "BYTE", "HIGH", "MOVE", "SETLENGTH",
    "LENGTH", "LSTRLEN", "WM_GETFONT", "DWORD", "UINT",
    // Buttons drawn with their glyph: the procedure, its parameters and locals.
    "BS_OWNERDRAW", "WM_DRAWITEM", "PDRAWITEMSTRUCT", "TDRAWITEMSTRUCT", "HWNDITEM", "ITEMSTATE",
    "RCITEM", "HIMAGELIST", "GLYPHBITMAP", "IMAGELIST_CREATE", "IMAGELIST_ADDMASKED",
    "IMAGELIST_DRAW", "IMAGELIST_DESTROY", "IMAGELIST_GETIMAGECOUNT", "ILC_COLOR24", "ILC_MASK",
    "ILD_TRANSPARENT", "DRAWGLYPHBUTTON", "ITEM", "GLYPHS", "GLYPHWIDTH", "GLYPHHEIGHT", "LAYOUT",
    "SPACING", "MARGIN", "FACE", "TEXTBOX", "CAPTION", "CHAR", "FACEWIDTH", "FACEHEIGHT",
    "TEXTWIDTH", "TEXTHEIGHT", "GLYPHX", "GLYPHY", "TEXTX", "TEXTY", "SHIFT", "IMAGE", "SIZEOF",
    "DRAWFRAMECONTROL", "DFC_BUTTON", "DFCS_BUTTONPUSH", "DFCS_PUSHED", "GETWINDOWTEXT",
    "SETRECTEMPTY", "DRAWTEXT", "DT_CALCRECT", "DT_SINGLELINE", "ODS_SELECTED", "ODS_DISABLED",
    "ODS_FOCUS", "SETBKMODE", "TRANSPARENT", "OFFSETRECT", "INFLATERECT", "DRAWFOCUSRECT",
    // Containers and pages: painting, tabs, their regions and the tab change branch.
    "PAINTRECT", "PAINTSTEP", "SAVEDC", "RESTOREDC", "PAINTBRUSH", "GETSTOCKOBJECT", "BLACK_BRUSH",
    "FRAMERECT", "DRAWEDGE", "EDGE_SUNKEN", "BDR_RAISEDINNER", "BDR_SUNKENOUTER", "BF_RECT",
    "BF_ADJUST", "DT_VCENTER", "DT_LEFT", "DT_CENTER", "DT_RIGHT", "INTERSECTCLIPRECT", "TABITEM",
    "TC_ITEM", "TCIF_TEXT", "TABCTRL_INSERTITEM", "TABCTRL_SETCURSEL", "TABCTRL_GETCURSEL",
    "TABCTRL_ADJUSTRECT", "PAGERECT", "PAGERGN", "INSIDERGN", "HRGN", "CREATERECTRGN", "COMBINERGN",
    "RGN_DIFF", "SETWINDOWRGN", "TCS_BOTTOM", "TCS_VERTICAL", "TCS_RIGHT", "TCS_MULTILINE",
    "TCS_BUTTONS", "TCS_FLATBUTTONS", "WM_NOTIFY", "PNMHDR", "TCN_SELCHANGE", "INVALIDATERECT",
    "SW_SHOW", "SW_HIDE", "ISWINDOWVISIBLE",
    // Placeholders of controls not translated, tooltips, cursors and the tab order.
    "GETSYSCOLORBRUSH", "EDGE_ETCHED", "DRAWTEXTW", "DT_NOPREFIX", "DT_END_ELLIPSIS",
    "SETTEXTCOLOR", "COLOR_GRAYTEXT", "HINTWINDOW", "ADDHINT", "CREATEWINDOWEXW", "TOOLTIPS_CLASSW",
    "WS_EX_TOPMOST", "TTS_ALWAYSTIP", "TTS_NOPREFIX", "CW_USEDEFAULT", "TTTOOLINFOW", "TTF_SUBCLASS",
    "TTF_IDISHWND", "TTM_ADDTOOLW", "TTM_SETMAXTIPWIDTH", "SENDMESSAGEW", "FILLCHAR", "UINT_PTR",
    "PWIDECHAR", "WIDESTRING", "WM_SETCURSOR", "HTCLIENT", "LOWORD", "SETCURSOR", "LOADCURSOR",
    "GETCURSORPOS", "SCREENTOCLIENT", "PTINRECT", "TPOINT", "MOUSEPOINT", "MOUSERECT", "SETRECT",
    "SETWINDOWPOS", "HWND_TOP", "SWP_NOMOVE", "SWP_NOSIZE", "SWP_NOACTIVATE", "GETSYSTEMMETRICS",
    "SM_CXSCREEN", "IDC_ARROW", "IDC_CROSS", "IDC_IBEAM", "IDC_SIZEALL", "IDC_SIZENESW",
    "IDC_SIZENS", "IDC_SIZENWSE", "IDC_SIZEWE", "IDC_UPARROW", "IDC_WAIT", "IDC_NO",
    "IDC_APPSTARTING", "IDC_HELP", "IDC_HAND", "POINTER", "TOOL", "TIP", "WINDOW", "ID", "TEXT",
    // Texts in any script: the wide calls, types and messages.
    "APPENDMENUW", "CALLWINDOWPROCW", "CBEM_INSERTITEMW", "CREATEFONTW", "CREATESTATUSWINDOWW",
    "CREATEWINDOWEXW", "DEFWINDOWPROCW", "DISPATCHMESSAGEW", "DRAWTEXTW", "DTM_SETFORMATW",
    "GETMESSAGEW", "GETWINDOWLONGW", "GETWINDOWTEXTW", "ISDIALOGMESSAGEW", "LSTRLENW",
    "LVM_INSERTCOLUMNW", "LVM_INSERTITEMW", "LVM_SETITEMTEXTW", "MESSAGEBOXW", "PWIDECHAR",
    "REGISTERCLASSW", "SENDMESSAGEW", "SETWINDOWLONGW", "TB_ADDBUTTONSW", "TCM_INSERTITEMW",
    "TCOMBOBOXEXITEMW", "TC_ITEMW", "TEXTOUTW", "TLVCOLUMNW", "TLVITEMW", "TTVINSERTSTRUCTW",
    "TVM_INSERTITEMW", "TWNDCLASSW", "UNICODESTRING", "WIDECHAR",
    // The static text's alignments and border.
    "SS_CENTER", "SS_RIGHT", "SS_SUNKEN",
    // Image lists, the images of tool bars, tabs and buttons.
    "IMAGEBITMAP", "IMAGEMASK", "IMAGEICON", "HICON", "IMAGELIST_ADD", "IMAGELIST_GETICON",
    "IMAGELIST_REPLACEICON", "DESTROYICON", "ILD_NORMAL", "TB_SETIMAGELIST", "TB_SETHOTIMAGELIST",
    "TB_SETDISABLEDIMAGELIST", "TCM_SETIMAGELIST", "TCIF_IMAGE",
    // The images of list views, tree views, tab controls and extended combo
    // boxes, and their lists written as data.
    "LVSIL_NORMAL", "LVSIL_STATE", "LVS_SHAREIMAGELISTS", "LVIF_IMAGE", "LVIF_STATE",
    "LVIS_STATEIMAGEMASK", "LVM_SETITEMSTATE", "TVM_SETIMAGELIST", "TVSIL_NORMAL", "TVSIL_STATE",
    "TVIF_IMAGE", "TVIF_SELECTEDIMAGE", "TVIF_STATE", "TVIS_STATEIMAGEMASK", "CBEM_SETIMAGELIST",
    "CBEM_INSERTITEM", "CBEIF_TEXT", "CBEIF_IMAGE", "CBEIF_SELECTEDIMAGE", "TCOMBOBOXEXITEM",
    "COMBOITEM", "ICC_USEREX_CLASSES", "INSERTLISTIMAGETABS", "ADDVIEWIMAGEITEMS", "SETVIEWSTATES",
    "ADDTREEIMAGENODES", "ADDCOMBOITEMS",
    // Popup menus and the right clicks that open them.
    "SHOWPOPUPMENU", "POPUP", "OWNER", "WHERE", "SPOT", "OWNERRECT", "TPOINT", "SMALLINT", "LOWORD",
    "HIWORD", "GETWINDOWRECT", "TRACKPOPUPMENU", "TPM_LEFTALIGN", "TPM_RIGHTBUTTON",
    "WM_CONTEXTMENU", "SCREENTOCLIENT", "DESTROYMENU", "PASSCONTEXTMENU", "EDITHANDLE", "GETPARENT",
    "CALLWINDOWPROC", "WNDPROC", "GETWINDOWLONG", "SETWINDOWLONG", "GWL_USERDATA", "GWL_WNDPROC",
    "LONGINT", "MENUITEMIMAGE", "TMENUITEMINFO", "MIIM_BITMAP", "MIIM_DATA", "HBMMENU_CALLBACK",
    "SETMENUITEMINFO", "WM_MEASUREITEM", "PMEASUREITEMSTRUCT", "ODT_MENU", "ITEMWIDTH",
    "ITEMHEIGHT", "CTLTYPE", "ITEMDATA",
    // The menu bar.
    "HMENU", "CREATEMENU", "CREATEPOPUPMENU", "APPENDMENU", "SETMENU", "SETMENUDEFAULTITEM",
    "CHECKMENURADIOITEM", "MF_STRING", "MF_POPUP", "MF_SEPARATOR", "MF_CHECKED", "MF_GRAYED",
    "MF_MENUBREAK", "MF_MENUBARBREAK", "MF_BYPOSITION",
    // Radio groups, speed buttons, tool bars, labeled edits, up-downs, spin
    // edits, scroll bars, splitters and hot keys, with what they share.
    "WS_EX_CONTROLPARENT", "WS_GROUP", "WS_CLIPCHILDREN", "WS_CLIPSIBLINGS", "GETDLGITEM",
    "GETWINDOW", "GW_CHILD", "GW_HWNDFIRST", "GW_HWNDNEXT", "SETWINDOWPOS", "SWP_NOMOVE",
    "SWP_NOZORDER", "SETPROP", "GETPROP", "REMOVEPROP", "INC", "DEC", "LOWORD", "INT_PTR",
    "BS_PUSHBUTTON", "BS_CHECKBOX", "BS_FLAT", "BM_GETCHECK", "SPEEDSIBLING", "SPEEDDOWN",
    "TOOLBARBUTTON", "TTBBUTTON", "CCS_NORESIZE", "CCS_NOPARENTALIGN", "CCS_NODIVIDER",
    "TBSTYLE_FLAT", "TBSTYLE_LIST", "TBSTYLE_WRAPABLE", "TB_BUTTONSTRUCTSIZE", "TB_SETBUTTONSIZE",
    "TB_SETINDENT", "TB_ADDBUTTONS", "I_IMAGENONE", "TBSTATE_ENABLED", "TBSTATE_HIDDEN",
    "TBSTATE_CHECKED", "TBSTATE_WRAP", "BTNS_BUTTON", "BTNS_SEP", "BTNS_CHECK", "BTNS_CHECKGROUP",
    "BTNS_DROPDOWN", "UDS_SETBUDDYINT", "UDS_ARROWKEYS", "UDS_HORZ", "UDS_WRAP", "UDS_NOTHOUSANDS",
    "UDM_SETRANGE32", "UDM_SETPOS32", "UDM_SETBUDDY", "UDM_SETACCEL", "UPDOWNACCEL", "TUDACCEL",
    "SPINRECT", "EM_SETMARGINS", "EC_RIGHTMARGIN", "HKM_SETHOTKEY", "SBS_HORZ", "SBS_VERT",
    "SCROLLINFO", "TSCROLLINFO", "GETSCROLLINFO", "SETSCROLLINFO", "SB_CTL", "SIF_ALL", "SIF_POS",
    "SB_LINELEFT", "SB_LINERIGHT", "SB_PAGELEFT", "SB_PAGERIGHT", "SB_THUMBTRACK",
    "SB_THUMBPOSITION", "SB_LEFT", "SB_RIGHT", "WM_HSCROLL", "WM_VSCROLL",
    // Date controls, list and tree views, grids, and the edit and list variants.
    "TINITCOMMONCONTROLSEX", "INITCOMMONCONTROLSEX", "COMMONCLASSES", "ICC_DATE_CLASSES",
    "TSYSTEMTIME", "PICKERTIME", "DTM_SETFORMAT", "DTM_SETSYSTEMTIME", "GDT_VALID", "GDT_NONE",
    "DTS_TIMEFORMAT", "DTS_SHORTDATEFORMAT", "DTS_LONGDATEFORMAT", "DTS_UPDOWN", "DTS_RIGHTALIGN",
    "DTS_SHOWNONE", "MCS_WEEKNUMBERS", "MCS_NOTODAY", "MCS_NOTODAYCIRCLE", "MCS_MULTISELECT",
    "MCM_SETCURSEL", "LISTCOLUMN", "LISTITEM", "LISTINDEX", "TLVCOLUMN", "TLVITEM", "LVS_ICON",
    "LVS_SMALLICON", "LVS_LIST", "LVS_REPORT", "LVS_NOCOLUMNHEADER", "LVS_SINGLESEL",
    "LVS_SHOWSELALWAYS", "LVS_EDITLABELS", "LVM_SETEXTENDEDLISTVIEWSTYLE", "LVS_EX_GRIDLINES",
    "LVS_EX_FULLROWSELECT", "LVS_EX_CHECKBOXES", "LVCF_TEXT", "LVCF_WIDTH", "LVCF_FMT",
    "LVCFMT_LEFT", "LVCFMT_RIGHT", "LVCFMT_CENTER", "LVM_INSERTCOLUMN", "LVM_SETCOLUMNWIDTH",
    "LVIF_TEXT", "LVM_INSERTITEM", "LVM_SETITEMTEXT", "LVM_SETIMAGELIST", "LVSIL_SMALL",
    "ILC_COLOR", "TREEINSERT", "TREENODES", "TTVINSERTSTRUCT", "HTREEITEM", "TVI_ROOT", "TVI_LAST",
    "TVIF_TEXT", "TVM_INSERTITEM", "TVM_SETINDENT", "TVS_HASLINES", "TVS_HASBUTTONS",
    "TVS_LINESATROOT", "TVS_SHOWSELALWAYS", "TVS_EDITLABELS", "TVS_FULLROWSELECT", "ES_CENTER",
    "ES_RIGHT", "ES_UPPERCASE", "ES_LOWERCASE", "ES_READONLY", "ES_AUTOHSCROLL", "ES_PASSWORD",
    "EM_LIMITTEXT", "EM_SETPASSWORDCHAR", "WS_HSCROLL", "LBS_NOTIFY", "LBS_SORT",
    "LBS_NOINTEGRALHEIGHT", "LB_SETITEMHEIGHT", "CBS_DROPDOWN", "CBS_AUTOHSCROLL", "CBS_SIMPLE",
    "CB_SETCURSEL", "PICKERRANGE", "DTM_SETRANGE", "MCM_SETRANGE", "GDTR_MIN", "GDTR_MAX",
    // Edit and label behaviour, tab sizes and pages below rows of tabs.
    "SENDMESSAGEW", "ES_NUMBER", "SS_LEFTNOWORDWRAP", "SS_CENTERIMAGE", "SS_NOPREFIX", "DRAWTEXTW",
    "PWIDECHAR", "WIDESTRING", "DT_EXPANDTABS", "DT_WORDBREAK", "DT_NOPREFIX", "DT_NOCLIP",
    "TEXTRECT", "TCM_SETITEMSIZE", "TCS_FIXEDWIDTH", "MAKELPARAM", "TABCTRL_GETROWCOUNT",
    "OFFSETVIEWPORTORGEX", "SWP_NOSIZE",
    // The layout, the splitters and the screen's resolution.
    "ALIGN", "ANCHORS", "AREA", "ASSIGNED", "BEGINDEFERWINDOWPOS", "BOOL", "BOOLEAN",
    "CLIENT", "CLIENTHEIGHT", "CLIENTWIDTH", "CONTEXT", "DC", "DEFERWINDOWPOS", "DESIGNHEIGHT",
    "DESIGNWIDTH", "DPI", "ENDDEFERWINDOWPOS", "ENDSPLIT", "EQUALRECT", "FORMPIXELSPERINCH",
    "FORMSCALED", "GETCURSORPOS", "GETDC", "GETDEVICECAPS", "GETMODULEHANDLEW", "GETPROCADDRESS",
    "H", "HDWP", "HEIGHT", "HMODULE", "HOLE", "HTCLIENT", "IDC_SIZENS", "IDC_SIZEWE", "INDEX",
    "INSIDE", "LAYOUTAREA", "LAYOUTCLIENTHEIGHT", "LAYOUTCLIENTWIDTH", "LAYOUTCLIP",
    "LAYOUTCONTROLS", "LAYOUTCOUNT", "LAYOUTDESIGN", "LAYOUTDPICHANGED", "LAYOUTHEIGHT",
    "LAYOUTORDER", "LAYOUTPAGEHOLE", "LAYOUTPLACE", "LAYOUTREADY", "LAYOUTROOM", "LAYOUTROW",
    "LAYOUTWIDTH", "LAYOUTWINDOW", "LOGPIXELSX", "MARGINS", "MINSIZE", "MOVES",
    "MOVESPLIT", "MULDIV", "PADDING", "PAINTSPAGES", "PARENT", "PLACED", "PLACE", "PMINMAXINFO", "POINT", "PRECT",
    "PTINRECT", "PTMAXSIZE", "PTMAXTRACKSIZE", "PTMINTRACKSIZE", "READSCREENDPI",
    "RELEASECAPTURE", "RELEASEDC", "RESHAPED", "ROOM", "ROW", "SCALELAYOUT", "SCALETOSCREEN",
    "SCREEN", "SCREENDPI", "SCREENTOCLIENT", "SETAWARE", "SETAWARENESSCONTEXT", "SETCAPTURE",
    "SETCURSOR", "SETVIEWPORTORGEX", "SHAPE", "SIZE", "SIZE_MINIMIZED", "SMALLINT", "SPLITFROM",
    "SPLITLIMIT", "SPLITROW", "SPLITS", "SPLITSIZE", "SPLITTERAT", "SPLITTERCURSOR", "STARTSPLIT",
    "SWP_NOACTIVATE", "THANDLE", "TLAYOUTROW", "TPOINT", "TSETAWARE", "TSETAWARENESSCONTEXT",
    "USER", "VALUE", "W", "WIDTH", "WINDOW", "WM_DPICHANGED", "WM_GETMINMAXINFO",
    "WM_LBUTTONDOWN", "WM_LBUTTONUP", "WM_MOUSEMOVE", "WM_SETCURSOR", "X", "Y",
    // Fonts made again for another resolution.
    "CREATEFONTS", "OLDFONTS",
    // The least size that squeezes no control away.
    "LAYOUTLEASTSIZE", "LEAST", "SLACKX", "SLACKY", "GROWSX", "GROWSY", "OUTER", "ISICONIC", "MAXINT",
    "GETWINDOWRECT",
    // Content that scrolls in the form and in scroll boxes.
    "BARWINDOW", "BARRECT", "BARINFO", "BREAK", "CODE", "CONTINUE", "CREATERECTRGNINDIRECT",
    "FORMSCROLLS", "GWL_STYLE", "INTERSECTRECT", "KIND", "LAYOUTBAR", "LAYOUTBARSHOWN", "LAYOUTBUSY", "LAYOUTEXTENT",
    "LAYOUTSCROLL", "LAYOUTSCROLLBARS", "LAYOUTSCROLLED", "LAYOUTSHRINKFORBARS", "LAYOUTVIEW", "MOST",
    "NEEDED", "ORD", "PASS", "POSITION", "REACH", "SB_BOTTOM", "SB_LINEDOWN", "SB_LINEUP",
    "SB_PAGEDOWN", "SB_PAGEUP", "SB_TOP", "SCROLLS", "SHOWN", "SIF_PAGE", "SIF_RANGE", "SM_CXVSCROLL",
    "SM_CYHSCROLL", "SWP_SHOWWINDOW", "VERTICAL", "LAYOUTROWSHOWS",
    "LAYOUTCLIPWINDOW", "LAYOUTCLIPPEDAWAY", "SCROLLER", "SW_SHOWNA", "LAYOUTWHEEL", "FOUND",
    "DELTA", "WM_MOUSEWHEEL", "FONTINDEX", "REDRAWWINDOW", "RDW_INVALIDATE", "RDW_ERASE", "RDW_ALLCHILDREN"};

// The registries number their variables: hFont1, Pen2, Brush3, ...
constexpr std::string_view kNumberedPrefixes[] = {"HFONT", "PEN", "BRUSH"};
// ... and in the extended program also ColorBrush4.
constexpr std::string_view kExtendedNumberedPrefixes[] = {"COLORBRUSH"};

template <size_t N>
bool IsNumbered(const std::string& upper, const std::string_view (&prefixes)[N]) {
  for (std::string_view prefix : prefixes) {
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

const std::unordered_set<std::string_view>& ExtendedWords() {
  static const std::unordered_set<std::string_view> words(std::begin(kExtendedWords),
                                                          std::end(kExtendedWords));
  return words;
}

}  // namespace

void ProgramNames::ReserveExtendedIdentifiers() { extended_ = true; }

void ProgramNames::ReserveIdentifiers(const std::vector<std::string>& identifiers) {
  for (const std::string& identifier : identifiers) reserved_.insert(UpperText(identifier));
}

bool ProgramNames::IsFree(const std::string& upper, int row) const {
  if (extended_ &&
      (ExtendedWords().count(upper) > 0 || IsNumbered(upper, kExtendedNumberedPrefixes))) {
    return false;
  }
  if (reserved_.contains(upper)) return false;
  const bool taken = row > 0 && taken_[static_cast<size_t>(row) - 1];
  return !taken && ReservedWords().count(upper) == 0 && !IsNumbered(upper, kNumberedPrefixes);
}

bool ProgramNames::IsFree(const std::string& upper) const {
  return IsFree(upper, names_.Find({upper}));
}

int ProgramNames::RowOf(const std::string& upper) {
  int row = names_.Find({upper});
  if (row == 0) {
    row = names_.Add({upper});
    taken_.push_back(false);
    next_suffix_.push_back(0);
  }
  return row;
}

std::string ProgramNames::Take(const std::string& name, const std::string& companion) {
  const std::string base = AsciiIdentifier(name);
  const std::string upper_base = UpperText(base);
  const std::string upper_companion = UpperText(companion);
  // The base's row serves for the base itself as well: a name met for the
  // first time is settled with one search of the registry.
  const int base_row = RowOf(upper_base);
  // Suffixes below the remembered one were taken when last tried, and taken
  // names stay taken: the search resumes there.
  int suffix = next_suffix_[static_cast<size_t>(base_row) - 1];
  std::string identifier;
  std::string upper;
  int row = 0;
  for (;; ++suffix) {
    identifier = suffix == 0 ? base : base + "_" + std::to_string(suffix);
    upper = suffix == 0 ? upper_base : upper_base + "_" + std::to_string(suffix);
    row = suffix == 0 ? base_row : names_.Find({upper});
    if (IsFree(upper, row) && (companion.empty() || IsFree(upper_companion + upper))) break;
  }
  next_suffix_[static_cast<size_t>(base_row) - 1] = suffix;
  if (row == 0) row = RowOf(upper);
  taken_[static_cast<size_t>(row) - 1] = true;
  if (!companion.empty()) taken_[static_cast<size_t>(RowOf(upper_companion + upper)) - 1] = true;
  RecordGiven(UpperText(name), identifier);
  return identifier;
}

void ProgramNames::RecordGiven(const std::string& upper_name, const std::string& identifier) {
  const int given = given_.Add({identifier});
  next_given_.push_back(0);
  const int row = given_names_.Find({upper_name});
  if (row == 0) {
    given_names_.Add({upper_name});
    first_given_.push_back(given);
    last_given_.push_back(given);
    return;
  }
  next_given_[static_cast<size_t>(last_given_[static_cast<size_t>(row) - 1]) - 1] = given;
  last_given_[static_cast<size_t>(row) - 1] = given;
}

std::vector<std::string> ProgramNames::TakenFor(const std::string& name) const {
  std::vector<std::string> identifiers;
  const int row = given_names_.Find({UpperText(name)});
  if (row == 0) return identifiers;
  for (int given = first_given_[static_cast<size_t>(row) - 1]; given != 0;
       given = next_given_[static_cast<size_t>(given) - 1]) {
    identifiers.emplace_back(given_.At(given, 0));
  }
  return identifiers;
}

}  // namespace vornic
