// Building blocks shared by the report and the two forecast windows: labels at fixed places and
// the table cells.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

#include "ui/Widgets.h"

namespace views {

// Sets the colour the label's text is drawn in.
void SetTextColour(QLabel* label, const QColor& colour);
QColor TextColour(const QLabel* label);

// A label whose size follows its text (call FitText after each new text).
QLabel* AutoLabel(QWidget* parent, const char* name, const QString& text, QPoint pos,
                  const QFont& font, const QColor& colour);

// Gives an auto-size label its new text and resizes it to fit.
void FitText(QLabel* label, const QString& text);

// The names of a table's cells: lbl followed by the column and the row, each 1 to 3.
inline const char* const CellName[3][3] = {
    {"lbl11", "lbl12", "lbl13"}, {"lbl21", "lbl22", "lbl23"}, {"lbl31", "lbl32", "lbl33"}};

// The nine cells of a table, [column][row], named by CellName, all centred in the same font.
using CellGrid = std::array<std::array<QLabel*, 3>, 3>;
CellGrid MakeCellGrid(QWidget* parent, const int left[3], const int width[3], const int top[3],
                      int height, const QFont& font, const QColor& colour);

// A named bevel at its place.
ui::TBevel* PlaceBevel(QWidget* parent, const char* name, ui::TBevel::Shape shape,
                       ui::TBevel::Style style, QRect r);

// A label of fixed size with its text centred: a cell of a table.
QLabel* CellLabel(QWidget* parent, const char* name, QRect rect, const QFont& font,
                  const QColor& colour);

}  // namespace views
