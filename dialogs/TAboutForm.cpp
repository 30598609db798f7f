// The window "О программе".

#include "TAboutForm.h"

#include <QPushButton>

#include "ui/Widgets.h"

TAboutForm::TAboutForm(QWidget* parent) : ui::TForm(parent, QStringLiteral("О программе"), QSize(324, 256)) {
    setObjectName(QStringLiteral("AboutForm"));
    auto* ok = ui::OkButton(this);
    ok->setGeometry((324 - 75) / 2, 256 - 33, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TAboutForm::accept);
}

