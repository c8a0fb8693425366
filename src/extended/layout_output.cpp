// The layout's part of the program, from the rows gathered while the form
// was written.
#include "extended/layout_output.h"

#include <algorithm>
#include <string>
#include <vector>

#include "extended/form_writer.h"
#include "extended/layout_code.h"
#include "extended/layout_table.h"
#include "output/program_text.h"

namespace vornic {

namespace {

std::string Numbers(std::initializer_list<int> values) {
  std::string text;
  for (const int value : values) {
    if (!text.empty()) text += ", ";
    text += std::to_string(value);
  }
  return text;
}

std::string RowText(const LayoutRow& row, size_t index, bool last) {
  const Edges& m = row.margins;
  const Edges& c = row.client;
  const Edges& p = row.padding;
  return "\r\n    (" +
         Numbers({row.parent, row.left, row.top, row.width, row.height, static_cast<int>(row.align),
                  row.anchors, m.left, m.top, m.right, m.bottom, c.left, c.top, c.right, c.bottom,
                  p.left, p.top, p.right, p.bottom, row.splits, row.min_size, row.pages ? 1 : 0,
                  row.scrolls ? 1 : 0}) +
         ")" + (last ? " " : ",") + " { " + std::to_string(index) + ": " + row.object->name + " }";
}

std::string OrderText(const std::vector<int>& order) {
  std::string text;
  for (size_t i = 0; i < order.size(); ++i) {
    if (i > 0) text += i % 16 == 0 ? ",\r\n    " : ", ";
    text += std::to_string(order[i]);
  }
  return text;
}

// The form's values that scaling needs; a form stores no PixelsPerInch when
// it was designed at 96.
LayoutForm FormValues(const FormObject& form) {
  LayoutForm values;
  const std::string& ppi = form.Value("PixelsPerInch");
  if (!ppi.empty() && ppi.find_first_not_of("0123456789") == std::string::npos && ppi.size() < 5 &&
      std::stoi(ppi) > 0) {
    values.pixels_per_inch = std::stoi(ppi);
  }
  values.scaled = form.Value("Scaled") != "False";
  // Off unless stored: the designers' default for forms these many years.
  values.scrolls = form.Value("AutoScroll") == "True";
  const auto size = [&form](const char* name) {
    const std::string& value = form.Value(name);
    if (value.empty() || value.size() > 6 || value.find_first_not_of("0123456789") != std::string::npos) {
      return -1;
    }
    return std::stoi(value);
  };
  values.client_width = size("ClientWidth");
  values.client_height = size("ClientHeight");
  // A frame's anchors were set in the client size it stores as DesignSize.
  const auto designed = DesignSizeOf(form);
  if (designed && values.client_width < 0 && values.client_height < 0 && !form.Has("Width") &&
      !form.Has("Height")) {
    values.client_width = designed->first;
    values.client_height = designed->second;
  }
  return values;
}

// The rows learn their windows once every window exists; then every
// control goes where the layout puts it at this resolution and size.
std::string FirstLayoutLines(const LayoutTable& table) {
  std::string text =
      "\r\n  { Every control where Align and Anchors put it, at the screen's resolution }"
      "\r\n  ScaleLayout;";
  const std::vector<LayoutRow>& rows = table.rows();
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].window.empty()) continue;
    text += "\r\n  LayoutRow[" + std::to_string(i) + "].Window := " + rows[i].window + ";";
  }
  // A page below more rows of tabs than the designer's one starts lower.
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].shift.empty()) continue;
    const std::string& shift = rows[i].shift;
    text += "\r\n  with LayoutRow[" + std::to_string(i) + "] do begin Inc(Left, " + shift +
            ".X); Inc(Top, " + shift + ".Y); Dec(Width, " + shift + ".X); Dec(Height, " + shift +
            ".Y); end;";
  }
  return text + "\r\n  LayoutReady := True;\r\n  LayoutWindow;";
}

