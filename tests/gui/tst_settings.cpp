// Tests of the settings file "tarnova.ini" and the setup dialog.

#include <QtTest>

#include <memory>

#include "GuiTest.h"
#include "app/Forms.h"
#include "app/Settings.h"

using guitest::OnNextModal;

namespace {

// Puts something in place of the settings file that cannot be written even by root.
enum class Obstacle { None, Folder, FullDisk };

void PlaceObstacle(const guitest::WorkFolder& folder, Obstacle o) {
    QFile::remove(folder.file("tarnova.ini"));
    if (o == Obstacle::Folder) QDir(folder.path()).mkdir("tarnova.ini");
    if (o == Obstacle::FullDisk) QFile::link("/dev/full", folder.file("tarnova.ini"));
}

// The text and caption of a message box, and closes it.
struct SeenBox {
    QString text;
    QString caption;
};

std::shared_ptr<bool> ReadBox(SeenBox& seen) {
    return OnNextModal([&seen](QWidget* box) {
        if (auto* label = box->findChild<QLabel*>("text")) seen.text = label->text();
        seen.caption = box->windowTitle();
        QTest::keyClick(box, Qt::Key_Return);
    });
}

}  // namespace

class tst_Settings : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void reader_data();
    void reader();
    void startUp_data();
    void startUp();
    void saveAtClose_data();
    void saveAtClose();
    void failingWrites_data();
    void failingWrites();
    void closeWithoutSaving();
    void setupDialog_data();
    void setupDialog();
    void setupCancel_data();
    void setupCancel();
    void setupCannotWrite();
};

void tst_Settings::cleanup() {
    guitest::CancelPendingModals();
    DestroyForms();
    QVERIFY2(guitest::VisibleTopLevels().isEmpty(), "a window was left open");
}

void tst_Settings::reader_data() {
    QTest::addColumn<QByteArray>("content");  // null: no file
    QTest::addColumn<bool>("opened");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("tick");
    QTest::addColumn<bool>("report");
    QTest::newRow("missing") << QByteArray() << false << 0 << 6 << true;
    QTest::newRow("empty") << QByteArray("") << true << 0 << 6 << true;
    QTest::newRow("defaults") << QByteArray("I61") << true << 0 << 6 << true;
    QTest::newRow("Kc0") << QByteArray("Kc0") << true << 2 << 12 << false;
    QTest::newRow("L") << QByteArray("L") << true << 3 << 6 << true;
    QTest::newRow("M beyond the last level") << QByteArray("M61") << true << 0 << 6 << true;
    QTest::newRow("H below the first level") << QByteArray("H61") << true << 0 << 6 << true;
    QTest::newRow("digit 0") << QByteArray("J01") << true << 1 << 6 << true;
    QTest::newRow("digit d") << QByteArray("Jd0") << true << 1 << 6 << false;
    QTest::newRow("z is read as the report byte") << QByteArray("Jz0") << true << 1 << 6 << true;
    QTest::newRow("upper-case C") << QByteArray("IC1") << true << 0 << 12 << true;
    QTest::newRow("white space before the digit") << QByteArray("I \n30") << true << 0 << 3 << false;
    QTest::newRow("a sign is left for the report byte") << QByteArray("I-0") << true << 0 << 6 << true;
    QTest::newRow("plus sign too") << QByteArray("I+0") << true << 0 << 6 << true;
    QTest::newRow("two bytes") << QByteArray("Kb") << true << 2 << 11 << true;
    QTest::newRow("longer file") << QByteArray("J90junk") << true << 1 << 9 << false;
}

void tst_Settings::reader() {
    QFETCH(QByteArray, content);
    QFETCH(bool, opened);
    QFETCH(int, zoom);
    QFETCH(int, tick);
    QFETCH(bool, report);
    guitest::WorkFolder folder(content, false);
    Settings s{3, 1, false};
    QCOMPARE(ReadSettingsFile("tarnova.ini", s), opened);
    QCOMPARE(s.ZoomLevel, zoom);
    QCOMPARE(s.TickSetting, tick);
    QCOMPARE(s.ShowReport, report);
}

void tst_Settings::startUp_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("message");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("report");
    QTest::newRow("missing file") << QByteArray() << true << QSize(441, 265) << 1500 << true;
    QTest::newRow("Kc0") << QByteArray("Kc0") << false << QSize(541, 397) << 3000 << false;
    QTest::newRow("J") << QByteArray("J") << false << QSize(491, 331) << 1500 << true;
    QTest::newRow("L11") << QByteArray("L11") << false << QSize(591, 463) << 250 << true;
    QTest::newRow("a folder in its place") << QByteArray("folder") << true << QSize(441, 265) << 1500
                                           << true;
}

