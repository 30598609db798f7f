// The exit confirmation: a borderless black box asking "Выйти из игры?".

#include "TExitForm.h"

#include <QLabel>
#include <QPushButton>

#include "app/Forms.h"
#include "ui/Widgets.h"

TExitForm::TExitForm(QWidget* parent)
    : ui::TForm(parent, QStringLiteral("Выход"), QSize(257, 113), Border::None) {
    setObjectName(QStringLiteral("ExitForm"));
    auto* question = new QLabel(QStringLiteral("Выйти из игры?"), this);
    question->setGeometry(0, 24, 257, 30);
    question->setAlignment(Qt::AlignCenter);
    QPalette p = question->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    question->setPalette(p);
    auto* ok = ui::OkButton(this);
    ok->setGeometry(40, 76, 83, 25);
    auto* cancel = ui::CancelButton(this);
    cancel->setGeometry(136, 76, 81, 25);
    cancel->setDefault(true);
    setCancelButton(cancel);
    QPalette bg = palette();
    bg.setColor(QPalette::Window, Qt::black);
    setPalette(bg);
    setAutoFillBackground(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        // Closing the main window ends the program; this window ends with it.
        frmMain->close();
        reject();
    });
    connect(cancel, &QPushButton::clicked, this, &TExitForm::reject);
}
