// Window tests of the grade and money notices, the guide viewer, the About box and the exit box.

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <functional>

#include "GuiTest.h"
#include "app/Forms.h"
#include "ui/Widgets.h"

namespace {

// The game's eleven windows, made in a working folder of their own and destroyed at the end.
struct Windows {
    guitest::WorkFolder folder;
    explicit Windows(bool guide = true) : folder("I61", guide) {}
    ~Windows() { DestroyForms(); }
    void Create() { CreateForms(); }
};

// Closes every modal window that shows up while it lives and keeps their texts, so that a box
// nobody expects fails the test instead of hanging it.
class UnexpectedBoxes {
public:
    UnexpectedBoxes() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* w = guitest::CurrentModal()) {
                auto* text = w->findChild<QLabel*>(QStringLiteral("text"));
                seen << (text ? text->text() : w->windowTitle());
                w->close();
            }
        });
        timer.start(10);
    }
    QStringList seen;

private:
    QTimer timer;
};

// The lines of the grade memo, as the player reads them.
QStringList MemoLines(const QTextEdit* memo) {
    QStringList lines;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) lines << b.text();
    return lines;
}

bool AllCentred(const QTextEdit* memo) {
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        if (!(b.blockFormat().alignment() & Qt::AlignHCenter)) return false;
    return true;
}

// Text in code page 1251, written out byte by byte.
QByteArray Cp1251(const char* bytes) { return QByteArray(bytes); }

// The guide file's lines: split at CR LF; a final CR LF ends the last line.
QStringList GuideLines(const QString& text) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

class TestNotices : public QObject {
    Q_OBJECT

private slots:
    // An answer left waiting for a window that never came must not act in a later test.
    void cleanup() { guitest::CancelPendingModals(); }

    // Grade form
    void gradeBands_data();
    void gradeBands();
    void gradeShowsOnlyTheLastGame();
    void gradeClosesEveryWayAlike_data();
    void gradeClosesEveryWayAlike();
    void gameEndLeadsToNewGame_data();
    void gameEndLeadsToNewGame();

    // Money notice
    void noMoneyNotice();

    // Guide viewer
    void guideFileIsCp1251WithCrLf();
    void guideLinesDecoded_data();
    void guideLinesDecoded();
    void guideFailure_data();
    void guideFailure();
    void guideLongLineUnwrapped();
    void guideViewerIsNonModalAndLoadedOnce();

    // About box and exit confirmation
    void aboutBox();
    void exitConfirmation_data();
    void exitConfirmation();
};

// ---------------------------------------------------------------------------------------------
// Grade form

void TestNotices::gradeBands_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("label");

    const QString task = QStringLiteral("с задачей обеспечения качества");
    const QString july = QStringLiteral("воды в течении июля.");
    QTest::newRow("0 points: grade 5")
        << 0
        << QStringList{QStringLiteral("Вы отлично справились"), task, july,
                       QStringLiteral("У Вас нет штрафных баллов.")}
        << QStringLiteral("Оценка: 5");
    QTest::newRow("1 point: grade 4")
        << 1
        << QStringList{QStringLiteral("Вы успешно справились"), task, july,
                       QStringLiteral("Количество штрафных баллов - 1")}
        << QStringLiteral("Оценка: 4");
    QTest::newRow("10 points: grade 4")
        << 10
        << QStringList{QStringLiteral("Вы успешно справились"), task, july,
                       QStringLiteral("Количество штрафных баллов - 10")}
        << QStringLiteral("Оценка: 4");
    QTest::newRow("11 points: grade 3")
        << 11
        << QStringList{QStringLiteral("Вы неплохо справились"), task, july,
                       QStringLiteral("Количество штрафных баллов - 11")}
        << QStringLiteral("Оценка: 3");
    QTest::newRow("15 points: grade 3")
        << 15
        << QStringList{QStringLiteral("Вы неплохо справились"), task, july,
                       QStringLiteral("Количество штрафных баллов - 15")}
        << QStringLiteral("Оценка: 3");
    QTest::newRow("16 points: grade 2, no number")
        << 16
        << QStringList{QStringLiteral("Вы не справились с задачей"),
                       QStringLiteral("обеспечения качества воды в течении"),
                       QStringLiteral("июля. Вы отстраняетесь от"),
                       QStringLiteral("должности диспетчера.")}
        << QStringLiteral("Оценка: 2");
}

