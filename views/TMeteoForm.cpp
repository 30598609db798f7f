// The window "Метеопрогноз".

#include "TMeteoForm.h"

#include <QPushButton>

#include "ui/Widgets.h"

TMeteoForm::TMeteoForm(QWidget* parent) : ui::TForm(parent, QStringLiteral("Метеопрогноз"), QSize(287, 266)) {
    setObjectName(QStringLiteral("MeteoForm"));
    auto* ok = ui::OkButton(this);
    ok->setGeometry((287 - 75) / 2, 266 - 33, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TMeteoForm::accept);
}

void TMeteoForm::ShowForecast(int) { ShowModal(); }
