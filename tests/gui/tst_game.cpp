// Whole games played through the real windows, every modal window answered as a player would.

#include <QtTest>

#include <QLineEdit>
#include <QTextEdit>

#include <memory>

#include "GuiTest.h"
#include "app/Forms.h"

namespace {

// Answers every modal window as it opens and writes down which one it was.
class ModalLog : public QObject {
public:
    QStringList seen;        // object names, in order
    QStringList reportDates; // the report's date each time it opened
    QString grade;           // the grade form's verdict
    QStringList gradeLines;
    bool mainDateMatchedReport = true;

    ModalLog() {
        connect(&timer, &QTimer::timeout, this, [this] { Poll(); });
        timer.start(2);
    }

private:
    void Poll() {
        QWidget* w = guitest::CurrentModal();
        if (!w || w == handled) return;
        handled = w;
        seen << w->objectName();
        if (w == OtchetForm) {
            const QString date = OtchetForm->findChild<QLabel*>("Label5")->text();
            reportDates << date;
            const QString shown = frmMain->lblDate->text() + " " + frmMain->lblMonth->text();
            if (shown != date) mainDateMatchedReport = false;
            OtchetForm->findChild<QPushButton*>("btnOk")->click();
        } else if (w == NoMoneyForm) {
            QTest::keyClick(w, Qt::Key_Return);
        } else if (w == MarkForm) {
            grade = MarkForm->Label1->text();
            gradeLines = MarkForm->Memo1->toPlainText().split('\n');
            MarkForm->btnNewGame->click();
        } else if (w == InputForm) {
            const QStringList values{"5000", "5000", "10", "10", "10"};
            QLineEdit* edits[5] = {InputForm->Edit1, InputForm->Edit2, InputForm->Edit3,
                                   InputForm->Edit4, InputForm->Edit5};
            for (int i = 0; i < 5; ++i) edits[i]->setText(values[i]);
            QTest::keyClick(InputForm->Edit5, Qt::Key_Return);
        }
        QTimer::singleShot(0, this, [this] { handled = nullptr; });
    }

    QTimer timer;
    QWidget* handled = nullptr;
};

}  // namespace

class tst_Game : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void wholeGame_data();
    void wholeGame();
};

void tst_Game::cleanup() {
    guitest::CancelPendingModals();
    DestroyForms();
    QVERIFY2(guitest::VisibleTopLevels().isEmpty(), "a window was left open");
}

void tst_Game::wholeGame_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("largest");  // the largest decisions instead of the defaults
    QTest::addColumn<QStringList>("lastCycle");  // the modal windows of the game's last cycle
    QTest::addColumn<QString>("finalDate");
    QTest::addColumn<QString>("grade");
    const QStringList end{"OtchetForm", "MarkForm"};
    QTest::newRow("defaults, report on") << QByteArray("I11") << false << end << "16 июля"
                                         << "Оценка: 2";
    QTest::newRow("defaults, report off") << QByteArray("I10") << false << end << "16 июля"
                                          << "Оценка: 2";
    const QStringList noMoney{"OtchetForm", "NoMoneyForm", "OtchetForm", "MarkForm"};
    QTest::newRow("largest, report on") << QByteArray("I11") << true << noMoney << "31 июля"
                                        << "Оценка: 3";
    QTest::newRow("largest, report off") << QByteArray("I10") << true << noMoney << "31 июля"
                                         << "Оценка: 3";
}

void tst_Game::wholeGame() {
    QFETCH(QByteArray, settings);
    QFETCH(bool, largest);
    QFETCH(QStringList, lastCycle);
    QFETCH(QString, finalDate);
    QFETCH(QString, grade);
    guitest::WorkFolder folder(settings);
    CreateForms();
    frmMain->show();
    QVERIFY(QTest::qWaitForWindowExposed(frmMain));
    const bool reportOn = frmMain->ShowReport_;
    frmMain->tmrDays->setInterval(1);  // a fast day; the game is the same

    ModalLog log;
    if (largest) {
        QTest::mouseClick(frmMain->btnInput, Qt::LeftButton);
        QCOMPARE(log.seen, QStringList{"InputForm"});
        QCOMPARE(frmMain->Game.CycleLength, 10);
        log.seen.clear();
    }

    int cycles = 0;
    QStringList cycleModals;
    while (log.grade.isEmpty() && cycles < 30) {
        QTRY_VERIFY_WITH_TIMEOUT(frmMain->btnGo->isEnabled() || !log.grade.isEmpty(), 10000);
        if (!log.grade.isEmpty()) break;
        log.seen.clear();
        QTest::mouseClick(frmMain->btnGo, Qt::LeftButton);
        ++cycles;
        // The cycle runs until the controls come back.
        QTRY_VERIFY_WITH_TIMEOUT(frmMain->btnGo->isEnabled(), 10000);
        cycleModals = log.seen;
        if (log.grade.isEmpty())  // an ordinary end of cycle
            QCOMPARE(cycleModals, reportOn ? QStringList{"OtchetForm"} : QStringList{});
    }
    QCOMPARE(cycles, largest ? 4 : 16);  // the money runs out in the fourth 10-day cycle
    QCOMPARE(cycleModals, lastCycle);
    QCOMPARE(log.reportDates.last(), finalDate);
    QVERIFY2(log.mainDateMatchedReport, "the main window showed another day than the report");
    QCOMPARE(log.grade, grade);
    QCOMPARE(log.gradeLines.size(), 4);

    // The grade started a new game on 1 June, between cycles, with "ОТЧЕТ" focused.
    QCOMPARE(frmMain->Game.DayNo, 1);
    QCOMPARE(frmMain->Game.PenaltyPoints, 0);
    QCOMPARE(frmMain->Game.MoneyGrn, 300);
    QCOMPARE(frmMain->lblDate->text(), QStringLiteral("1"));
    QCOMPARE(frmMain->lblMonth->text(), QStringLiteral("июня"));
    QVERIFY(!frmMain->tmrDays->isActive());
    QVERIFY(frmMain->btnGo->isEnabled());
    QCOMPARE(frmMain->focusWidget(), static_cast<QWidget*>(frmMain->btnOtchet));
    // Enter now opens the report of the new game.
    log.seen.clear();
    QTest::keyClick(frmMain, Qt::Key_Return);
    QCOMPARE(log.seen, QStringList{"OtchetForm"});
    QCOMPARE(log.reportDates.last(), QStringLiteral("1 июня"));
}

QTEST_MAIN(tst_Game)
#include "tst_game.moc"