void TestNotices::gradeBands() {
    QFETCH(int, points);
    QFETCH(QStringList, lines);
    QFETCH(QString, label);
    Windows w;
    w.Create();

    QWidget* shown = nullptr;
    QStringList shownLines;
    QString shownLabel;
    bool centred = false;
    auto answered = guitest::OnNextModal([&](QWidget* modal) {
        shown = modal;
        shownLines = MemoLines(MarkForm->Memo1);
        centred = AllCentred(MarkForm->Memo1);
        shownLabel = MarkForm->Label1->text();
        MarkForm->btnNewGame->click();
    });
    MarkForm->ShowGrade(points);

    QVERIFY(*answered);
    QCOMPARE(shown, static_cast<QWidget*>(MarkForm));
    QCOMPARE(shownLines, lines);
    QVERIFY(centred);
    QCOMPARE(shownLabel, label);
    QVERIFY(!MarkForm->isVisible());
    // Showing the grade does not touch the game: the model starts the next one.
    QCOMPARE(frmMain->Game.DayNo, 1);
}

void TestNotices::gradeShowsOnlyTheLastGame() {
    Windows w;
    w.Create();
    QStringList second;
    guitest::OnNextModal([](QWidget*) { MarkForm->btnNewGame->click(); });
    MarkForm->ShowGrade(16);
    auto answered = guitest::OnNextModal([&](QWidget*) {
        second = MemoLines(MarkForm->Memo1);
        MarkForm->btnNewGame->click();
    });
    MarkForm->ShowGrade(7);

    QVERIFY(*answered);
    QCOMPARE(second, (QStringList{QStringLiteral("Вы успешно справились"),
                                  QStringLiteral("с задачей обеспечения качества"),
                                  QStringLiteral("воды в течении июля."),
                                  QStringLiteral("Количество штрафных баллов - 7")}));
    QCOMPARE(MarkForm->Label1->text(), QStringLiteral("Оценка: 4"));
}

void TestNotices::gradeClosesEveryWayAlike_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("click on Новая игра") << QStringLiteral("click");
    QTest::newRow("Enter on Новая игра") << QStringLiteral("enter");
    QTest::newRow("space on Новая игра") << QStringLiteral("space");
    QTest::newRow("Enter with the caret in the memo") << QStringLiteral("enter in memo");
    QTest::newRow("close box") << QStringLiteral("close box");
}

void TestNotices::gradeClosesEveryWayAlike() {
    QFETCH(QString, way);
    Windows w;
    w.Create();

    QWidget* focusAtOpen = nullptr;
    bool active = false, openAfterEsc = false;
    auto answered = guitest::OnNextModal([&](QWidget* modal) {
        active = QTest::qWaitForWindowActive(modal);
        focusAtOpen = modal->focusWidget();
        // Esc is not a way out of the grade: the form has no cancel button.
        QTest::keyClick(modal, Qt::Key_Escape);
        openAfterEsc = modal->isVisible();
        if (way == QLatin1String("click")) {
            MarkForm->btnNewGame->click();
        } else if (way == QLatin1String("enter")) {
            QTest::keyClick(MarkForm->btnNewGame, Qt::Key_Return);
        } else if (way == QLatin1String("space")) {
            QTest::keyClick(MarkForm->btnNewGame, Qt::Key_Space);
        } else if (way == QLatin1String("enter in memo")) {
            MarkForm->Memo1->setFocus();
            QTest::keyClick(MarkForm->Memo1, Qt::Key_Return);
        } else {
            modal->close();
        }
    });
    MarkForm->ShowGrade(3);

    QVERIFY(*answered);
    QVERIFY(active);
    QCOMPARE(focusAtOpen, static_cast<QWidget*>(MarkForm->btnNewGame));
    QVERIFY(openAfterEsc);
    QVERIFY(!MarkForm->isVisible());
    QCOMPARE(MarkForm->result(), int(QDialog::Accepted));
}

void TestNotices::gameEndLeadsToNewGame_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Новая игра") << false;
    QTest::newRow("close box") << true;
}

