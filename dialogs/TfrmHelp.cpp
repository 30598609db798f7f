// The window "Руководство пользователя".

#include "TfrmHelp.h"

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QVBoxLayout>

#include "app/Forms.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

TfrmHelp::TfrmHelp(QWidget* parent)
    // The viewer's client area at its design size; the resizable frame comes around it.
    : ui::TForm(parent, QStringLiteral("Руководство пользователя"), QSize(528, 288),
                Border::Sizeable) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowIcon(ui::WindowIcon(QStringLiteral(":/assets/book_icon.svg")));

    memText = new QPlainTextEdit(this);
    memText->setObjectName(QStringLiteral("memText"));
    memText->setReadOnly(true);
    memText->setLineWrapMode(QPlainTextEdit::NoWrap);
    memText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memText->setFont(ui::Font(ui::Face::CourierNew, 13));
    QPalette black = memText->palette();
    black.setColor(QPalette::Text, ui::clBlack);
    memText->setPalette(black);

    // The text box fills the client area and follows the window's size.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memText);

    FormCreate();
}

bool TfrmHelp::ReadGuide(const QString& path, QStringList& result) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) return false;

    QStringDecoder cp1251("windows-1251");
    if (!cp1251.isValid()) return false;
    const QString text = cp1251.decode(bytes);
    result = text.split(QStringLiteral("\r\n"));
    // A final line break ends the last line; it does not start another one.
    if (!result.isEmpty() && result.last().isEmpty()) result.removeLast();
    return true;
}

void TfrmHelp::FormCreate() {
    if (ReadGuide(GuideFileName, lines)) {
        memText->setPlainText(lines.join(QLatin1Char('\n')));
        return;
    }
    lines.clear();
    ui::ErrorBox(this, GuideErrorText);
    // Without a guide the menu command stays off for the rest of the run.
    if (frmMain && frmMain->miHelpText) frmMain->miHelpText->setEnabled(false);
}

void TfrmHelp::ShowGuide() {
    show();
    raise();
    activateWindow();
}
