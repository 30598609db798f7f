// Tests of the decision dialog "Ввод данных": loading the decisions, the OK check with its two
// kinds of refusal, the keys that accept and cancel, the hint line and the field lengths.
//
// Each case is a script run inside the real modal showing (Execute): actions on the dialog's
// controls, checks of what they did, and the message boxes they brought up, in order.

#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <memory>

#include "GuiTest.h"
#include "Lake.h"
#include "app/Forms.h"
#include "dialogs/TInputForm.h"
#include "ui/MessageBox.h"

using guitest::OnNextModal;
using tarnova::Decisions;
using tarnova::GameState;

namespace {

const QString HintPump = QStringLiteral("Допустимые значения: от 0 до 5000 м.куб.");
const QString HintAeration = QStringLiteral("Допустимые значения: от 0 до 10 мг/л");
const QString HintCycle = QStringLiteral("Допустимые значения: от 3 до 10 суток");
const QString HintOk = QStringLiteral("Принять введенные значения");
const QString HintCancel = QStringLiteral("Отменить ввод");
const QString BadInput = QStringLiteral("Не корректный ввод!");

QString NotInteger(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value.").arg(text);
}

// A fresh game whose five decisions are `d`.
GameState GameWith(const QList<int>& d) {
    GameState g;
    tarnova::SilentHost host;
    tarnova::NewGame(g, host);
    g.MoneyGrn = 123;  // a few values NewGame would not set, to see that nothing else is touched
    g.DayNo = 17;
    g.Decade = 1;
    g.CycleDay = 4;
    tarnova::Decisions dec{};
    for (int i = 0; i < 5; ++i) dec[i] = d.value(i);
    tarnova::ApplyDecisions(g, dec);
    return g;
}

QList<int> DecisionsOf(const GameState& g) {
    return {g.PumpOut, g.PumpIn, g.AerationZone2, g.AerationZone3, g.CycleLength};
}

// Everything but the five decisions is the same in both games.
bool SameApartFromDecisions(GameState a, const GameState& b) {
    a.PumpOut = b.PumpOut;
    a.PumpIn = b.PumpIn;
    a.AerationZone2 = b.AerationZone2;
    a.AerationZone3 = b.AerationZone3;
    a.CycleLength = b.CycleLength;
    for (int z = 0; z < 3; ++z)
        if (a.Zones[z].Oxygen != b.Zones[z].Oxygen || a.Zones[z].Organic != b.Zones[z].Organic ||
            a.Zones[z].Inorganic != b.Zones[z].Inorganic)
            return false;
    return a.MoneyGrn == b.MoneyGrn && a.MoneyKop == b.MoneyKop && a.DayNo == b.DayNo &&
           a.Decade == b.Decade && a.CycleLimit == b.CycleLimit && a.CycleDay == b.CycleDay &&
           a.PenaltyPoints == b.PenaltyPoints && a.WaterLevel == b.WaterLevel &&
           a.LevelChange == b.LevelChange && a.DayPumpIn == b.DayPumpIn &&
           a.DayPumpOut == b.DayPumpOut && a.NoMoneyMode == b.NoMoneyMode;
}

// One message box as the player saw it.
struct Box {
    QString text;
    QString title;
    QStringList buttons;
    bool hasIcon = false;
    bool errorIcon = false;
    int inputValid = -1;  // InputValid while the box was up
};

// Answers every message box that comes up over `dialog` while it lives, with its OK button,
// and records what it showed.
class BoxAnswerer {
public:
    explicit BoxAnswerer(QWidget* dialog) : dialog(dialog) {
        QObject::connect(&timer, &QTimer::timeout, [this] { Poll(); });
        timer.start(10);
    }
    QList<Box> boxes;

private:
    void Poll() {
        QWidget* w = guitest::CurrentModal(dialog);
        if (!w || w == lastAnswered) return;
        lastAnswered = w;
        Box b;
        b.title = w->windowTitle();
        if (auto* text = w->findChild<QLabel*>(QStringLiteral("text"))) b.text = text->text();
        for (QPushButton* p : w->findChildren<QPushButton*>()) b.buttons << p->objectName();
        if (auto* icon = w->findChild<QLabel*>(QStringLiteral("icon"))) {
            b.hasIcon = true;
            const QImage shown = icon->pixmap().toImage();
            const QImage error =
                w->style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32).toImage();
            b.errorIcon = shown == error;
        }
        b.inputValid = InputValid;
        boxes << b;
        if (auto* ok = w->findChild<QPushButton*>(QStringLiteral("OK")))
            ok->click();
        else if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
    }
    QWidget* dialog;
    QPointer<QWidget> lastAnswered;
    QTimer timer;
};

