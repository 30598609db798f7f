// The window "Руководство пользователя": the user guide, read once at start-up.
#pragma once

#include <QString>
#include <QStringList>

#include "ui/TForm.h"

class QPlainTextEdit;

class TfrmHelp : public ui::TForm {
    Q_OBJECT
public:
    // The guide's file, looked for in the current working folder.
    static inline const QString GuideFileName = QStringLiteral("tarnova.txt");
    static inline const QString GuideErrorText =
        QStringLiteral("Ошибка при открытии файла \"tarnova.txt\". Справка не доступна.");

    // Creating the window loads the guide (FormCreate).
    explicit TfrmHelp(QWidget* parent);

    // Shows the guide beside the main window, without modality, and brings it to the front.
    void ShowGuide();

    // Reads a guide file: code page 1251, lines ended by CR LF. Returns false when the file cannot
    // be opened or read.
    static bool ReadGuide(const QString& path, QStringList& lines);

    // The lines the viewer shows.
    const QStringList& Lines() const { return lines; }

    QPlainTextEdit* memText = nullptr;

protected:
    void FormCreate();

private:
    QStringList lines;
};
