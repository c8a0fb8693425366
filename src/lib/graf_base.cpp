// The pen and brush registry: distinct pens and brushes numbered in order of
// first use, and the texts that declare, create and delete them.
#include "lib/graf_base.h"

#include "lib/form_colors.h"
#include "lib/translate.h"

namespace vornic {

std::string TIGrafBase::RegisterPen(const std::string& style, const std::string& width,
                                    const std::string& color) {
  int row = Pens.Find({style, width, color});
  if (row == 0) row = Pens.Add({style, width, color});
  return "Pen" + std::to_string(row);
}

std::string TIGrafBase::RegisterBrush(const std::string& style, const std::string& color) {
  int row = Brushes.Find({style, color});
  if (row == 0) row = Brushes.Add({style, color});
  return "Brush" + std::to_string(row);
}

std::string TIGrafBase::GetGraphicsDeclarations(bool with_old_point) const {
  std::string text = "\r\n    PaintStruct: TPaintStruct;\r\n    PaintDC: HDC;";
  if (with_old_point) text += "\r\n    OldPoint: PPoint;";
  if (Pens.size() > 0) {
    text += "\r\n    OldPen: HPEN;";
    for (int i = 1; i <= Pens.size(); ++i) {
      text.append("\r\n    Pen").append(std::to_string(i)).append(": HPEN;");
    }
  }
  if (Brushes.size() > 0) {
    text += "\r\n    OldBrush: HBRUSH;";
    for (int i = 1; i <= Brushes.size(); ++i) {
      text.append("\r\n    Brush").append(std::to_string(i)).append(": HBRUSH;");
    }
  }
  return text;
}

std::string TIGrafBase::Color(const std::string& value) const {
  if (!form_colors_) return TranslateColor(value);
  // What is no colour (clNone) keeps the black the table gives it.
  const std::string expression = ColorExpression(value);
  return expression.empty() ? TranslateColor(value) : expression;
}

std::string TIGrafBase::GetGraphicsCreation() const {
  std::string text;
  if (Pens.size() > 0) {
    text += "\r\n      { Create Pens }";
    for (int i = 1; i <= Pens.size(); ++i) {
      text.append("\r\n      Pen").append(std::to_string(i)).append(" := CreatePen(");
      text.append(TranslatePenStyle(Pens.At(i, 0))).append(",").append(Pens.At(i, 1));
      text.append(",").append(Color(std::string(Pens.At(i, 2)))).append(");");
    }
  }
  if (Brushes.size() > 0) {
    text += "\r\n      { Create Brushes }";
    for (int i = 1; i <= Brushes.size(); ++i) {
      text.append("\r\n      Brush").append(std::to_string(i)).append(" := ");
      const std::string color = Color(std::string(Brushes.At(i, 1)));
      // Every style but a solid one is drawn hatched, a clear brush included.
      if (Brushes.At(i, 0) == "bsSolid") {
        text.append("CreateSolidBrush(").append(color).append(");");
      } else {
        text.append("CreateHatchBrush(").append(TranslateBrushStyle(Brushes.At(i, 0)));
        text.append(",").append(color).append(");");
      }
    }
  }
  return text;
}

std::string TIGrafBase::GetGraphicsDeletion() const {
  std::string text = "\r\n      { Delete Pens and Brushes }";
  for (int i = 1; i <= Pens.size(); ++i) {
    text.append("\r\n      DeleteObject(Pen").append(std::to_string(i)).append(");");
  }
  for (int i = 1; i <= Brushes.size(); ++i) {
    text.append("\r\n      DeleteObject(Brush").append(std::to_string(i)).append(");");
  }
  return text;
}

}  // namespace vornic