// Runs one script on the open dialog. Steps:
//   type <field> <text>   focus the field by Tab, clear it and type the text key by key
//   keys <text>           type the text into the control that has the focus
//   key <Enter|Return|Esc|Space|Tab|Backtab>   press a key on the control that has the focus
//   click <control>       click the control with the mouse
//   focus <control>       put the focus on the control from the program
//   box <text>            the last action showed exactly this box (answered with OK)
//   focus? hint? text? <field> <text>, selected? <field>, valid? <n>, open?, closed?
// Every box an action shows must be claimed by a box step before the next action.
void RunScript(TInputForm* form, const QStringList& steps) {
    BoxAnswerer answerer(form);
    const auto control = [form](const QString& name) {
        QWidget* w = form->findChild<QWidget*>(name);
        if (!w) qWarning("no control %s", qPrintable(name));
        return w;
    };
    const auto settle = [] { QTest::qWait(20); };
    for (const QString& step : steps) {
        const QString cmd = step.section(QLatin1Char(' '), 0, 0);
        const QString rest = step.mid(cmd.size() + 1);
        const QString target = rest.section(QLatin1Char(' '), 0, 0);
        const QString arg = rest.mid(target.size() + 1);
        const QByteArray where = step.toUtf8();
        const bool action =
            cmd == "type" || cmd == "keys" || cmd == "key" || cmd == "click" || cmd == "focus";
        if (action) {
            QVERIFY2(answerer.boxes.isEmpty(),
                     qPrintable("unexpected box before '" + step + "': " +
                                answerer.boxes.value(0).text));
            QVERIFY2(form->isVisible(), "the dialog closed too early: " + where);
        }
        if (cmd == "type") {
            auto* e = qobject_cast<QLineEdit*>(control(target));
            QVERIFY2(e, where);
            e->setFocus(Qt::TabFocusReason);
            e->selectAll();
            QTest::keyClick(e, Qt::Key_Backspace);
            QTest::keyClicks(e, arg);
        } else if (cmd == "keys") {
            QTest::keyClicks(form->focusWidget(), rest);
        } else if (cmd == "key") {
            static const QHash<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> keys{
                {"Enter", {Qt::Key_Enter, Qt::KeypadModifier}},
                {"Return", {Qt::Key_Return, Qt::NoModifier}},
                {"Esc", {Qt::Key_Escape, Qt::NoModifier}},
                {"Space", {Qt::Key_Space, Qt::NoModifier}},
                {"Tab", {Qt::Key_Tab, Qt::NoModifier}},
                {"Backtab", {Qt::Key_Tab, Qt::ShiftModifier}},
            };
            QVERIFY2(keys.contains(rest), where);
            guitest::Key(form, keys[rest].first, keys[rest].second);
        } else if (cmd == "click") {
            QWidget* w = control(rest);
            QVERIFY2(w, where);
            QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(w->width() / 2, w->height() / 2));
        } else if (cmd == "focus") {
            QWidget* w = control(rest);
            QVERIFY2(w, where);
            w->setFocus(Qt::OtherFocusReason);
        } else if (cmd == "box") {
            QVERIFY2(answerer.boxes.size() == 1,
                     qPrintable(QStringLiteral("%1 boxes at '%2'")
                                    .arg(answerer.boxes.size()).arg(step)));
            const Box b = answerer.boxes.takeFirst();
            QCOMPARE(b.text, rest);
            QCOMPARE(b.title, ui::ApplicationTitle());
            QCOMPARE(b.buttons, QStringList{QStringLiteral("OK")});
            if (rest == BadInput) {
                QVERIFY2(!b.hasIcon, "the range message has no icon");
                QCOMPARE(b.inputValid, 0);
            } else {
                QVERIFY2(b.errorIcon, "the conversion report has the error icon");
            }
        } else if (cmd == "focus?") {
            QWidget* f = QApplication::focusWidget();
            QCOMPARE(f ? f->objectName() : QString(), rest);
        } else if (cmd == "hint?") {
            QCOMPARE(form->Edit6->text(), rest);
        } else if (cmd == "text?") {
            auto* e = qobject_cast<QLineEdit*>(control(target));
            QVERIFY2(e, where);
            QCOMPARE(e->text(), arg);
        } else if (cmd == "selected?") {
            auto* e = qobject_cast<QLineEdit*>(control(rest));
            QVERIFY2(e, where);
            QVERIFY2(!e->text().isEmpty() && e->selectedText() == e->text(), where);
        } else if (cmd == "valid?") {
            QCOMPARE(InputValid, rest.toInt());
        } else if (cmd == "open?") {
            QVERIFY2(form->isVisible(), where);
        } else if (cmd == "closed?") {
            QVERIFY2(!form->isVisible(), where);
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
        if (action) settle();
    }
    QVERIFY2(answerer.boxes.isEmpty(),
             qPrintable("unclaimed box: " + answerer.boxes.value(0).text));
}

