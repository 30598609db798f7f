// The exit confirmation: a borderless black box asking "Выйти из игры?".

#include "TExitForm.h"

#include <QLabel>
#include <QPushButton>

#include "app/Forms.h"
#include "ui/Fonts.h"
#include "ui/Widgets.h"

TExitForm::TExitForm(QWidget* parent)
    : ui::TForm(parent, QStringLiteral("Выход"), QSize(257, 113), Border::None) {
    setObjectName(QStringLiteral("ExitForm"));
    QPalette bg = palette();
    bg.setColor(QPalette::Window, Qt::black);
    setPalette(bg);
    setAutoFillBackground(true);

    btnOk = ui::OkButton(this);
    btnOk->setGeometry(40, 76, 83, 25);
    btnCancel = ui::CancelButton(this);
    btnCancel->setGeometry(136, 76, 81, 25);
    // Esc and Enter (away from a focused OK) both keep the game going.
    btnCancel->setDefault(true);
    setCancelButton(btnCancel);

    Panel1 = new ui::TPanel(this, ui::TPanel::Bevel::Raised, ui::TPanel::Bevel::Lowered, 2, false);
    Panel1->setGeometry(16, 16, 225, 49);
    QPalette grey = Panel1->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    Panel1->setPalette(grey);
    Panel1->setAutoFillBackground(true);

    Label1 = new QLabel(QStringLiteral("Выйти из игры?"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 9, 196, 29);
    Label1->setFont(ui::Font(ui::Face::Arial, 24, true));
    QPalette yellow = Label1->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    Label1->setPalette(yellow);

    // The window's only frame, over the whole client area.
    Bevel1 = new ui::TBevel(this, ui::TBevel::Shape::Frame, ui::TBevel::Style::Raised);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(0, 0, 257, 113);
    Bevel1->lower();

    // OK first, so it has the keyboard when the box opens.
    setTabOrder(btnOk, btnCancel);

    connect(btnOk, &QPushButton::clicked, this, &TExitForm::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TExitForm::reject);
}

void TExitForm::btnOkClick() {
    // The main window's close saves the settings and ends the program; this box ends with it.
    if (frmMain && frmMain->close()) reject();
}