void TestNotices::gameEndLeadsToNewGame() {
    QFETCH(bool, closeBox);
    Windows w;
    w.Create();
    frmMain->ShowReport_ = false;
    frmMain->show();
    QVERIFY(QTest::qWaitForWindowActive(frmMain));
    frmMain->btnGo->setFocus();
    frmMain->Game.DayNo = 60;  // 30 July: its day step brings the final date
    frmMain->Game.Decade = 5;
    frmMain->Game.PenaltyPoints = 4;

    // The final report comes first, then the grade, with the finished game still in place. The
    // answers keep their state by value: one left waiting must not outlive this test's frame.
    struct Seen {
        bool graded = false;
        int dayAtGrade = 0;
    };
    auto seen = std::make_shared<Seen>();
    auto answer = std::make_shared<std::function<void(QWidget*)>>();
    *answer = [seen, closeBox, weak = std::weak_ptr(answer)](QWidget* modal) {
        if (modal != MarkForm) {
            modal->close();
            if (auto next = weak.lock()) guitest::OnNextModal(*next);
            return;
        }
        seen->graded = true;
        seen->dayAtGrade = frmMain->Game.DayNo;
        if (closeBox)
            modal->close();
        else
            MarkForm->btnNewGame->click();
    };
    guitest::OnNextModal(*answer);
    frmMain->tmrDaysTimer();
    const bool graded = seen->graded;
    const int dayAtGrade = seen->dayAtGrade;

    QVERIFY(graded);
    QCOMPARE(dayAtGrade, 61);
    QCOMPARE(frmMain->Game.DayNo, 1);
    QCOMPARE(frmMain->Game.PenaltyPoints, 0);
    QCOMPARE(frmMain->Game.MoneyGrn, 300);
    QCOMPARE(frmMain->lblDate->text(), QStringLiteral("1"));
    QCOMPARE(frmMain->focusWidget(), static_cast<QWidget*>(frmMain->btnOtchet));
}

// ---------------------------------------------------------------------------------------------
// Money notice

void TestNotices::noMoneyNotice() {
    Windows w;
    w.Create();
    auto* ok = NoMoneyForm->findChild<QPushButton*>(QStringLiteral("btnOk"));
    QVERIFY(ok);
    QVERIFY(ok->isDefault());
    QVERIFY(NoMoneyForm->Image1->isValid());

    // Enter closes it wherever the keyboard is.
    bool shown = false;
    auto answered = guitest::OnNextModal([&](QWidget* modal) {
        shown = modal == NoMoneyForm;
        QTest::keyClick(modal, Qt::Key_Return);
    });
    NoMoneyForm->ShowModal();
    QVERIFY(*answered);
    QVERIFY(shown);
    QVERIFY(!NoMoneyForm->isVisible());

    // Both texts fit their word-wrapped labels.
    for (QLabel* l : {NoMoneyForm->Label1, NoMoneyForm->Label2})
        QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->text()));
}

// ---------------------------------------------------------------------------------------------
// Guide viewer

void TestNotices::guideFileIsCp1251WithCrLf() {
    QFile file(QStringLiteral(TARNOVA_GUIDE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.isEmpty());

    // Lines end in CR LF and nowhere else; no control bytes but tabs; no byte that code page
    // 1251 leaves undefined.
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar c = uchar(bytes[i]);
        if (c == '\r') QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', "lone CR");
        if (c == '\n') QVERIFY2(i > 0 && bytes[i - 1] == '\r', "lone LF");
        if (c < 0x20) QVERIFY2(c == '\r' || c == '\n' || c == '\t', "control byte");
        QVERIFY2(c != 0x98, "byte 0x98 is undefined in code page 1251");
    }
    QVERIFY(bytes.endsWith("\r\n"));

    QStringDecoder cp1251("windows-1251");
    QVERIFY(cp1251.isValid());
    const QString text = cp1251.decode(bytes);
    QVERIFY(!cp1251.hasError());
    const QStringList lines = GuideLines(text);
    QCOMPARE(lines.size(), bytes.count("\r\n"));
    QVERIFY(text.contains(QStringLiteral("Руководство пользователя")));

    // The viewer shows the file line for line.
    Windows w;
    w.Create();
    QVERIFY(frmMain->miHelpText->isEnabled());
    QCOMPARE(frmHelp->memText->blockCount(), lines.size());
    int n = 0;
    for (QTextBlock b = frmHelp->memText->document()->begin(); b.isValid(); b = b.next(), ++n)
        QCOMPARE(b.text(), lines[n]);
}

void TestNotices::guideLinesDecoded_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("Cyrillic letters")
        << Cp1251("\xcf\xf0\xe8\xe2\xe5\xf2, \xec\xe8\xf0!\r\n\xa8\xb8 \xb9 7 \xd0\xd3\xc1\xcb\xdf\r\n")
        << QStringList{QStringLiteral("Привет, мир!"), QStringLiteral("Ёё № 7 РУБЛЯ")};
    QTest::newRow("blank lines and aligned columns")
        << Cp1251("a\r\n\r\n   1.  b     9. c\r\n  10.  d    11. e\r\n")
        << QStringList{QStringLiteral("a"), QString(), QStringLiteral("   1.  b     9. c"),
                       QStringLiteral("  10.  d    11. e")};
    QTest::newRow("no line break after the last line")
        << Cp1251("one\r\ntwo") << QStringList{QStringLiteral("one"), QStringLiteral("two")};
    QTest::newRow("empty file") << QByteArray("") << QStringList{};
}

