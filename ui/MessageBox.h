// Message boxes with the flags the game uses: an icon, a button set and a caption.
#pragma once

#include <QString>

class QWidget;

namespace ui {

// Flags, combined by adding them.
enum MessageFlags {
    MB_OK = 0,
    MB_YESNO = 4,
    MB_ICONERROR = 16,
    MB_ICONQUESTION = 32,
    MB_ICONEXCLAMATION = 48,
};

// Results.
enum MessageResult { IDOK = 1, IDYES = 6, IDNO = 7 };

// The application's title: the program file's name without its extension.
QString ApplicationTitle();

// Shows a modal box centred on the screen and returns the button pressed. An empty caption
// carries the application's title. OK boxes close on Enter, Esc or the close box; Yes/No boxes
// have no close box and answer only by their buttons ("Да", "Нет").
int MessageBox(QWidget* parent, const QString& text, const QString& caption, int flags);

// The boxes with the caption "Ошибка" and the exclamation icon that report file errors.
void ErrorBox(QWidget* parent, const QString& text);

}  // namespace ui
