// Tests of the headless simulator: its refusals of bad input and one whole trace.

#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run RunSim(const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.start(QStringLiteral(TARNOVA_SIM), args);
    if (!p.waitForStarted()) return {};
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

const QByteArray Header =
    "day,decade,money_grn,money_kop,level,oxygen1,organic1,inorganic1,oxygen2,organic2,inorganic2,"
    "oxygen3,organic3,inorganic3,penalty,events";

// The trace as rows of fields, without the header.
QList<QList<QByteArray>> Rows(const QByteArray& out) {
    QList<QList<QByteArray>> rows;
    const QList<QByteArray> lines = out.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (!lines[i].isEmpty()) rows << lines[i].split(',');
    return rows;
}

// Significant digits of a decimal text such as "-0.0125" or "1.5e+03".
int SignificantDigits(const QByteArray& text) {
    QByteArray digits;
    for (char c : text.left(text.indexOf('e') < 0 ? text.size() : text.indexOf('e')))
        if (c >= '0' && c <= '9') digits += c;
    while (digits.startsWith('0')) digits.remove(0, 1);
    if (text.contains('.'))
        return int(digits.size());
    while (digits.endsWith('0')) digits.chop(1);  // trailing zeros of an integer are not digits
    return int(qMax<qsizetype>(digits.size(), 1));
}

}  // namespace

class tst_Sim : public QObject {
    Q_OBJECT
private slots:
    void badInput_data();
    void badInput();
    void missingFile();
    void help();
    void allZeroTrace_data();
    void allZeroTrace();
    void largestDecisionsTrace();
};

void tst_Sim::badInput_data() {
    QTest::addColumn<QByteArray>("strategy");
    QTest::addColumn<QByteArray>("where");  // what the message must name
    QTest::newRow("four fields") << QByteArray("0 0 0 0 3\n1 2 3 4\n")
                                 << QByteArray("line 2: field 5 (CycleLength)");
    QTest::newRow("six fields") << QByteArray("0 0 0 0 3 7\n") << QByteArray("line 1: field 6");
    QTest::newRow("not a number") << QByteArray("x 0 0 0 3\n") << QByteArray("line 1: field 1 (PumpOut)");
    QTest::newRow("decimal point") << QByteArray("0 2.5 0 0 3\n") << QByteArray("line 1: field 2 (PumpIn)");
    QTest::newRow("pumping above 5000") << QByteArray("0 5001 0 0 3\n")
                                        << QByteArray("line 1: field 2 (PumpIn)");
    QTest::newRow("negative pumping") << QByteArray("-1 0 0 0 3\n") << QByteArray("line 1: field 1 (PumpOut)");
    QTest::newRow("aeration above 10")
        << QByteArray("0 0 0 11 3\n") << QByteArray("line 1: field 4 (AerationZone3)");
    QTest::newRow("cycle of 2 days") << QByteArray("0 0 0 0 2\n") << QByteArray("line 1: field 5 (CycleLength)");
    QTest::newRow("cycle of 11 days") << QByteArray("0 0 0 0 11\n") << QByteArray("line 1: field 5 (CycleLength)");
    QTest::newRow("too large for an integer")
        << QByteArray("0 0 99999999999 0 3\n") << QByteArray("line 1: field 3 (AerationZone2)");
    QTest::newRow("comments and blank lines are counted")
        << QByteArray("# plan\n\n5000 5000 10 10 10\n   \n5000 5000 10 10 1\n")
        << QByteArray("line 5: field 5 (CycleLength)");
}

void tst_Sim::badInput() {
    QFETCH(QByteArray, strategy);
    QFETCH(QByteArray, where);
    // Through standard input and through a file the same.
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(strategy);
    file.close();
    for (const Run& r : {RunSim({}, strategy), RunSim({file.fileName()})}) {
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains(where), r.err.constData());
        QCOMPARE(r.err.count('\n'), 1);
    }
}