void TestNotices::guideLinesDecoded() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    Windows w(false);
    w.folder.Write(QStringLiteral("tarnova.txt"), bytes);
    UnexpectedBoxes boxes;
    w.Create();
    QCoreApplication::processEvents();

    QCOMPARE(boxes.seen, QStringList{});
    QVERIFY(frmMain->miHelpText->isEnabled());
    QCOMPARE(frmHelp->memText->toPlainText(), lines.join(QLatin1Char('\n')));
    QCOMPARE(frmHelp->memText->blockCount(), qMax<qsizetype>(1, lines.size()));
}

void TestNotices::guideFailure_data() {
    QTest::addColumn<bool>("folderInItsPlace");
    QTest::newRow("file missing") << false;
    QTest::newRow("a folder named tarnova.txt") << true;
}

void TestNotices::guideFailure() {
    QFETCH(bool, folderInItsPlace);
    Windows w(false);
    if (folderInItsPlace) QVERIFY(QDir(w.folder.path()).mkdir(QStringLiteral("tarnova.txt")));

    QString caption, text;
    bool menuStillOn = true;
    auto answered = guitest::OnNextModal([&](QWidget* box) {
        caption = box->windowTitle();
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("text"))) text = label->text();
        // The box comes while the windows are being made, before the item is switched off.
        menuStillOn = frmMain && frmMain->miHelpText->isEnabled();
        if (auto* ok = box->findChild<QPushButton*>(QStringLiteral("OK"))) ok->click();
    });
    w.Create();

    QVERIFY(*answered);
    QCOMPARE(caption, QStringLiteral("Ошибка"));
    QCOMPARE(text, QStringLiteral("Ошибка при открытии файла \"tarnova.txt\". Справка не доступна."));
    QVERIFY(menuStillOn);
    QVERIFY(!frmMain->miHelpText->isEnabled());
    QVERIFY(frmHelp->memText->toPlainText().isEmpty());

    // Ctrl+H does nothing, and the end of a cycle does not switch the item back on.
    frmMain->show();
    QVERIFY(QTest::qWaitForWindowActive(frmMain));
    QTest::keyClick(frmMain, Qt::Key_H, Qt::ControlModifier);
    QVERIFY(!frmHelp->isVisible());
    frmMain->ShowReport_ = false;
    frmMain->EndCycle();
    QVERIFY(!frmMain->miHelpText->isEnabled());
}

void TestNotices::guideLongLineUnwrapped() {
    Windows w(false);
    const QByteArray longLine(300, '\xc6');  // 300 times "Ж"
    w.folder.Write(QStringLiteral("tarnova.txt"), "top\r\n" + longLine + "\r\nend\r\n");
    w.Create();
    frmHelp->ShowGuide();
    QVERIFY(QTest::qWaitForWindowExposed(frmHelp));

    QPlainTextEdit* memo = frmHelp->memText;
    QCOMPARE(memo->blockCount(), 3);
    const QTextBlock block = memo->document()->findBlockByNumber(1);
    QCOMPARE(block.text(), QString(300, QChar(0x0416)));
    QVERIFY(memo->fontMetrics().horizontalAdvance(block.text()) > memo->viewport()->width());
    QCOMPARE(block.layout()->lineCount(), 1);
    QVERIFY(memo->horizontalScrollBar()->isVisible());
    QVERIFY(memo->horizontalScrollBar()->maximum() > 0);
}