// Shows the dialog for `g` through Execute and runs the script inside it. A script that fails
// or forgets to close the dialog leaves it cancelled, so the test never hangs.
void ExecuteScript(TInputForm* form, GameState& g, const QStringList& steps) {
    auto ran = OnNextModal([form, steps](QWidget* w) {
        if (w == form) RunScript(form, steps);
        if (form->isVisible()) {
            form->reject();
            QVERIFY2(QTest::currentTestFailed(), "the script left the dialog open");
        }
    });
    form->Execute(g);
    QVERIFY2(*ran, "the dialog did not come up modally");
}

// Typing five values, one step each.
QStringList Type(const QStringList& texts) {
    QStringList steps;
    for (int i = 0; i < texts.size(); ++i)
        steps << QStringLiteral("type Edit%1 %2").arg(i + 1).arg(texts[i]);
    return steps;
}

const QList<int> Start{1200, 800, 4, 6, 7};  // decisions before the dialog in most cases

}  // namespace

class tst_Input : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void decisions_data();
    void decisions();
    void hints_data();
    void hints();
    void maxLengths_data();
    void maxLengths();
    void reopening();
    void noCloseBox();
    void fromMainWindow();

private:
    void columns();
    void run();
    TInputForm* form = nullptr;
};

void tst_Input::init() { form = new TInputForm(nullptr); }

void tst_Input::cleanup() {
    delete form;
    form = nullptr;
}

void tst_Input::columns() {
    QTest::addColumn<QList<int>>("start");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QList<int>>("expected");
}

void tst_Input::run() {
    QFETCH(QList<int>, start);
    QFETCH(QStringList, steps);
    QFETCH(bool, accepted);
    QFETCH(QList<int>, expected);
    GameState g = GameWith(start);
    const GameState before = g;
    ExecuteScript(form, g, steps);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(form->Accepted(), accepted);
    QCOMPARE(DecisionsOf(g), accepted ? expected : start);
    QVERIFY2(SameApartFromDecisions(before, g), "the dialog changed more than the decisions");
}

