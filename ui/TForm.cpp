// The base of the game's secondary windows.

#include "TForm.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "Fonts.h"

namespace ui {

void CenterOnScreen(QWidget* w) {
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    // The frame is known only once the window has been shown; before that the client size counts.
    const QSize outer = w->isVisible() ? w->frameGeometry().size() : w->size();
    w->move(area.center() - QPoint(outer.width() / 2, outer.height() / 2) + QPoint(1, 1));
}

TForm::TForm(QWidget* parent, const QString& caption, QSize client, Border border)
    : QDialog(parent) {
    setWindowTitle(caption);
    setFont(Font(Face::MsSansSerif, 11));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    switch (border) {
    case Border::Single:
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        break;
    case Border::SingleNoClose: flags |= Qt::WindowTitleHint; break;
    case Border::None: flags = Qt::Dialog | Qt::FramelessWindowHint; break;
    case Border::Sizeable:
        flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
        break;
    }
    setWindowFlags(flags);
    if (border == Border::Sizeable)
        resize(client);
    else
        setFixedSize(client);
}

int TForm::ShowModal() { return exec(); }

void TForm::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        if (cancelButton && cancelButton->isEnabled()) cancelButton->click();
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    QWidget* w = this;
    while ((w = w->nextInFocusChain()) != this) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this) &&
            w->window() == this) {
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

void TForm::setVisible(bool visible) {
    if (visible && !isVisible()) CenterOnScreen(this);
    QDialog::setVisible(visible);
}

}  // namespace ui
