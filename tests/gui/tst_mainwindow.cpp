// Tests of the main window: layout and zoom, the two control states, cycles, keys and menus.

#include <QtTest>

#include <memory>

#include "GuiTest.h"
#include "Lake.h"
#include "app/Forms.h"
#include "app/Zoom.h"
#include "ui/Widgets.h"

using guitest::OnNextModal;

namespace {

struct Layout {
    QSize client;
    QSize image;
    QSize bevel1;
    int bevel2Left;
    int bevel2Height;
    int buttonsLeft;
};

// The window's layout at each zoom level.
const Layout Levels[4] = {
    {{441, 265}, {265, 200}, {425, 217}, 288, 201, 296},
    {{491, 331}, {315, 266}, {475, 283}, 338, 267, 346},
    {{541, 397}, {365, 332}, {525, 349}, 388, 333, 396},
    {{591, 463}, {415, 398}, {575, 415}, 438, 399, 446},
};

QList<QPushButton*> Commands() {
    return {frmMain->btnOtchet, frmMain->btnMeteo, frmMain->btnSbros,
            frmMain->btnInput,  frmMain->btnGo,    frmMain->btnExit};
}

// Counts how often a window is hidden.
class HideCounter : public QObject {
public:
    int hides = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Hide) ++hides;
        return false;
    }
};

}  // namespace

class tst_MainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startUp();
    void layoutAtEachLevel();
    void zoomBeyondTheEnds();
    void date_data();
    void date();
    void cycleStartsAndEnds_data();
    void cycleStartsAndEnds();
    void shortcutsDuringCycle_data();
    void shortcutsDuringCycle();
    void enterKey();
    void newGameQuestion_data();
    void newGameQuestion();
    void closeBoxDuringCycle();

private:
    void CheckLevel(int level);

    std::unique_ptr<guitest::WorkFolder> folder;
};

void tst_MainWindow::init() {
    folder = std::make_unique<guitest::WorkFolder>("I61");
    CreateForms();
    frmMain->show();
    QVERIFY(QTest::qWaitForWindowExposed(frmMain));
    QVERIFY(guitest::Activate(frmMain));
}

void tst_MainWindow::cleanup() {
    guitest::CancelPendingModals();
    DestroyForms();
    folder.reset();
    QVERIFY2(guitest::VisibleTopLevels().isEmpty(), "a window was left open");
}