void tst_Input::decisions_data() {
    columns();
    const QStringList closedAfterEsc{"key Esc", "closed?"};

    QTest::newRow("new game shows 0 0 0 0 3, OK keeps them")
        << QList<int>{0, 0, 0, 0, 3}
        << QStringList{"text? Edit1 0", "text? Edit2 0", "text? Edit3 0", "text? Edit4 0",
                       "text? Edit5 3", "focus? Edit1", "hint? " + HintPump, "valid? 1",
                       "click btnOk", "closed?"}
        << true << QList<int>{0, 0, 0, 0, 3};
    QTest::newRow("loaded as plain decimals, typing replaces the selected text")
        << QList<int>{5000, 17, 10, 0, 10}
        << QStringList{"text? Edit1 5000", "text? Edit2 17", "text? Edit3 10", "text? Edit4 0",
                       "text? Edit5 10", "selected? Edit1", "keys 4321", "text? Edit1 4321",
                       "key Tab", "selected? Edit2", "keys 9", "key Tab", "keys 3", "key Tab",
                       "keys 8", "key Tab", "keys 5", "key Enter", "closed?"}
        << true << QList<int>{4321, 9, 3, 8, 5};
    QTest::newRow("lower bounds accepted")
        << Start << Type({"0", "0", "0", "0", "3"}) + QStringList{"click btnOk", "closed?"}
        << true << QList<int>{0, 0, 0, 0, 3};
    QTest::newRow("upper bounds accepted")
        << Start << Type({"5000", "5000", "10", "10", "10"}) + QStringList{"click btnOk", "closed?"}
        << true << QList<int>{5000, 5000, 10, 10, 10};
    QTest::newRow("an aeration of 100 types as 10 and is accepted")
        << Start << QStringList{"type Edit3 100", "text? Edit3 10", "click btnOk", "closed?"}
        << true << QList<int>{1200, 800, 10, 6, 7};

    // One field out of range at a time: the message, the focus back on Edit1, the texts kept;
    // then either Esc or a correction and a single OK.
    struct Bad {
        int field;
        const char* text;
        const char* focusFrom;  // the control whose Enter or click runs the check
    };
    const Bad bads[] = {{1, "5001", "Edit3"}, {1, "-1", "Edit1"},  {2, "-1", "Edit5"},
                        {3, "-1", "Edit3"},   {4, "-1", "Edit2"},  {3, "11", "btnOk"},
                        {4, "11", "Edit4"},   {5, "2", "Edit5"},   {5, "11", "Edit6"},
                        {1, "9999", "Edit2"}, {2, " -1", "Edit1"}, {5, "+2", "Edit3"}};
    for (const Bad& b : bads) {
        const QString field = QStringLiteral("Edit%1").arg(b.field);
        const QString from = QString::fromLatin1(b.focusFrom);
        QStringList steps{QStringLiteral("type %1 %2").arg(field, b.text)};
        if (from == "btnOk")
            steps << "click btnOk";
        else if (from == "Edit6")
            steps << "click Edit6" << "focus? Edit6" << "key Enter";
        else
            steps << "focus " + from << "key Return";
        steps << "box " + BadInput << "open?" << "focus? Edit1" << "selected? Edit1"
              << "hint? " + HintPump << "valid? 1"
              << QStringLiteral("text? %1 %2").arg(field, b.text);
        QTest::newRow(qPrintable(QStringLiteral("%1 in %2, then Esc").arg(b.text, field)))
            << Start << steps + closedAfterEsc << false << Start;
        QList<int> fixed = Start;
        fixed[b.field - 1] = b.field == 5 ? 10 : 0;
        QTest::newRow(qPrintable(QStringLiteral("%1 in %2, then corrected").arg(b.text, field)))
            << Start
            << steps + QStringList{QStringLiteral("type %1 %2").arg(field).arg(fixed[b.field - 1]),
                                   "click btnOk", "closed?"}
            << true << fixed;
    }

    QTest::newRow("two fields out of range give one message")
        << Start
        << QStringList{"type Edit1 9999", "type Edit5 2", "key Enter", "box " + BadInput,
                       "focus? Edit1", "text? Edit1 9999", "text? Edit5 2"} + closedAfterEsc
        << false << Start;
    QTest::newRow("all five out of range give one message")
        << Start
        << Type({"5001", "-1", "11", "-5", "99"}) + QStringList{"click btnOk", "box " + BadInput,
                                                                "focus? Edit1"} + closedAfterEsc
        << false << Start;

    // Texts that are not numbers: the report for that field only, the check stops there, the
    // focus stays where it was, the dialog stays open.
    // Typing abc into the two-character aeration field leaves ab.
    QTest::newRow("abc typed in Edit3")
        << Start
        << QStringList{"type Edit3 abc", "text? Edit3 ab", "focus Edit2", "key Enter",
                       "box " + NotInteger("ab"), "open?", "focus? Edit2", "hint? " + HintPump,
                       "valid? 1", "text? Edit3 ab"} + closedAfterEsc
        << false << Start;
    QTest::newRow("empty Edit5")
        << Start
        << QStringList{"type Edit5 ", "key Enter", "box " + NotInteger(""), "focus? Edit5",
                       "hint? " + HintCycle} + closedAfterEsc
        << false << Start;
    QTest::newRow("the check stops at the first bad text")
        << Start
        << QStringList{"type Edit3 x1", "type Edit4 11", "type Edit5 y", "click btnOk",
                       "box " + NotInteger("x1"), "focus? btnOk", "hint? " + HintOk,
                       "valid? 1"} + closedAfterEsc
        << false << Start;
    QTest::newRow("5001 then x: the conversion report, then one OK accepts")
        << Start
        << QStringList{"type Edit1 5001", "type Edit2 x", "click btnOk", "box " + NotInteger("x"),
                       "valid? 0", "focus? btnOk", "text? Edit1 5001", "type Edit1 5000",
                       "type Edit2 25", "click btnOk", "closed?"}
        << true << QList<int>{5000, 25, 4, 6, 7};
    QTest::newRow("a fix of the bad text alone then finds the range error")
        << Start
        << QStringList{"type Edit1 5001", "type Edit2 x", "key Enter", "box " + NotInteger("x"),
                       "type Edit2 1", "key Enter", "box " + BadInput, "focus? Edit1",
                       "type Edit1 1", "key Enter", "closed?"}
        << true << QList<int>{1, 1, 4, 6, 7};

    // What the conversion takes: decimal digits, an optional leading sign, leading blanks.
    struct Conv {
        const char* text;
        int value;  // -100 for a text that does not convert
    };
    const Conv convs[] = {{" 5", 5},    {"  12", 12}, {"+5", 5},    {"-0", 0},    {"0005", 5},
                          {"5 ", -100}, {"$A", -100}, {"0x1", -100}, {"+", -100}, {"-", -100},
                          {" ", -100},  {"- 5", -100}, {"1a", -100}, {"1.5", -100}, {"5e1", -100}};
    for (const Conv& c : convs) {
        const QString text = QString::fromUtf8(c.text);
        QStringList steps{"type Edit1 " + text, "text? Edit1 " + text, "key Enter"};
        if (c.value == -100) {
            QTest::newRow(qPrintable("Edit1 '" + text + "' does not convert"))
                << Start << steps + QStringList{"box " + NotInteger(text)} + closedAfterEsc
                << false << Start;
        } else {
            QList<int> want = Start;
            want[0] = c.value;
            QTest::newRow(qPrintable("Edit1 '" + text + "' converts"))
                << Start << steps + QStringList{"closed?"} << true << want;
        }
    }

    // Enter runs the check from every edit box and from the hint line; on OK it presses OK.
    for (const char* from : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"}) {
        QTest::newRow(qPrintable(QStringLiteral("Enter in %1 accepts").arg(from)))
            << Start << Type({"10", "20", "1", "2", "9"}) + QStringList{QStringLiteral("focus %1").arg(from), "key Enter", "closed?"}
            << true << QList<int>{10, 20, 1, 2, 9};
    }
    QTest::newRow("Enter in the clicked hint line accepts")
        << Start << QStringList{"type Edit4 3", "click Edit6", "focus? Edit6", "key Return", "closed?"}
        << true << QList<int>{1200, 800, 4, 3, 7};
    QTest::newRow("Tab to OK and Space accepts")
        << Start
        << QStringList{"type Edit5 4", "key Tab", "focus? btnOk", "key Space", "closed?"}
        << true << QList<int>{1200, 800, 4, 6, 4};

    // Cancel: Esc from every control, whatever the fields hold; the Cancel button by click,
    // Enter and Space.
    for (const QString from : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "btnOk",
                               "btnCancel"}) {
        // A click on a button would press it, so the buttons get the focus from the program.
        const QString reach = from.startsWith("btn") ? "focus " + from : "click " + from;
        QTest::newRow(qPrintable("Esc from " + from + " cancels"))
            << Start
            << Type({"9999", "abc", "-1", "7", ""}) + QStringList{reach, "focus? " + from} +
                   closedAfterEsc
            << false << Start;
    }
    QTest::newRow("Esc with valid new values cancels")
        << Start << Type({"1", "2", "3", "4", "5"}) + closedAfterEsc << false << Start;
    QTest::newRow("Esc after the range message cancels")
        << Start
        << QStringList{"type Edit3 11", "key Enter", "box " + BadInput} + closedAfterEsc
        << false << Start;
    QTest::newRow("click on Отмена cancels")
        << Start << Type({"1", "2", "3", "4", "5"}) + QStringList{"click btnCancel", "closed?"}
        << false << Start;
    QTest::newRow("Tab to Отмена and Enter cancels")
        << Start
        << QStringList{"type Edit5 5", "key Tab", "key Tab", "focus? btnCancel",
                       "hint? " + HintCancel, "key Enter", "closed?"}
        << false << Start;
    QTest::newRow("Space on Отмена cancels")
        << Start
        << QStringList{"type Edit1 1", "focus btnCancel", "key Space", "closed?"}
        << false << Start;
}

