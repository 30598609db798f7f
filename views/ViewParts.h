// Building blocks shared by the report and the two forecast windows: labels at fixed places and
// the table cells.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPoint>
#include <QRect>
#include <QString>

namespace views {

// Sets the colour the label's text is drawn in.
void SetTextColour(QLabel* label, const QColor& colour);
QColor TextColour(const QLabel* label);

// A label whose size follows its text (call FitText after each new text).
QLabel* AutoLabel(QWidget* parent, const char* name, const QString& text, QPoint pos,
                  const QFont& font, const QColor& colour);

// Gives an auto-size label its new text and resizes it to fit.
void FitText(QLabel* label, const QString& text);

// A label of fixed size with its text centred: a cell of a table.
QLabel* CellLabel(QWidget* parent, const char* name, QRect rect, const QFont& font,
                  const QColor& colour);

}  // namespace views