void tst_Sim::missingFile() {
    const Run r = RunSim({QStringLiteral("/nonexistent/strategy.txt")});
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.contains("/nonexistent/strategy.txt"), r.err.constData());
}

void tst_Sim::help() {
    const Run r = RunSim({QStringLiteral("--help")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.startsWith("usage: tarnova-sim"));
    QVERIFY(r.out.contains("PumpOut PumpIn AerationZone2 AerationZone3 CycleLength"));
}

void tst_Sim::allZeroTrace_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("empty standard input") << QStringList{} << QByteArray();
    QTest::newRow("explicit defaults from '-'") << QStringList{"-"} << QByteArray("# defaults\r\n0 0 0 0 3\r\n");
}

void tst_Sim::allZeroTrace() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    const Run r = RunSim(args, input);
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.startsWith(Header + '\n'));
    const QList<QList<QByteArray>> rows = Rows(r.out);
    QCOMPARE(rows.size(), 46);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].size(), 16);
        QCOMPARE(rows[i][0].toInt(), i + 1);
        QCOMPARE(rows[i][1].toInt(), int(i) / 10);
        // Cycles of 3 days: every third day ends a cycle, until the game ends.
        const QByteArray events = i == 45 ? "gameover" : (i % 3 == 2 ? "endcycle" : "");
        QCOMPARE(rows[i][15], events);
    }
    // Day 1 to three significant digits; money after day 8 and day 11.
    const QList<double> day1{1.80, 56.5, 358, 4.53, 39.9, 281, 7.61, 23.0, 185};
    for (int k = 0; k < 9; ++k) {
        const double v = rows[0][5 + k].toDouble();
        QVERIFY2(qAbs(v - day1[k]) <= 0.006 * qAbs(day1[k]), rows[0][5 + k].constData());
    }
    QCOMPARE(rows[7][2] + ' ' + rows[7][3], QByteArray("297 50"));
    QCOMPARE(rows[10][2] + ' ' + rows[10][3], QByteArray("295 0"));
    // The last row is the finished game: 16 points and 285 grn on 16 July.
    const QList<QByteArray>& last = rows.last();
    QCOMPARE(last[0], QByteArray("46"));
    QCOMPARE(last[2] + ' ' + last[3], QByteArray("285 0"));
    QCOMPARE(last[14], QByteArray("16"));
    QVERIFY2(r.err.contains("grade 2") && r.err.contains("16"), r.err.constData());
    // Each real reads back to its float and has no more significant digits than it needs.
    for (const auto& row : rows)
        for (int k = 4; k < 14; ++k) {
            bool ok = false;
            const float f = row[k].toFloat(&ok);
            QVERIFY(ok);
            int needed = 1;
            while (QByteArray::number(double(f), 'g', needed).toFloat() != f) ++needed;
            QVERIFY2(SignificantDigits(row[k]) <= needed, row[k].constData());
        }
}

void tst_Sim::largestDecisionsTrace() {
    const Run r = RunSim({}, "5000 5000 10 10 10\n");
    QCOMPARE(r.exitCode, 0);
    const QList<QList<QByteArray>> rows = Rows(r.out);
    QCOMPARE(rows.size(), 60);
    QCOMPARE(rows[0][2] + ' ' + rows[0][3], QByteArray("290 0"));
    QCOMPARE(rows[31][2] + ' ' + rows[31][3], QByteArray("-5 0"));
    QCOMPARE(rows[32][15], QByteArray("nomoney"));
    for (qsizetype i = 33; i < 59; ++i) QCOMPARE(rows[i][15], QByteArray());
    QCOMPARE(rows[59][0], QByteArray("60"));
    QCOMPARE(rows[59][1], QByteArray("5"));
    QCOMPARE(rows[59][14], QByteArray("12"));
    QCOMPARE(rows[59][15], QByteArray("gameover"));
    QVERIFY2(r.err.contains("grade 3, penalty points 12"), r.err.constData());
}

QTEST_GUILESS_MAIN(tst_Sim)
#include "tst_sim.moc"
