// The window "Закончились деньги".

#include "TNoMoneyForm.h"

#include <QPushButton>

#include "ui/Widgets.h"

TNoMoneyForm::TNoMoneyForm(QWidget* parent) : ui::TForm(parent, QStringLiteral("Закончились деньги"), QSize(362, 233)) {
    setObjectName(QStringLiteral("NoMoneyForm"));
    auto* ok = ui::OkButton(this);
    ok->setGeometry((362 - 75) / 2, 233 - 33, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TNoMoneyForm::accept);
}