void WriteBranches(FormWriter& writer, const LayoutTable& table, bool scrolls) {
  writer.AddText("windowprocwmsizemidle", SizeBranchLines());
  // The other branch that lays out again stands beside it.
  writer.AddText("windowprocwmsizeend",
                 "\r\n    WM_DPICHANGED: begin"
                 "\r\n      LayoutDpiChanged(LoWord(wParam));" +
                     std::string(writer.fonts().FontCount() > 0 ? "\r\n      CreateFonts;" : "") +
                     "\r\n      with PRect(lParam)^ do SetWindowPos(hWindow, 0, Left, Top, Right - Left,"
                     " Bottom - Top, SWP_NOZORDER or SWP_NOACTIVATE);"
                     "\r\n      RedrawWindow(hWindow, nil, 0, RDW_INVALIDATE or RDW_ERASE or RDW_ALLCHILDREN);"
                     "\r\n    end;");
  writer.program().HasSizeHandler = true;
  // After the form's Constraints, which it only raises.
  writer.branches().Add("WM_GETMINMAXINFO",
                        "\r\n      LayoutLeastSize(PMinMaxInfo(lParam)^.ptMinTrackSize);");
  if (scrolls) {
    // The branch the form's own scroll bars share.
    writer.branches().Add("WM_HSCROLL, WM_VSCROLL",
                          "\r\n      if LayoutScroll(HWND(lParam), Message = WM_VSCROLL, LoWord(wParam))"
                          " then Exit;");
    // The wheel reaches the main window from the window under the focus.
    writer.branches().Add("WM_MOUSEWHEEL",
                          "\r\n      if LayoutWheel(SmallInt(HiWord(wParam)), SmallInt(LoWord(lParam)),"
                          " SmallInt(HiWord(lParam))) then Exit;");
  }
  if (table.HasSplitters()) {
    writer.branches().Add("WM_SETCURSOR", SplitterBranchLines("WM_SETCURSOR"),
                          "\r\n      Result := DefWindowProc(hWindow, Message, wParam, lParam);");
    for (const char* message : {"WM_LBUTTONDOWN", "WM_MOUSEMOVE", "WM_LBUTTONUP"}) {
      writer.branches().Add(message, SplitterBranchLines(message));
    }
  }
}

}  // namespace

std::string LayoutDesignText(const LayoutTable& table, const LayoutForm& form) {
  const std::vector<LayoutRow>& rows = table.rows();
  const std::string last = std::to_string(rows.size() - 1);
  std::string text = "\r\nconst\r\n  LayoutCount = " + std::to_string(rows.size()) + ";";
  if (form.scrolls || table.HasScrollBoxes()) {
    text += std::string("\r\n  { The form's own content scrolls when it does not fit }") +
            "\r\n  FormScrolls = " + (form.scrolls ? "True" : "False") + ";";
  }
  text +=
      "\r\n  { Each row: its container's row (-1: the main window); Left, Top, Width and Height"
      "\r\n    as designed in the container's client area; Align; Anchors; the margins, the"
      "\r\n    client area's distances from its edges and the padding (left, top, right and"
      "\r\n    bottom each); the row a splitter resizes and its least size; 1 for a tab window"
      "\r\n    whose pages the main window paints; 1 for a scroll box whose content scrolls }"
      "\r\n  LayoutDesign: array[0.." +
      last + ", 0..22] of Integer = (";
  for (size_t i = 0; i < rows.size(); ++i) text += RowText(rows[i], i, i + 1 == rows.size());
  return text + "\r\n  );\r\n  { The order in which the rows are placed }\r\n  LayoutOrder: array[0.." +
         last + "] of Integer = (\r\n    " + OrderText(table.PlacingOrder()) + ");\r\n";
}

// Whether each scroll box shows, for its scroll bars: those on pages show
// while their pages are chosen.
std::string RowShowsText(const LayoutTable& table) {
  std::string cases;
  const std::vector<LayoutRow>& rows = table.rows();
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].scrolls && !rows[i].shows.empty()) {
      cases += "\r\n    " + std::to_string(i) + ": Result := " + rows[i].shows + ";";
    }
  }
  std::string text =
      "\r\n{ Whether the scroll box of Row shows: one on pages while they are chosen }"
      "\r\nfunction LayoutRowShows(Row: Integer): Boolean;\r\nbegin\r\n  Result := True;";
  if (!cases.empty()) text += "\r\n  case Row of" + cases + "\r\n  end;";
  return text + "\r\nend;\r\n";
}

bool ScrollBoxesOnPages(const LayoutTable& table) {
  const std::vector<LayoutRow>& rows = table.rows();
  return std::any_of(rows.begin(), rows.end(), [](const LayoutRow& row) {
    return row.scrolls && !row.shows.empty() && row.shows != "False";
  });
}

void WriteLayout(FormWriter& writer, LayoutTable& table) {
  const LayoutForm form = FormValues(writer.form());
  writer.AddText("procedures", ResolutionCode(form));
  if (table.rows().empty()) return;
  table.FindSplitTargets();
  const bool scrolls = form.scrolls || table.HasScrollBoxes();
  writer.AddText("procedures", "\r\n{ The controls' layout " + std::string(50, '=') + " }" +
                                   LayoutTypeCode() + LayoutDesignText(table, form) +
                                   (scrolls ? RowShowsText(table) : "") +
                                   LayoutProcedureCode(table.HasSplitters(), scrolls));
  // Another tab chosen: the scroll bars of scroll boxes on pages come or go.
  if (ScrollBoxesOnPages(table)) writer.AddText("windowprocnotifymidle", "\r\n      LayoutWindow;");
  writer.AddText("bodylast", FirstLayoutLines(table));
  WriteBranches(writer, table, form.scrolls || table.HasScrollBoxes());
}

}  // namespace vornic
