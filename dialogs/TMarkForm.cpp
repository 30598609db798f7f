// The window "Оценка действий".

#include "TMarkForm.h"

#include <QPushButton>

#include "ui/Widgets.h"

TMarkForm::TMarkForm(QWidget* parent) : ui::TForm(parent, QStringLiteral("Оценка действий"), QSize(346, 184)) {
    setObjectName(QStringLiteral("MarkForm"));
    auto* ok = ui::OkButton(this);
    ok->setGeometry((346 - 75) / 2, 184 - 33, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TMarkForm::accept);
}

void TMarkForm::ShowGrade(int) { ShowModal(); }
