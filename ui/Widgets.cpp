// Small widgets the windows are built from.

#include "Widgets.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace ui {

// ---------------------------------------------------------------------------------------------
// TBevel

TBevel::TBevel(QWidget* parent, Shape shape, Style style)
    : QWidget(parent), shape_(shape), style_(style) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor shadow(128, 128, 128), light(255, 255, 255);
    const QColor first = style_ == Style::Lowered ? shadow : light;   // top and left
    const QColor second = style_ == Style::Lowered ? light : shadow;  // bottom and right
    const int w = width(), h = height();
    switch (shape_) {
    case Shape::Box:
        p.setPen(first);
        p.drawLine(0, 0, w - 1, 0);
        p.drawLine(0, 0, 0, h - 1);
        p.setPen(second);
        p.drawLine(0, h - 1, w - 1, h - 1);
        p.drawLine(w - 1, 0, w - 1, h - 1);
        break;
    case Shape::Frame:
        // Two rectangles, one pixel apart: an etched frame.
        p.setPen(first);
        p.drawRect(0, 0, w - 2, h - 2);
        p.setPen(second);
        p.drawRect(1, 1, w - 2, h - 2);
        break;
    case Shape::TopLine:
        p.setPen(first);
        p.drawLine(0, 0, w - 1, 0);
        p.setPen(second);
        p.drawLine(0, 1, w - 1, 1);
        break;
    case Shape::LeftLine:
        p.setPen(first);
        p.drawLine(0, 0, 0, h - 1);
        p.setPen(second);
        p.drawLine(1, 0, 1, h - 1);
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// TPanel

namespace {

// Draws `width` nested one-pixel outlines, one colour on the top and left edges and the other on
// the bottom and right, and shrinks `r` to what lies inside them.
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

TPanel::TPanel(QWidget* parent, Bevel outer, Bevel inner, int bevelWidth, bool border)
    : QWidget(parent), outer_(outer), inner_(inner), bevelWidth_(bevelWidth), border_(border) {
    setObjectName(QStringLiteral("Panel1"));
}

int TPanel::EdgeWidth() const {
    return (border_ ? 2 : 0) + (outer_ != Bevel::None ? bevelWidth_ : 0) +
           (inner_ != Bevel::None ? bevelWidth_ : 0);
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor white(255, 255, 255), shadow(128, 128, 128), darkShadow(64, 64, 64);
    QRect r = rect();
    if (border_) {  // a sunken edge of two pixels
        Frame3D(p, r, shadow, white, 1);
        Frame3D(p, r, darkShadow, palette().color(QPalette::Midlight), 1);
    }
    for (Bevel b : {outer_, inner_}) {
        if (b == Bevel::Raised) Frame3D(p, r, white, shadow, bevelWidth_);
        if (b == Bevel::Lowered) Frame3D(p, r, shadow, white, bevelWidth_);
    }
}

// ---------------------------------------------------------------------------------------------
// TSvgImage

TSvgImage::TSvgImage(QWidget* parent, const QString& resource)
    : QWidget(parent), renderer(new QSvgRenderer(resource, this)) {
    renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
}

bool TSvgImage::isValid() const { return renderer->isValid(); }

void TSvgImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    renderer->render(&p, QRectF(rect()));
}

// ---------------------------------------------------------------------------------------------
// Glyphs and buttons

namespace {

QPixmap RenderSvg(const QString& resource, QSize size, qreal ratio) {
    QPixmap pm(size * ratio);
    pm.fill(Qt::transparent);
    QSvgRenderer r(resource);
    r.setAspectRatioMode(Qt::IgnoreAspectRatio);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    r.render(&p, QRectF(QPointF(0, 0), QSizeF(size * ratio)));
    p.end();
    pm.setDevicePixelRatio(ratio);
    return pm;
}

}  // namespace

QIcon WindowIcon(const QString& resource) {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(RenderSvg(resource, QSize(size, size), 1.0));
    return icon;
}

QIcon GlyphIcon(const QString& normal, const QString& disabled, QSize size) {
    QIcon icon;
    for (qreal ratio : {1.0, 2.0, 3.0}) {
        icon.addPixmap(RenderSvg(normal, size, ratio), QIcon::Normal);
        icon.addPixmap(RenderSvg(disabled, size, ratio), QIcon::Disabled);
    }
    return icon;
}

QPushButton* GlyphButton(QWidget* parent, const QString& caption, const QString& glyph,
                         QSize glyphSize) {
    auto* b = new QPushButton(caption, parent);
    const QString base = QStringLiteral(":/assets/") + glyph;
    b->setIcon(GlyphIcon(base + QStringLiteral(".svg"), base + QStringLiteral("_disabled.svg"),
                         glyphSize));
    b->setIconSize(glyphSize);
    return b;
}

QPushButton* OkButton(QWidget* parent) {
    auto* b = GlyphButton(parent, QStringLiteral("OK"), QStringLiteral("ok"));
    b->setObjectName(QStringLiteral("btnOk"));
    return b;
}

QPushButton* CancelButton(QWidget* parent) {
    auto* b = GlyphButton(parent, QStringLiteral("Отмена"), QStringLiteral("cancel"));
    b->setObjectName(QStringLiteral("btnCancel"));
    return b;
}

QToolButton* SpeedButton(QWidget* parent, const QString& glyph, const QString& hint) {
    auto* b = new QToolButton(parent);
    const QString base = QStringLiteral(":/assets/") + glyph;
    b->setIcon(GlyphIcon(base + QStringLiteral(".svg"), base + QStringLiteral("_disabled.svg"),
                         QSize(16, 16)));
    b->setIconSize(QSize(16, 16));
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace ui