void tst_Input::decisions() { run(); }

void tst_Input::hints_data() {
    columns();
    QTest::newRow("Tab walks the seven controls and skips the hint line")
        << Start
        << QStringList{"focus? Edit1", "hint? " + HintPump,      "key Tab",
                       "focus? Edit2", "hint? " + HintPump,      "key Tab",
                       "focus? Edit3", "hint? " + HintAeration,  "key Tab",
                       "focus? Edit4", "hint? " + HintAeration,  "key Tab",
                       "focus? Edit5", "hint? " + HintCycle,     "key Tab",
                       "focus? btnOk", "hint? " + HintOk,        "key Tab",
                       "focus? btnCancel", "hint? " + HintCancel, "key Tab",
                       "focus? Edit1", "hint? " + HintPump,      "key Esc", "closed?"}
        << false << Start;
    QTest::newRow("Backtab walks them backwards")
        << Start
        << QStringList{"key Backtab", "focus? btnCancel", "hint? " + HintCancel,
                       "key Backtab", "focus? btnOk",     "hint? " + HintOk,
                       "key Backtab", "focus? Edit5",     "hint? " + HintCycle,
                       "key Backtab", "focus? Edit4",     "hint? " + HintAeration,
                       "key Esc",     "closed?"}
        << false << Start;
    QTest::newRow("clicks: the hint line takes the focus and keeps the hint")
        << Start
        << QStringList{"click Edit5", "focus? Edit5", "hint? " + HintCycle,
                       "click Edit6", "focus? Edit6", "hint? " + HintCycle,
                       "keys 12",     "hint? " + HintCycle,
                       "click Edit3", "hint? " + HintAeration,
                       "click Edit2", "hint? " + HintPump,
                       "key Esc",     "closed?"}
        << false << Start;
    QTest::newRow("focus from the program")
        << Start
        << QStringList{"focus btnOk",  "hint? " + HintOk,  "focus btnCancel", "hint? " + HintCancel,
                       "focus Edit4",  "hint? " + HintAeration, "key Esc", "closed?"}
        << false << Start;
    QTest::newRow("after the range message the hint is Edit1's")
        << Start
        << QStringList{"type Edit5 1", "hint? " + HintCycle, "key Enter", "box " + BadInput,
                       "hint? " + HintPump, "key Esc", "closed?"}
        << false << Start;
}

