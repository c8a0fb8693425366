// PopupMenus: the popup menu a control or the form names (its PopupMenu)
// opens where the user right-clicks it. Each menu is built once, with the
// items, check marks and shortcuts of a main menu; the right clicks are
// answered in one WM_CONTEXTMENU branch, written once every control is.
#pragma once

#include <string>
#include <unordered_map>

namespace vornic {

class FormWriter;
struct FormObject;

class PopupMenus {
 public:
  /// Makes a right click on the window `window` (a control's, or hWindow
  /// for the form) open the popup menu that `object`'s PopupMenu names.
  /// Nothing when it names none. `own_menu`: the window opens a menu of its
  /// own on a right click (an edit), so it is made to pass the click on.
  void OpenOn(FormWriter& writer, const FormObject& object, const std::string& window,
              bool own_menu = false);
  /// The same for a control the main window paints: a right click inside
  /// its rectangle in the client area.
  void OpenInside(FormWriter& writer, const FormObject& object, int left, int top, int right,
                  int bottom);
  /// Writes the WM_CONTEXTMENU branch. Call once, after the last control.
  void Finish(FormWriter& writer);

 private:
  /// The variable of the popup menu `menu`, built on its first request.
  std::string VariableOf(FormWriter& writer, const FormObject& menu);

  std::unordered_map<const FormObject*, std::string> menus_;
  std::string window_lines_;   // a line per window, in the form's order
  std::string painted_lines_;  // a line per painted control, the last painted first
  std::string form_line_;      // the form's own, when it names one
};

}  // namespace vornic
