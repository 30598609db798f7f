// The window "Закончились деньги".

#include "TNoMoneyForm.h"

#include <QLabel>
#include <QPushButton>

#include "ui/Fonts.h"
#include "ui/Widgets.h"

using ui::Face;

namespace {

QLabel* WrappedLabel(QWidget* parent, const char* name, const QString& text, QRect r,
                     const QFont& font, const QColor& colour) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setFont(font);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    // Like a word-wrapped auto-size label, it keeps its width and grows downwards when the
    // installed face needs a little more height than the design face did.
    l->setGeometry(r.x(), r.y(), r.width(), qMax(r.height(), l->heightForWidth(r.width())));
    return l;
}

}  // namespace

TNoMoneyForm::TNoMoneyForm(QWidget* parent)
    : ui::TForm(parent, QStringLiteral("Закончились деньги"), QSize(362, 233)) {
    setObjectName(QStringLiteral("NoMoneyForm"));

    Image1 = new ui::TSvgImage(this, QStringLiteral(":/assets/coins.svg"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 16, 81, 81);

    Bevel1 = new ui::TBevel(this, ui::TBevel::Shape::Frame, ui::TBevel::Style::Raised);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(8, 8, 345, 185);

    btnOk = ui::OkButton(this);
    btnOk->setGeometry(144, 200, 75, 25);
    btnOk->setDefault(true);

    Label1 = WrappedLabel(this, "Label1", QStringLiteral("Вы израсходовали всю денежную сумму"),
                          QRect(112, 24, 225, 48), ui::Font(Face::Arial, 21), ui::clRed);
    Label2 = WrappedLabel(this, "Label2",
                          QStringLiteral("В оставшиеся дни экологическая система будет развиваться "
                                         "без управления с Вашей стороны."),
                          QRect(120, 80, 209, 100), ui::Font(Face::MsSansSerif, 16), ui::clBlue);

    // OK, Enter and the close box all just close the notice; nobody reads the result.
    connect(btnOk, &QPushButton::clicked, this, &TNoMoneyForm::accept);
}