void tst_Input::hints() { run(); }

void tst_Input::maxLengths_data() {
    columns();
    struct Case {
        const char* field;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {"Edit1", "123456", "1234"}, {"Edit2", "50001", "5000"}, {"Edit3", "100", "10"},
        {"Edit4", "-10", "-1"},      {"Edit5", "103", "10"},     {"Edit1", " +x", " +x"},
        {"Edit4", "ab", "ab"},       {"Edit5", " 7", " 7"},
    };
    for (const Case& c : cases)
        QTest::newRow(qPrintable(QStringLiteral("%1 typed '%2'").arg(c.field, c.typed)))
            << Start
            << QStringList{QStringLiteral("type %1 %2").arg(c.field, c.typed),
                           QStringLiteral("text? %1 %2").arg(c.field, c.kept), "key Esc",
                           "closed?"}
            << false << Start;
}

void tst_Input::maxLengths() { run(); }

// A new showing loads the game again, drops what was typed and puts the focus on Edit1, however
// the last one ended.
void tst_Input::reopening() {
    GameState g = GameWith(Start);
    ExecuteScript(form, g,
                  {"type Edit1 77", "type Edit3 zz", "key Tab", "key Tab", "key Tab", "key Tab",
                   "focus? btnCancel", "key Enter", "closed?"});
    if (QTest::currentTestFailed()) return;
    ExecuteScript(form, g,
                  {"text? Edit1 1200", "text? Edit3 4", "focus? Edit1", "selected? Edit1",
                   "hint? " + HintPump, "valid? 1", "type Edit2 5", "click Edit6", "key Enter",
                   "closed?"});
    if (QTest::currentTestFailed()) return;
    QCOMPARE(DecisionsOf(g), (QList<int>{1200, 5, 4, 6, 7}));
    ExecuteScript(form, g, {"text? Edit2 5", "focus? Edit1", "hint? " + HintPump, "key Esc", "closed?"});
}