void TestNotices::guideViewerIsNonModalAndLoadedOnce() {
    Windows w;
    w.Create();
    const QString text = frmHelp->memText->toPlainText();
    QVERIFY(!text.isEmpty());

    // Ctrl+H in the main window opens the viewer beside it, without modality.
    frmMain->show();
    QVERIFY(QTest::qWaitForWindowActive(frmMain));
    QTest::keyClick(frmMain, Qt::Key_H, Qt::ControlModifier);
    QVERIFY(frmHelp->isVisible());
    QCOMPARE(frmHelp->memText->size(), QSize(528, 288));
    QVERIFY(!frmHelp->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(QFontInfo(frmHelp->memText->font()).fixedPitch());

    // The text cannot be edited.
    QTest::keyClicks(frmHelp->memText, QStringLiteral("abc"));
    QTest::keyClick(frmHelp->memText, Qt::Key_Delete);
    QCOMPARE(frmHelp->memText->toPlainText(), text);

    // The text box follows the window's size.
    frmHelp->resize(700, 400);
    QCOMPARE(frmHelp->memText->size(), QSize(700, 400));

    // Closing only hides it; a changed file is not read again.
    frmHelp->close();
    QVERIFY(!frmHelp->isVisible());
    w.folder.Write(QStringLiteral("tarnova.txt"), "changed\r\n");
    frmHelp->ShowGuide();
    QVERIFY(frmHelp->isVisible());
    QCOMPARE(frmHelp->memText->toPlainText(), text);
}

// ---------------------------------------------------------------------------------------------
// About box and exit confirmation

void TestNotices::aboutBox() {
    Windows w;
    w.Create();
    QString label;
    bool active = false, overPicture = false, fits = false;
    QWidget* focus = nullptr;
    auto answered = guitest::OnNextModal([&](QWidget* modal) {
        active = QTest::qWaitForWindowActive(modal);
        label = AboutForm->Label1->text();
        overPicture = AboutForm->Image2->geometry().contains(AboutForm->Label1->geometry()) &&
                      AboutForm->Label1->parentWidget() == AboutForm->Image2->parentWidget();
        fits = AboutForm->Label1->sizeHint().width() <= AboutForm->Label1->width();
        focus = modal->focusWidget();
        guitest::Key(modal, Qt::Key_Return);
    });
    frmMain->miAbout->trigger();

    QVERIFY(*answered);
    QVERIFY(active);
    QCOMPARE(label, QStringLiteral("Версия 2.2 для Windows"));
    QVERIFY(overPicture);
    QVERIFY(fits);
    QVERIFY(AboutForm->Image2->isValid());
    QCOMPARE(focus, static_cast<QWidget*>(AboutForm->btnOK));
    QVERIFY(!AboutForm->isVisible());
}

void TestNotices::exitConfirmation_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("quits");
    QTest::newRow("Esc") << QStringLiteral("esc") << false;
    QTest::newRow("click on Отмена") << QStringLiteral("cancel") << false;
    QTest::newRow("Enter on Отмена") << QStringLiteral("enter on cancel") << false;
    QTest::newRow("space on Отмена") << QStringLiteral("space on cancel") << false;
    QTest::newRow("click on OK") << QStringLiteral("ok") << true;
    QTest::newRow("Enter on the first focus") << QStringLiteral("enter") << true;
}

void TestNotices::exitConfirmation() {
    QFETCH(QString, way);
    QFETCH(bool, quits);
    Windows w;
    w.Create();
    frmMain->show();
    QVERIFY(QTest::qWaitForWindowExposed(frmMain));
    // A zoom level other than the file's, so that the file tells whether the window was closed.
    frmMain->ZoomLevel = 1;

    QWidget* focusAtOpen = nullptr;
    bool active = false;
    QString question;
    auto answered = guitest::OnNextModal([&](QWidget* modal) {
        active = QTest::qWaitForWindowActive(modal);
        focusAtOpen = modal->focusWidget();
        question = ExitForm->Label1->text();
        if (way == QLatin1String("esc")) {
            guitest::Key(modal, Qt::Key_Escape);
        } else if (way == QLatin1String("cancel")) {
            ExitForm->btnCancel->click();
        } else if (way == QLatin1String("enter on cancel")) {
            ExitForm->btnCancel->setFocus();
            guitest::Key(modal, Qt::Key_Return);
        } else if (way == QLatin1String("space on cancel")) {
            ExitForm->btnCancel->setFocus();
            guitest::Key(modal, Qt::Key_Space);
        } else if (way == QLatin1String("ok")) {
            ExitForm->btnOk->click();
        } else {
            guitest::Key(modal, Qt::Key_Return);
        }
    });
    frmMain->btnExit->click();

    QVERIFY(*answered);
    QVERIFY(active);
    QCOMPARE(question, QStringLiteral("Выйти из игры?"));
    QCOMPARE(focusAtOpen, static_cast<QWidget*>(ExitForm->btnOk));
    QVERIFY(!ExitForm->isVisible());
    QCOMPARE(frmMain->isVisible(), !quits);
    // Closing the main window saved the zoom level; going back to the game saved nothing.
    QCOMPARE(w.folder.Read(QStringLiteral("tarnova.ini")), quits ? QByteArray("J61") : QByteArray("I61"));
}

QTEST_MAIN(TestNotices)
#include "tst_notices.moc"
