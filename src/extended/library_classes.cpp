// The table of other libraries' controls and the names of classes that show
// nothing; counted from the classes that real forms hold.
#include "extended/library_classes.h"

#include <string_view>

namespace vornic {

namespace {

// Classes whose names do not end in the standard class they stand for (those
// that do are taken by their ending).
constexpr LibraryClass kLibraryClasses[] = {
    // Trees that draw their nodes themselves, and outlines.
    {"TVIRTUALSTRINGTREE", "TTREEVIEW"},
    {"TVIRTUALDRAWTREE", "TTREEVIEW"},
    {"TCXTREELIST", "TTREEVIEW"},
    {"TCXDBTREELIST", "TTREEVIEW"},
    {"TDXTREELIST", "TTREEVIEW"},
    {"TDXDBTREELIST", "TTREEVIEW"},
    {"TELTREE", "TTREEVIEW"},
    {"TOUTLINE", "TTREEVIEW"},
    // Grids, value list editors and inspectors: rows and columns.
    {"TDBGRIDEH", "TSTRINGGRID"},
    {"TVALUELISTEDITOR", "TSTRINGGRID"},
    {"TJVINSPECTOR", "TSTRINGGRID"},
    {"TCXVERTICALGRID", "TSTRINGGRID"},
    // Bars that hold tool bars, and docks: a bar of the button face.
    {"TCOOLBAR", "TPANEL"},
    {"TCONTROLBAR", "TPANEL"},
    {"TPAGESCROLLER", "TPANEL"},
    {"TTBDOCK", "TPANEL"},
    {"TTBXDOCK", "TPANEL"},
    {"TSPTBXDOCK", "TPANEL"},
    {"TDXBARDOCKCONTROL", "TPANEL"},
    {"TACTIONMAINMENUBAR", "TTOOLBAR"},
    // Notebooks with tabs, and their pages.
    {"TTABBEDNOTEBOOK", "TPAGECONTROL"},
    {"TTABPAGE", "TTABSHEET"},
    {"TOVCNOTEBOOK", "TPAGECONTROL"},
    {"TOVCTABPAGE", "TTABSHEET"},
    // Groups of buttons, and button bars of data sets.
    {"TBUTTONGROUP", "TPANEL"},
    {"TCATEGORYBUTTONS", "TPANEL"},
    {"TCATEGORYPANELGROUP", "TPANEL"},
    {"TDBNAVIGATOR", "TPANEL"},
    // Gauges, switches, sliders and search boxes.
    {"TGAUGE", "TPROGRESSBAR"},
    {"TCGAUGE", "TPROGRESSBAR"},
    {"TTOGGLESWITCH", "TCHECKBOX"},
    {"TSEARCHBOX", "TEDIT"},
    {"TOVCSIMPLEFIELD", "TEDIT"},
    {"TOVCPICTUREFIELD", "TEDIT"},
    {"TOVCNUMERICFIELD", "TEDIT"},
    // Text editors of many lines.
    {"TSYNEDIT", "TMEMO"},
    {"TDBSYNEDIT", "TMEMO"},
};

// A family of Unicode wrappers names each class after the standard one with
// a prefix after its "T": TTntEdit wraps TEdit.
constexpr std::string_view kWrapperPrefix = "TTNT";

// Components the designer shows as icons only; the ones that store Width
// and Height (image lists: the size of their images) matter most. Fields of
// data sets store no size, and entry fields of other libraries are visual.
constexpr std::string_view kNonVisualEndings[] = {
    "IMAGELIST",  "ACTIONLIST",  "ACTIONMANAGER", "ACTION",     "DIALOG",   "TIMER",
    "MENU",       "MENUITEM",    "DATASOURCE",    "DATASET",    "QUERY",    "TABLE",
    "CONNECTION", "TRANSACTION", "PROVIDER",      "STORAGE",    "EVENTS",   "MANIFEST",
    "TRAYICON",   "BALLOONHINT", "STOREDPROC",    "COMMAND",    "DATABASE", "SESSION",
    "REPORT",     "PIPELINE",    "BARMANAGER",    "REPOSITORY",
};

}  // namespace

std::span<const LibraryClass> LibraryClasses() { return kLibraryClasses; }

std::string WrappedClass(const std::string& upper_class) {
  if (upper_class.size() <= kWrapperPrefix.size() || !upper_class.starts_with(kWrapperPrefix)) {
    return "";
  }
  return "T" + upper_class.substr(kWrapperPrefix.size());
}

bool IsNonVisualClass(const std::string& upper_class) {
  const std::string_view name(upper_class);
  for (const std::string_view ending : kNonVisualEndings) {
    if (name.ends_with(ending)) return true;
  }
  return false;
}

}  // namespace vornic
