// The pen and brush registry: distinct pens and brushes numbered in order of
// first use, and the texts that declare, create and delete them.
#include "lib/graf_base.h"

#include "lib/translate.h"

namespace vornic {

std::string TIGrafBase::RegisterPen(const std::string& style, const std::string& width,
                                    const std::string& color) {
  const int row = PenRows.Find({style, width, color});
  if (row > 0) return "Pen" + std::to_string(row);
  PenRows.Insert({style, width, color}, PenNumbers.HighIndex() + 1);
  const std::string number = std::to_string(PenNumbers.HighIndex() + 1);
  PenNumbers.Add(number);
  PenStyles.Add(style);
  PenWidths.Add(width);
  PenColors.Add(color);
  return "Pen" + number;
}

std::string TIGrafBase::RegisterBrush(const std::string& style, const std::string& color) {
  const int row = BrushRows.Find({style, color});
  if (row > 0) return "Brush" + std::to_string(row);
  BrushRows.Insert({style, color}, BrushNumbers.HighIndex() + 1);
  const std::string number = std::to_string(BrushNumbers.HighIndex() + 1);
  BrushNumbers.Add(number);
  BrushStyles.Add(style);
  BrushColors.Add(color);
  return "Brush" + number;
}

std::string TIGrafBase::GetGraphicsDeclarations(bool with_old_point) const {
  std::string text = "\r\n    PaintStruct: TPaintStruct;\r\n    PaintDC: HDC;";
  if (with_old_point) text += "\r\n    OldPoint: PPoint;";
  if (PenNumbers.HighIndex() > 0) {
    text += "\r\n    OldPen: HPEN;";
    for (int i = 1; i <= PenNumbers.HighIndex(); ++i) {
      text += "\r\n    Pen" + PenNumbers.GetItem(i) + ": HPEN;";
    }
  }
  if (BrushNumbers.HighIndex() > 0) {
    text += "\r\n    OldBrush: HBRUSH;";
    for (int i = 1; i <= BrushNumbers.HighIndex(); ++i) {
      text += "\r\n    Brush" + BrushNumbers.GetItem(i) + ": HBRUSH;";
    }
  }
  return text;
}

std::string TIGrafBase::GetGraphicsCreation() const {
  std::string text;
  if (PenNumbers.HighIndex() > 0) {
    text += "\r\n      { Create Pens }";
    for (int i = 1; i <= PenNumbers.HighIndex(); ++i) {
      text += "\r\n      Pen" + PenNumbers.GetItem(i) + " := CreatePen(" +
              TranslatePenStyle(PenStyles.GetItem(i)) + "," + PenWidths.GetItem(i) + "," +
              TranslateColor(PenColors.GetItem(i)) + ");";
    }
  }
  if (BrushNumbers.HighIndex() > 0) {
    text += "\r\n      { Create Brushes }";
    for (int i = 1; i <= BrushNumbers.HighIndex(); ++i) {
      const std::string color = TranslateColor(BrushColors.GetItem(i));
      // Every style but a solid one is drawn hatched, a clear brush included.
      const std::string call = BrushStyles.GetItem(i) == "bsSolid"
                                   ? "CreateSolidBrush(" + color + ");"
                                   : "CreateHatchBrush(" +
                                         TranslateBrushStyle(BrushStyles.GetItem(i)) + "," + color +
                                         ");";
      text += "\r\n      Brush" + BrushNumbers.GetItem(i) + " := " + call;
    }
  }
  return text;
}

std::string TIGrafBase::GetGraphicsDeletion() const {
  std::string text = "\r\n      { Delete Pens and Brushes }";
  for (int i = 1; i <= PenNumbers.HighIndex(); ++i) {
    text += "\r\n      DeleteObject(Pen" + PenNumbers.GetItem(i) + ");";
  }
  for (int i = 1; i <= BrushNumbers.HighIndex(); ++i) {
    text += "\r\n      DeleteObject(Brush" + BrushNumbers.GetItem(i) + ");";
  }
  return text;
}

}  // namespace vornic