void tst_Input::noCloseBox() {
    const Qt::WindowFlags f = form->windowFlags();
    QVERIFY(f & Qt::WindowTitleHint);
    QVERIFY(!(f & Qt::WindowCloseButtonHint));
    QVERIFY(!(f & Qt::WindowSystemMenuHint));
    QCOMPARE(form->windowTitle(), QStringLiteral("Ввод данных"));
    QCOMPARE(form->size(), QSize(414, 221));
}

// The main window's "ВВОД ДАННЫХ" opens the dialog on the game in play, and the next cycle runs
// the accepted length.
void tst_Input::fromMainWindow() {
    guitest::WorkFolder folder;
    CreateForms();
    frmMain->show();
    auto ran = OnNextModal([](QWidget* w) {
        QCOMPARE(w, static_cast<QWidget*>(InputForm));
        RunScript(InputForm, {"text? Edit1 0", "text? Edit5 3", "type Edit2 300",
                              "type Edit5 6", "key Enter", "closed?"});
        if (InputForm->isVisible()) InputForm->reject();
    });
    QTest::mouseClick(frmMain->btnInput, Qt::LeftButton);
    QVERIFY(*ran);
    QCOMPARE(DecisionsOf(frmMain->Game), (QList<int>{0, 300, 0, 0, 6}));
    QTest::mouseClick(frmMain->btnGo, Qt::LeftButton);
    frmMain->tmrDays->stop();
    QCOMPARE(frmMain->Game.CycleLimit, 6);
    DestroyForms();
}

QTEST_MAIN(tst_Input)
#include "tst_input.moc"
