// Every text of every window fits its control, in a face that has all its letters.

#include <QtTest>

#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <memory>

#include "GuiTest.h"
#include "app/Forms.h"
#include "ui/Fonts.h"

namespace {

QList<QWidget*> Windows() {
    return {frmMain,   AboutForm,   OtchetForm, MeteoForm, ExitForm, SbrosForm,
            InputForm, NoMoneyForm, MarkForm,   frmSetup,  frmHelp};
}

// The letters of `text` that the control's own font cannot draw.
QString MissingLetters(const QWidget* w, const QString& text) {
    const QFontMetrics fm(w->font());
    QString missing;
    for (QChar c : text)
        if (!c.isSpace() && c != QLatin1Char('&') && !fm.inFont(c)) missing += c;
    return missing;
}

// Whether the letters' ink of a one-line label lies inside its height, placed as the label's
// vertical alignment places the line.
bool InkFitsHeight(const QLabel* label, const QString& text) {
    const QFontMetrics fm(label->font());
    const QRect room = label->contentsRect();
    const int line = fm.ascent() + fm.descent();
    int top = room.top() + (room.height() - line) / 2;
    if (label->alignment() & Qt::AlignTop) top = room.top();
    if (label->alignment() & Qt::AlignBottom) top = room.bottom() + 1 - line;
    const QRect ink = fm.tightBoundingRect(text).translated(0, top + fm.ascent());
    return ink.top() >= 0 && ink.bottom() < label->height();
}

QString Where(const QWidget* form, const QWidget* w, const QString& text) {
    return QStringLiteral("%1/%2 \"%3\"").arg(form->objectName(), w->objectName(), text);
}

}  // namespace

class tst_Layout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void faces_data();
    void faces();
    void textsFit_data();
    void textsFit();

private:
    std::unique_ptr<guitest::WorkFolder> folder;
};

void tst_Layout::initTestCase() {
    folder = std::make_unique<guitest::WorkFolder>("I61");
    CreateForms();
    // Fill the windows whose texts are written when they open, as a game would show them.
    tarnova::GameState& g = frmMain->Game;
    g.DayNo = 45;
    g.MoneyGrn = -123;
    g.MoneyKop = 75;
    g.Zones[2].Inorganic = 12345.6f;
    auto shown = [](const std::function<void()>& open) {
        auto answered = guitest::OnNextModal([](QWidget* w) {
            if (auto* d = qobject_cast<QDialog*>(w)) d->done(QDialog::Rejected);
        });
        open();
        return *answered;
    };
    QVERIFY(shown([&] { OtchetForm->ShowReport(g, *frmMain); }));
    QVERIFY(shown([] { MeteoForm->ShowForecast(4); }));
    QVERIFY(shown([] { SbrosForm->ShowForecast(4); }));
    QVERIFY(shown([&] { InputForm->Execute(g); }));
    QVERIFY(shown([] { MarkForm->ShowGrade(12); }));
}

void tst_Layout::cleanupTestCase() {
    guitest::CancelPendingModals();
    DestroyForms();
    folder.reset();
}

void tst_Layout::faces_data() {
    QTest::addColumn<int>("face");
    QTest::newRow("Impact") << int(ui::Face::Impact);
    QTest::newRow("Arial") << int(ui::Face::Arial);
    QTest::newRow("Arial Black") << int(ui::Face::ArialBlack);
    QTest::newRow("MS Sans Serif") << int(ui::Face::MsSansSerif);
    QTest::newRow("Courier New") << int(ui::Face::CourierNew);
}

void tst_Layout::faces() {
    QFETCH(int, face);
    const QFont f = ui::Font(ui::Face(face), 16);
    const QFontInfo info(f);
    QVERIFY2(info.family() == ui::FamilyFor(ui::Face(face)),
             qPrintable(QStringLiteral("%1 is not installed; Qt chose %2")
                            .arg(ui::FamilyFor(ui::Face(face)), info.family())));
    const QFontMetrics fm(f);
    const QString alphabet = QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя");
    for (QChar c : alphabet) QVERIFY2(fm.inFont(c), qPrintable(QString(c)));
    if (ui::Face(face) == ui::Face::CourierNew) QVERIFY(info.fixedPitch());
}

void tst_Layout::textsFit_data() {
    QTest::addColumn<int>("window");
    for (int i = 0; i < 11; ++i) QTest::addRow("window %d", i + 1) << i;
}

void tst_Layout::textsFit() {
    QFETCH(int, window);
    QWidget* form = Windows()[window];
    QVERIFY(form);
    // Polished as on the screen, without running a modal loop.
    form->ensurePolished();
    for (QWidget* w : form->findChildren<QWidget*>()) w->ensurePolished();

    int checked = 0;
    for (auto* label : form->findChildren<QLabel*>()) {
        const QString text = label->text();
        if (text.isEmpty() || label->textFormat() == Qt::RichText || !label->isVisibleTo(form))
            continue;
        ++checked;
        const QString where = Where(form, label, text);
        QVERIFY2(MissingLetters(label, text).isEmpty(),
                 qPrintable(where + " lacks " + MissingLetters(label, text)));
        const QRect room = label->contentsRect();
        const QFontMetrics fm(label->font());
        if (label->wordWrap()) {
            QVERIFY2(label->heightForWidth(room.width()) <= room.height() + 1, qPrintable(where));
        } else {
            QVERIFY2(fm.horizontalAdvance(text) <= room.width(), qPrintable(where));
            QVERIFY2(InkFitsHeight(label, text), qPrintable(where));
        }
    }
    for (auto* b : form->findChildren<QAbstractButton*>()) {
        const QString text = b->text().remove(QLatin1Char('&'));
        if (text.isEmpty() || !b->isVisibleTo(form)) continue;
        ++checked;
        const QString where = Where(form, b, text);
        QVERIFY2(MissingLetters(b, text).isEmpty(), qPrintable(where + " lacks " + MissingLetters(b, text)));
        const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
        const int indicator = qobject_cast<QCheckBox*>(b) ? 20 : 0;
        QVERIFY2(QFontMetrics(b->font()).horizontalAdvance(text) + icon + indicator + 6 <= b->width(),
                 qPrintable(where));
    }
    QVERIFY2(checked > 0 || form == frmHelp, "no texts found");
}

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