void tst_Settings::startUp() {
    QFETCH(QByteArray, content);
    QFETCH(bool, message);
    QFETCH(QSize, client);
    QFETCH(int, interval);
    QFETCH(bool, report);
    guitest::WorkFolder folder(content == "folder" ? QByteArray() : content);
    if (content == "folder") QDir(folder.path()).mkdir("tarnova.ini");

    SeenBox seen;
    bool mainVisibleAtBox = true;
    auto box = OnNextModal([&](QWidget* w) {
        mainVisibleAtBox = frmMain && frmMain->isVisible();
        seen.text = w->findChild<QLabel*>("text")->text();
        seen.caption = w->windowTitle();
        QTest::keyClick(w, Qt::Key_Return);
    });
    CreateForms();
    QCOMPARE(*box, message);
    if (message) {
        QCOMPARE(seen.text, QStringLiteral("Ошибка при открытии файла \"tarnova.ini\".  Установки "
                                           "программы будут установлены по умолчанию."));
        QCOMPARE(seen.caption, QStringLiteral("Ошибка"));
        QVERIFY2(!mainVisibleAtBox, "the message comes before the main window shows");
    }
    QCOMPARE(frmMain->Client()->size(), client);
    QCOMPARE(frmMain->tmrDays->interval(), interval);
    QCOMPARE(frmMain->ShowReport_, report);
    const int level = (client.width() - 441) / 50;
    QCOMPARE(frmMain->ZoomLevel, level);
    QCOMPARE(frmMain->btnZoomIn->isEnabled(), level < 3);
    QCOMPARE(frmMain->miZoomIn->isEnabled(), level < 3);
    QCOMPARE(frmMain->btnZoomOut->isEnabled(), level > 0);
    QCOMPARE(frmMain->miZoomOut->isEnabled(), level > 0);
    QCOMPARE(frmMain->btnOtchet->x(), 296 + 50 * level);
    // The game started all the same.
    QCOMPARE(frmMain->Game.DayNo, 1);
    QCOMPARE(frmMain->lblDate->text(), QStringLiteral("1"));
}

void tst_Settings::saveAtClose_data() {
    QTest::addColumn<QByteArray>("content");  // null: no file
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("created with the whole record") << QByteArray() << 1 << QByteArray("J61");
    QTest::newRow("only the zoom byte changes") << QByteArray("Kc0") << 0 << QByteArray("Ic0");
    QTest::newRow("an empty file gets the zoom byte") << QByteArray("") << 0 << QByteArray("I");
    QTest::newRow("a longer file is not shortened") << QByteArray("Kc0xyz") << 3
                                                    << QByteArray("Lc0xyz");
}

void tst_Settings::saveAtClose() {
    QFETCH(QByteArray, content);
    QFETCH(int, zoom);
    QFETCH(QByteArray, written);
    guitest::WorkFolder folder(content, false);
    QVERIFY(SaveZoomAtClose("tarnova.ini", {zoom, 6, true}));
    QCOMPARE(folder.Read("tarnova.ini"), written);
}

void tst_Settings::failingWrites_data() {
    QTest::addColumn<int>("obstacle");
    QTest::newRow("a folder in the file's place") << int(Obstacle::Folder);
    QTest::newRow("a full disk behind the file") << int(Obstacle::FullDisk);
}

void tst_Settings::failingWrites() {
    QFETCH(int, obstacle);
    guitest::WorkFolder folder(QByteArray(), false);
    PlaceObstacle(folder, Obstacle(obstacle));
    QVERIFY(!SaveZoomAtClose("tarnova.ini", {1, 6, true}));
    QVERIFY(!WriteSettingsFile("tarnova.ini", {1, 6, true}));
}

void tst_Settings::closeWithoutSaving() {
    // The write fails after the file opened: reported like a file that cannot be opened.
    guitest::WorkFolder folder("I61");
    CreateForms();
    frmMain->show();
    PlaceObstacle(folder, Obstacle::FullDisk);
    SeenBox seen;
    auto box = ReadBox(seen);
    QVERIFY(frmMain->close());
    QVERIFY(*box);
    QCOMPARE(seen.text, QStringLiteral("Ошибка при открытии файла \"tarnova.ini\". Установки "
                                       "программы не будут сохранены."));
    QCOMPARE(seen.caption, QStringLiteral("Ошибка"));
    QVERIFY(!frmMain->isVisible());
}

