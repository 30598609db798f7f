// Building blocks of the information windows.

#include "ViewParts.h"


namespace views {

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

QColor TextColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

QLabel* AutoLabel(QWidget* parent, const char* name, const QString& text, QPoint pos,
                  const QFont& font, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    SetTextColour(label, colour);
    label->move(pos);
    FitText(label, text);
    return label;
}

void FitText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

QLabel* CellLabel(QWidget* parent, const char* name, QRect rect, const QFont& font,
                  const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    SetTextColour(label, colour);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(rect);
    return label;
}

CellGrid MakeCellGrid(QWidget* parent, const int left[3], const int width[3], const int top[3],
                      int height, const QFont& font, const QColor& colour) {
    CellGrid cells{};
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row)
            cells[column][row] = CellLabel(parent, CellName[column][row],
                                           QRect(left[column], top[row], width[column], height),
                                           font, colour);
    return cells;
}

ui::TBevel* PlaceBevel(QWidget* parent, const char* name, ui::TBevel::Shape shape,
                       ui::TBevel::Style style, QRect r) {
    auto* b = new ui::TBevel(parent, shape, style);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(r);
    return b;
}

}  // namespace views