void tst_MainWindow::startUp() {
    QCOMPARE(frmMain->windowTitle(), QStringLiteral("Имитационная игра \"ТАРНОВА\""));
    QCOMPARE(frmMain->Client()->size(), QSize(441, 265));
    QVERIFY(!frmMain->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(frmMain->minimumSize(), frmMain->maximumSize());
    QCOMPARE(frmMain->lblDate->text(), QStringLiteral("1"));
    QCOMPARE(frmMain->lblMonth->text(), QStringLiteral("июня"));
    QVERIFY(!frmMain->tmrDays->isActive());
    QCOMPARE(frmMain->tmrDays->interval(), 1500);
    QVERIFY(frmMain->btnOtchet->isDefault());
    for (QPushButton* b : Commands()) QVERIFY(b->isEnabled());
    // The eleven windows exist, with their captions.
    const QList<QPair<QWidget*, QString>> forms{
        {AboutForm, "О программе"},   {OtchetForm, "Отчет"},
        {MeteoForm, "Метеопрогноз"},  {ExitForm, "Выход"},
        {SbrosForm, "Прогноз сброса сточных вод предприятиями"},
        {InputForm, "Ввод данных"},   {NoMoneyForm, "Закончились деньги"},
        {MarkForm, "Оценка действий"}, {frmSetup, "Настройка"},
        {frmHelp, "Руководство пользователя"}};
    for (const auto& [form, caption] : forms) {
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), caption);
    }
    QVERIFY(frmMain->Image1->isValid());
    // Window icons are drawn by the game itself, whatever image plugins are installed.
    for (QWidget* w : {static_cast<QWidget*>(frmMain), static_cast<QWidget*>(AboutForm),
                       static_cast<QWidget*>(frmHelp)}) {
        const QImage icon = w->windowIcon().pixmap(16, 16).toImage();
        QVERIFY2(!icon.isNull() && icon.pixelColor(8, 8).alpha() > 0, qPrintable(w->objectName()));
    }
    // Menu captions with their access letters and shortcuts.
    QCOMPARE(frmMain->miGame->title(), QStringLiteral("&Игра"));
    QCOMPARE(frmMain->miView->title(), QStringLiteral("&Вид"));
    QCOMPARE(frmMain->miHelp->title(), QStringLiteral("&?"));
    QCOMPARE(frmMain->miSetup->text(), QStringLiteral("На&стройка"));
    QCOMPARE(frmMain->miNewGame->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(frmMain->miSetup->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(frmMain->miZoomIn->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
    QCOMPARE(frmMain->miZoomOut->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(frmMain->miHelpText->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    QVERIFY(frmMain->miExit->shortcut().isEmpty());
}

void tst_MainWindow::CheckLevel(int level) {
    const Layout& l = Levels[level];
    const QString at = QStringLiteral("level %1").arg(level);
    QCOMPARE(frmMain->ZoomLevel, level);
    QVERIFY2(frmMain->Client()->size() == l.client, qPrintable(at));
    QVERIFY2(frmMain->Image1->geometry() == QRect(QPoint(16, 48), l.image), qPrintable(at));
    QVERIFY2(frmMain->Bevel1->geometry() == QRect(QPoint(8, 40), l.bevel1), qPrintable(at));
    QVERIFY2(frmMain->Bevel2->geometry() == QRect(l.bevel2Left, 48, 17, l.bevel2Height),
             qPrintable(at));
    const int tops[6] = {48, 80, 112, 144, 176, 224};
    for (int i = 0; i < 6; ++i)
        QVERIFY2(Commands()[i]->geometry() == QRect(l.buttonsLeft, tops[i], 129, 25), qPrintable(at));
    // The date fields and zoom buttons stay at the top left.
    QCOMPARE(frmMain->lblDate->geometry(), QRect(12, 10, 17, 17));
    QCOMPARE(frmMain->lblMonth->geometry(), QRect(48, 8, 49, 23));
    QCOMPARE(frmMain->btnZoomIn->geometry(), QRect(120, 8, 25, 25));
    QCOMPARE(frmMain->btnZoomOut->geometry(), QRect(145, 8, 25, 25));
    QCOMPARE(frmMain->Bevel3->width(), l.client.width());
    // Enabling follows the level.
    QCOMPARE(frmMain->btnZoomIn->isEnabled(), level < 3);
    QCOMPARE(frmMain->miZoomIn->isEnabled(), level < 3);
    QCOMPARE(frmMain->btnZoomOut->isEnabled(), level > 0);
    QCOMPARE(frmMain->miZoomOut->isEnabled(), level > 0);
    QVERIFY(frmMain->isVisible());
}

void tst_MainWindow::layoutAtEachLevel() {
    CheckLevel(0);
    for (int level = 1; level <= 3; ++level) {
        QTest::mouseClick(frmMain->btnZoomIn, Qt::LeftButton);
        CheckLevel(level);
    }
    for (int level = 2; level >= 0; --level) {
        frmMain->btnZoomOutClick();
        CheckLevel(level);
    }
}

void tst_MainWindow::zoomBeyondTheEnds() {
    HideCounter counter;
    frmMain->installEventFilter(&counter);
    Zoom::ZoomOut(*frmMain);
    QCOMPARE(counter.hides, 0);
    CheckLevel(0);
    for (int i = 0; i < 3; ++i) Zoom::ZoomIn(*frmMain);
    QCOMPARE(counter.hides, 3);  // every step hides the window and shows it again
    Zoom::ZoomIn(*frmMain);
    QCOMPARE(counter.hides, 3);
    CheckLevel(3);
    frmMain->removeEventFilter(&counter);
}

void tst_MainWindow::date_data() {
    QTest::addColumn<int>("dayNo");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::newRow("1 June") << 1 << "1" << "июня";
    QTest::newRow("30 June") << 30 << "30" << "июня";
    QTest::newRow("1 July") << 31 << "1" << "июля";
    QTest::newRow("30 July") << 60 << "30" << "июля";
    QTest::newRow("31 July") << 61 << "31" << "июля";
}

void tst_MainWindow::date() {
    QFETCH(int, dayNo);
    QFETCH(QString, day);
    QFETCH(QString, month);
    frmMain->Game.DayNo = dayNo;
    frmMain->ShowDate();
    QCOMPARE(frmMain->lblDate->text(), day);
    QCOMPARE(frmMain->lblMonth->text(), month);
}

void tst_MainWindow::cycleStartsAndEnds_data() {
    QTest::addColumn<bool>("showReport");
    QTest::addColumn<int>("tick");
    QTest::newRow("report on, quarter second days") << true << 1;
    QTest::newRow("report off, three second days") << false << 12;
}

void tst_MainWindow::cycleStartsAndEnds() {
    QFETCH(bool, showReport);
    QFETCH(int, tick);
    frmMain->ShowReport_ = showReport;
    frmMain->TickSetting = tick;
    frmMain->tmrDays->setInterval(tick * 250);
    frmMain->Game.CycleLength = 4;

    QTest::mouseClick(frmMain->btnGo, Qt::LeftButton);
    QVERIFY(frmMain->tmrDays->isActive());
    QCOMPARE(frmMain->tmrDays->interval(), tick * 250);
    QCOMPARE(frmMain->Game.CycleLimit, 4);
    QCOMPARE(frmMain->Game.CycleDay, 0);
    for (QPushButton* b : Commands()) QVERIFY(!b->isEnabled());
    for (QMenu* m : {frmMain->miGame, frmMain->miView, frmMain->miHelp})
        QVERIFY(!m->menuAction()->isEnabled());
    QVERIFY(frmMain->btnZoomIn->isEnabled());

    // Three days pass; the fourth ends the cycle.
    for (int d = 0; d < 3; ++d) frmMain->tmrDaysTimer();
    QCOMPARE(frmMain->lblDate->text(), QStringLiteral("4"));
    QVERIFY(frmMain->tmrDays->isActive());

    bool controlsWhileReport = true;
    auto answered = OnNextModal([&](QWidget* w) {
        QCOMPARE(w, static_cast<QWidget*>(OtchetForm));
        QVERIFY(!frmMain->tmrDays->isActive());
        controlsWhileReport = frmMain->btnGo->isEnabled();
        static_cast<QDialog*>(w)->accept();
    });
    frmMain->tmrDaysTimer();
    QCOMPARE(*answered, showReport);
    if (showReport) QVERIFY2(!controlsWhileReport, "controls came back before the report closed");
    QVERIFY(!frmMain->tmrDays->isActive());
    for (QPushButton* b : Commands()) QVERIFY(b->isEnabled());
    for (QMenu* m : {frmMain->miGame, frmMain->miView, frmMain->miHelp})
        QVERIFY(m->menuAction()->isEnabled());
    QCOMPARE(frmMain->Game.DayNo, 5);
    QCOMPARE(frmMain->lblDate->text(), QStringLiteral("5"));
    if (!showReport) QTest::qWait(50);  // nothing modal may turn up late
}

void tst_MainWindow::shortcutsDuringCycle_data() {
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<bool>("opensModal");  // between cycles
    QTest::newRow("Ctrl+N new game") << QKeySequence("Ctrl+N") << true;
    QTest::newRow("Ctrl+S setup") << QKeySequence("Ctrl+S") << true;
    QTest::newRow("Ctrl+I zoom in") << QKeySequence("Ctrl+I") << false;
    QTest::newRow("Ctrl+O zoom out") << QKeySequence("Ctrl+O") << false;
    QTest::newRow("Ctrl+H guide") << QKeySequence("Ctrl+H") << false;
}

void tst_MainWindow::shortcutsDuringCycle() {
    QFETCH(QKeySequence, key);
    QFETCH(bool, opensModal);
    Zoom::ZoomIn(*frmMain);  // level 1, so that both zoom shortcuts have something to do
    QVERIFY(guitest::Activate(frmMain));

    // Between cycles the shortcut works.
    auto closed = OnNextModal([](QWidget* w) {
        if (auto* d = qobject_cast<QDialog*>(w)) d->done(QDialog::Rejected);
    });
    QTest::keySequence(frmMain, key);
    const int levelAfter = frmMain->ZoomLevel;
    if (opensModal) QVERIFY(*closed);
    if (key == QKeySequence("Ctrl+I")) QCOMPARE(levelAfter, 2);
    if (key == QKeySequence("Ctrl+O")) QCOMPARE(levelAfter, 0);
    if (key == QKeySequence("Ctrl+H")) {
        QTRY_VERIFY(frmHelp->isVisible());
        frmHelp->hide();
    }
    QTest::qWait(30);
    QVERIFY(!guitest::CurrentModal());
    if (levelAfter != 1) (levelAfter == 2 ? Zoom::ZoomOut : Zoom::ZoomIn)(*frmMain);
    QVERIFY(guitest::Activate(frmMain));

    // While a cycle runs it does nothing; the zoom buttons still work.
    const tarnova::GameState before = frmMain->Game;
    frmMain->btnGoClick();
    auto opened = OnNextModal([](QWidget* w) {
        if (auto* d = qobject_cast<QDialog*>(w)) d->done(QDialog::Rejected);
    }, nullptr, 200);
    QTest::keySequence(frmMain, key);
    QTest::qWait(250);
    QVERIFY2(!*opened, "a dialog opened during the cycle");
    QCOMPARE(frmMain->ZoomLevel, 1);
    QVERIFY(!frmHelp->isVisible());
    QCOMPARE(frmMain->Game.DayNo, before.DayNo);
    frmMain->btnZoomIn->click();
    QCOMPARE(frmMain->ZoomLevel, 2);
    frmMain->btnZoomOut->click();
    QCOMPARE(frmMain->ZoomLevel, 1);
    QVERIFY(frmMain->tmrDays->isActive());
    frmMain->tmrDays->stop();
}

void tst_MainWindow::enterKey() {
    // Between cycles Enter opens the report, also when the focus is elsewhere but not on a button.
    auto reported = OnNextModal([](QWidget* w) {
        QCOMPARE(w, static_cast<QWidget*>(OtchetForm));
        static_cast<QDialog*>(w)->accept();
    });
    QTest::keyClick(frmMain, Qt::Key_Return);
    QVERIFY(*reported);

    // With the focus on another button, Enter presses that one.
    frmMain->btnMeteo->setFocus();
    auto forecast = OnNextModal([](QWidget* w) {
        QCOMPARE(w, static_cast<QWidget*>(MeteoForm));
        static_cast<QDialog*>(w)->accept();
    });
    QTest::keyClick(frmMain->btnMeteo, Qt::Key_Enter);
    QVERIFY(*forecast);

    // During a cycle Enter does nothing.
    frmMain->btnGoClick();
    auto none = OnNextModal([](QWidget* w) { static_cast<QDialog*>(w)->accept(); }, nullptr, 200);
    QTest::keyClick(frmMain, Qt::Key_Return);
    QTest::qWait(250);
    QVERIFY(!*none);
    frmMain->tmrDays->stop();
}

void tst_MainWindow::newGameQuestion_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("restarted");
    QTest::newRow("Нет changes nothing") << "Нет" << false;
    QTest::newRow("Да starts a new game") << "Да" << true;
}

void tst_MainWindow::newGameQuestion() {
    QFETCH(QString, answer);
    QFETCH(bool, restarted);
    tarnova::ApplyDecisions(frmMain->Game, {100, 200, 3, 4, 7});
    for (int d = 0; d < 5; ++d) tarnova::DayStep(frmMain->Game, *frmMain);
    const tarnova::GameState before = frmMain->Game;

    QString text, caption;
    bool hasIcon = false;
    auto answered = OnNextModal([&](QWidget* box) {
        text = box->findChild<QLabel*>("text")->text();
        caption = box->windowTitle();
        hasIcon = box->findChild<QLabel*>("icon") != nullptr;
        // Esc does not answer the question.
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(box->isVisible());
        box->findChild<QPushButton*>(answer)->click();
    });
    frmMain->miNewGameClick();
    QVERIFY(*answered);
    QCOMPARE(text, QStringLiteral("Начать заново?"));
    QCOMPARE(caption, QStringLiteral("Новая игра"));
    QVERIFY(hasIcon);
    const tarnova::GameState& g = frmMain->Game;
    if (restarted) {
        QCOMPARE(g.DayNo, 1);
        QCOMPARE(g.CycleLength, 3);
        QCOMPARE(frmMain->lblDate->text(), QStringLiteral("1"));
    } else {
        QCOMPARE(g.DayNo, before.DayNo);
        QCOMPARE(g.MoneyGrn, before.MoneyGrn);
        QCOMPARE(g.MoneyKop, before.MoneyKop);
        QCOMPARE(g.CycleLength, 7);
        QCOMPARE(g.PumpIn, 200);
        QCOMPARE(g.WaterLevel, before.WaterLevel);
        QCOMPARE(g.Zones[1].Organic, before.Zones[1].Organic);
        QCOMPARE(frmMain->lblDate->text(), QStringLiteral("6"));
    }
}

void tst_MainWindow::closeBoxDuringCycle() {
    // The close box ends the program without confirmation, also during a cycle, and saves.
    Zoom::ZoomIn(*frmMain);
    frmMain->btnGoClick();
    QVERIFY(frmMain->close());
    QVERIFY(!frmMain->isVisible());
    QCOMPARE(folder->Read("tarnova.ini"), QByteArray("J61"));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
