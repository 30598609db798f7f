// The window "О программе".

#include "TAboutForm.h"

#include <QLabel>
#include <QPushButton>

#include "ui/Fonts.h"
#include "ui/Widgets.h"

TAboutForm::TAboutForm(QWidget* parent)
    : ui::TForm(parent, QStringLiteral("О программе"), QSize(324, 256)) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowIcon(ui::WindowIcon(QStringLiteral(":/assets/factory_icon.svg")));

    // The only control that takes the keyboard, so it has the focus and Enter closes the box.
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(128, 224, 75, 25);

    Image2 = new ui::TSvgImage(this, QStringLiteral(":/assets/about.svg"));
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(12, 12, 300, 200);

    Bevel1 = new ui::TBevel(this, ui::TBevel::Shape::Frame, ui::TBevel::Style::Lowered);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(8, 8, 308, 208);

    // Made after the picture, so it is drawn over it; a label paints no background of its own.
    Label1 = new QLabel(QStringLiteral("Версия 2.2 для Windows"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(156, 172, 146, 13);
    Label1->setFont(ui::Font(ui::Face::MsSansSerif, 11, true));
    QPalette aqua = Label1->palette();
    aqua.setColor(QPalette::WindowText, ui::clAqua);
    Label1->setPalette(aqua);

    connect(btnOK, &QPushButton::clicked, this, &TAboutForm::accept);
}
