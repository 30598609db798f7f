// Helpers for the window tests: a working folder of their own and answers to modal windows.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace guitest {

// A fresh working folder for one test, made current; the settings file and the guide are put
// in unless the test wants them missing. The previous folder is made current again at the end.
class WorkFolder {
public:
    explicit WorkFolder(const QByteArray& settings = "I61", bool guide = true)
        : previous(QDir::currentPath()) {
        QDir::setCurrent(dir.path());
        if (!settings.isNull()) Write("tarnova.ini", settings);
        if (guide) QFile::copy(QStringLiteral(TARNOVA_GUIDE), dir.filePath("tarnova.txt"));
    }
    ~WorkFolder() { QDir::setCurrent(previous); }

    QString path() const { return dir.path(); }
    QString file(const QString& name) const { return dir.filePath(name); }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    }
    QByteArray Read(const QString& name) const {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir;
    QString previous;
};

// The modal window on top now, other than `except`.
inline QWidget* CurrentModal(QWidget* except = nullptr) {
    QWidget* w = QApplication::activeModalWidget();
    return w && w != except && w->isVisible() ? w : nullptr;
}

// The answers still waiting for a modal window; a test's cleanup cancels them, so that an answer
// meant for a window that never came cannot act on a later test's window.
inline QList<QPointer<QTimer>>& PendingAnswers() {
    static QList<QPointer<QTimer>> pending;
    return pending;
}

inline void CancelPendingModals() {
    for (const QPointer<QTimer>& t : PendingAnswers())
        if (t) {
            t->stop();
            t->deleteLater();
        }
    PendingAnswers().clear();
}

// Runs `action` on the next modal window that appears (polling from the event loop, so it also
// works inside the nested loop of exec()). Returns a flag that tells whether it ran.
inline std::shared_ptr<bool> OnNextModal(std::function<void(QWidget*)> action,
                                         QWidget* except = nullptr, int timeoutMs = 5000) {
    auto done = std::make_shared<bool>(false);
    auto* timer = new QTimer;
    auto elapsed = std::make_shared<int>(0);
    QPointer<QWidget> skip(except);
    QObject::connect(timer, &QTimer::timeout, [=] {
        *elapsed += 10;
        QWidget* w = CurrentModal(skip.data());
        if (w) {
            timer->stop();
            timer->deleteLater();
            *done = true;
            action(w);
        } else if (*elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
    PendingAnswers() << QPointer<QTimer>(timer);
    return done;
}

// Makes a window the active one, as a click on it would.
inline bool Activate(QWidget* w) {
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

// Presses a key on the window that has the focus inside `w`.
inline void Key(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = w->focusWidget() ? w->focusWidget() : w;
    QTest::keyClick(target, key, mods);
}

// Top-level windows that are visible now.
inline QWidgetList VisibleTopLevels() {
    QWidgetList list;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) list << w;
    return list;
}

}  // namespace guitest
