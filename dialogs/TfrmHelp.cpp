// The window "Руководство пользователя".

#include "TfrmHelp.h"

#include <QPushButton>

#include "ui/Widgets.h"

TfrmHelp::TfrmHelp(QWidget* parent) : ui::TForm(parent, QStringLiteral("Руководство пользователя"), QSize(536, 315)) {
    setObjectName(QStringLiteral("frmHelp"));
    auto* ok = ui::OkButton(this);
    ok->setGeometry((536 - 75) / 2, 315 - 33, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TfrmHelp::accept);
}

void TfrmHelp::ShowGuide() { show(); }
