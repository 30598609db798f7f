// Building blocks of the information windows.

#include "ViewParts.h"

#include <QPainter>

namespace views {

namespace {

// Draws a frame of `width` nested one-pixel rectangles, light or dark on the top and left edges
// and the other colour on the bottom and right, and shrinks `r` to what lies inside it.
void Frame3D(QPainter& p, QRect& r, const QColor& topLeft, const QColor& bottomRight, int width) {
    for (int i = 0; i < width; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.setPen(bottomRight);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

}  // namespace

TPanel::TPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setFrameShape(QFrame::NoFrame);
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor white(255, 255, 255), shadow(128, 128, 128), darkShadow(64, 64, 64);
    const QColor light = palette().color(QPalette::Midlight);
    QRect r = rect();
    // The single border: a sunken edge of two pixels.
    Frame3D(p, r, shadow, white, 1);
    Frame3D(p, r, darkShadow, light, 1);
    // The outer bevel stands out, the inner one is pressed in.
    Frame3D(p, r, white, shadow, 2);
    Frame3D(p, r, shadow, white, 2);
}

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

}  // namespace views
