// The window "Прогноз сброса сточных вод предприятиями".

#include "TSbrosForm.h"

#include <QPushButton>

#include "ui/Widgets.h"

TSbrosForm::TSbrosForm(QWidget* parent) : ui::TForm(parent, QStringLiteral("Прогноз сброса сточных вод предприятиями"), QSize(566, 196)) {
    setObjectName(QStringLiteral("SbrosForm"));
    auto* ok = ui::OkButton(this);
    ok->setGeometry((566 - 75) / 2, 196 - 33, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TSbrosForm::accept);
}

void TSbrosForm::ShowForecast(int) { ShowModal(); }
