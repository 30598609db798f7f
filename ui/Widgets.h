// Small widgets the windows are built from: bevels, vector pictures and glyph buttons.
#pragma once

#include <QIcon>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

class QSvgRenderer;

namespace ui {

// A bevel: a box, a frame or a single line, lowered or raised.
class TBevel : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Box, Frame, TopLine, LeftLine };
    enum class Style { Lowered, Raised };
    TBevel(QWidget* parent, Shape shape, Style style);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Shape shape_;
    Style style_;
};

// A panel: an optional sunken border, then an outer and an inner bevel, each raised, lowered or
// absent and `bevelWidth` pixels wide. Children are placed relative to its top-left corner.
class TPanel : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Lowered };
    TPanel(QWidget* parent, Bevel outer, Bevel inner, int bevelWidth = 2, bool border = true);
    // Width of the border and the bevels together: nothing should be placed inside it.
    int EdgeWidth() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Bevel outer_, inner_;
    int bevelWidth_;
    bool border_;
};

// A vector picture from the resources, stretched to the widget without keeping its proportions
// and drawn at the screen's own resolution.
class TSvgImage : public QWidget {
    Q_OBJECT
public:
    TSvgImage(QWidget* parent, const QString& resource);
    bool isValid() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QSvgRenderer* renderer;
};

// A window icon drawn from a vector picture at the sizes window systems ask for.
QIcon WindowIcon(const QString& resource);

// An icon of two frames, normal and disabled, drawn from two vector pictures.
QIcon GlyphIcon(const QString& normal, const QString& disabled, QSize size);

// A push button with a glyph beside its caption.
QPushButton* GlyphButton(QWidget* parent, const QString& caption, const QString& glyph,
                         QSize glyphSize = QSize(18, 18));

// The two standard button kinds: OK with the green check mark, "Отмена" with the red cross.
QPushButton* OkButton(QWidget* parent);
QPushButton* CancelButton(QWidget* parent);

// A flat speed button with a 16 x 16 glyph and a hint; it never takes the keyboard focus.
QToolButton* SpeedButton(QWidget* parent, const QString& glyph, const QString& hint);

}  // namespace ui