void tst_Settings::setupDialog_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("report");
    QTest::addColumn<int>("tick");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("position 0 becomes a quarter second") << 0 << true << 1 << QByteArray("J11");
    QTest::newRow("position 9") << 9 << false << 9 << QByteArray("J90");
    QTest::newRow("position 10 is a") << 10 << true << 10 << QByteArray("Ja1");
    QTest::newRow("position 11 is b") << 11 << true << 11 << QByteArray("Jb1");
    QTest::newRow("position 12 is c") << 12 << false << 12 << QByteArray("Jc0");
}

void tst_Settings::setupDialog() {
    QFETCH(int, position);
    QFETCH(bool, report);
    QFETCH(int, tick);
    QFETCH(QByteArray, written);
    guitest::WorkFolder folder("J40");
    CreateForms();
    QCOMPARE(frmMain->TickSetting, 4);
    bool shownChecked = true;
    int shownPosition = -1;
    auto done = OnNextModal([&](QWidget* w) {
        QCOMPARE(w, static_cast<QWidget*>(frmSetup));
        shownChecked = frmSetup->chbOtchet->isChecked();
        shownPosition = frmSetup->tbTick->value();
        QCOMPARE(w->focusWidget(), static_cast<QWidget*>(frmSetup->chbOtchet));
        frmSetup->tbTick->setValue(position);
        frmSetup->chbOtchet->setChecked(report);
        QTest::keyClick(frmSetup->chbOtchet, Qt::Key_Return);  // Enter presses OK
    });
    frmMain->miSetupClick();
    QVERIFY(*done);
    QVERIFY(!frmSetup->isVisible());
    QVERIFY(!shownChecked);
    QCOMPARE(shownPosition, 4);
    QCOMPARE(frmMain->TickSetting, tick);
    QCOMPARE(frmMain->ShowReport_, report);
    QCOMPARE(frmMain->tmrDays->interval(), tick * 250);
    QCOMPARE(folder.Read("tarnova.ini"), written);
}

void tst_Settings::setupCancel_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Отмена") << "button";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close box") << "close";
}

void tst_Settings::setupCancel() {
    QFETCH(QString, how);
    guitest::WorkFolder folder("I40");
    CreateForms();
    auto done = OnNextModal([&](QWidget*) {
        frmSetup->tbTick->setValue(11);
        frmSetup->chbOtchet->setChecked(true);
        if (how == "button") frmSetup->btnCancel->click();
        if (how == "escape") QTest::keyClick(frmSetup->tbTick, Qt::Key_Escape);
        if (how == "close") frmSetup->close();
    });
    frmMain->miSetupClick();
    QVERIFY(*done);
    QVERIFY(!frmSetup->isVisible());
    QCOMPARE(frmMain->TickSetting, 4);
    QCOMPARE(frmMain->ShowReport_, false);
    QCOMPARE(folder.Read("tarnova.ini"), QByteArray("I40"));
    // The next opening shows the current values again.
    int shown = -1;
    auto again = OnNextModal([&](QWidget*) {
        shown = frmSetup->tbTick->value();
        frmSetup->btnCancel->click();
    });
    frmMain->miSetupClick();
    QVERIFY(*again);
    QCOMPARE(shown, 4);
}

void tst_Settings::setupCannotWrite() {
    // The new values hold for the run; the dialog reports the failure and closes.
    guitest::WorkFolder folder("I61");
    CreateForms();
    PlaceObstacle(folder, Obstacle::Folder);
    SeenBox seen;
    std::shared_ptr<bool> box;
    auto done = OnNextModal([&](QWidget* w) {
        frmSetup->tbTick->setValue(2);
        box = ReadBox(seen);
        Q_UNUSED(w);
        frmSetup->btnOk->click();
    });
    frmMain->miSetupClick();
    QVERIFY(*done);
    QVERIFY(box && *box);
    QCOMPARE(seen.text, QStringLiteral("Ошибка при создании файла \"tarnova.ini\". Установки "
                                       "программы не будут сохранены."));
    QCOMPARE(seen.caption, QStringLiteral("Ошибка"));
    QVERIFY(!frmSetup->isVisible());
    QCOMPARE(frmMain->TickSetting, 2);
    QCOMPARE(frmMain->tmrDays->interval(), 500);
}

QTEST_MAIN(tst_Settings)
#include "tst_settings.moc"
