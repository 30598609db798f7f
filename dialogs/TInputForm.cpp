// The window "Ввод данных".

#include "TInputForm.h"

#include <QPushButton>

#include "ui/Widgets.h"

TInputForm::TInputForm(QWidget* parent) : ui::TForm(parent, QStringLiteral("Ввод данных"), QSize(414, 221)) {
    setObjectName(QStringLiteral("InputForm"));
    auto* ok = ui::OkButton(this);
    ok->setGeometry((414 - 75) / 2, 221 - 33, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TInputForm::accept);
}

void TInputForm::Execute(tarnova::GameState&) { ShowModal(); }
