// The report window.

#include "TOtchetForm.h"

#include <QPushButton>

#include "ui/Widgets.h"

TOtchetForm::TOtchetForm(QWidget* parent)
    : ui::TForm(parent, QStringLiteral("Отчет"), QSize(356, 284)) {
    setObjectName(QStringLiteral("OtchetForm"));
    auto* ok = ui::OkButton(this);
    ok->setGeometry(144, 240, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TOtchetForm::accept);
}

void TOtchetForm::ShowReport(const tarnova::GameState&, tarnova::GameHost& host) {
    host.ShowDate();
    ShowModal();
}
