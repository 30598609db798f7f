// Message boxes.

#include "MessageBox.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "Fonts.h"
#include "TForm.h"

namespace ui {

namespace {

// A Yes/No box ignores Esc: only its buttons answer it.
class TMessageDialog : public QDialog {
public:
    using QDialog::QDialog;
    bool escapeCloses = true;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape && !escapeCloses) return;
        QDialog::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        if (!escapeCloses) {
            e->ignore();
            return;
        }
        QDialog::closeEvent(e);
    }
};

}  // namespace

QString ApplicationTitle() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

int MessageBox(QWidget* parent, const QString& text, const QString& caption, int flags) {
    TMessageDialog box(parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowTitle(caption.isEmpty() ? ApplicationTitle() : caption);
    box.setFont(Font(Face::MsSansSerif, 11));
    const bool yesNo = (flags & 0x0f) == MB_YESNO;
    Qt::WindowFlags wf = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (!yesNo) wf |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    box.setWindowFlags(wf);
    box.escapeCloses = !yesNo;

    auto* row = new QHBoxLayout;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    switch (flags & 0xf0) {
    case MB_ICONERROR: icon = QStyle::SP_MessageBoxCritical; break;
    case MB_ICONQUESTION: icon = QStyle::SP_MessageBoxQuestion; break;
    case MB_ICONEXCLAMATION: icon = QStyle::SP_MessageBoxWarning; break;
    default: break;
    }
    if (icon != QStyle::SP_CustomBase) {
        auto* iconLabel = new QLabel;
        iconLabel->setObjectName(QStringLiteral("icon"));
        iconLabel->setPixmap(box.style()->standardIcon(icon).pixmap(32, 32));
        iconLabel->setAlignment(Qt::AlignTop);
        row->addWidget(iconLabel);
        row->addSpacing(8);
    }
    auto* label = new QLabel(text);
    label->setObjectName(QStringLiteral("text"));
    label->setWordWrap(text.size() > 60);
    label->setMinimumWidth(qMin(360, label->sizeHint().width()));
    row->addWidget(label, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    int result = IDOK;
    auto addButton = [&](const QString& caption, int id, bool isDefault) {
        auto* b = new QPushButton(caption);
        b->setObjectName(caption);
        b->setMinimumWidth(75);
        b->setDefault(isDefault);
        QObject::connect(b, &QPushButton::clicked, &box, [&box, &result, id] {
            result = id;
            box.accept();
        });
        buttons->addWidget(b);
        return b;
    };
    if (yesNo) {
        addButton(QStringLiteral("Да"), IDYES, true)->setFocus();
        addButton(QStringLiteral("Нет"), IDNO, false);
        result = IDNO;
    } else {
        addButton(QStringLiteral("OK"), IDOK, true)->setFocus();
    }
    buttons->addStretch();

    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(row);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    box.adjustSize();
    CenterOnScreen(&box);
    box.exec();
    // Give the keyboard back to the window the box was about, also where no window manager does.
    if (parent && parent->window()->isVisible()) parent->window()->activateWindow();
    return result;
}

void ErrorBox(QWidget* parent, const QString& text) {
    MessageBox(parent, text, QStringLiteral("Ошибка"), MB_ICONEXCLAMATION);
}

}  // namespace ui
