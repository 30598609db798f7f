// The window "Ввод данных": the five decisions of the next cycle.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <cstdint>
#include <functional>
#include <stdexcept>

#include "ui/TForm.h"
#include "ui/Widgets.h"

#include "GameState.h"

// The verdict of the running OK check: 1 while no field has been found out of range, 0 as soon
// as one has.
extern std::int32_t InputValid;

// The failure of a text-to-integer conversion. Its message reads "'<text>' is not a valid integer
// value"; the general error report adds the full stop when it shows it.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a whole number written in decimal digits with an optional leading sign; leading blanks
// are skipped. Anything else (an empty text, a lone sign, letters, blanks after the number, a
// value outside 32 bits) throws EConvertError.
std::int32_t StrToInt(const QString& text);

// The general error report: runs an event handler and shows any error that escapes it in a box
// with the error icon and the application's title; the rest of the handler is abandoned.
void RunHandler(QWidget* parent, const std::function<void()>& handler);

class TInputForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TInputForm(QWidget* parent);

    // Loads the game's decisions into the fields, shows the dialog modally and, when the player
    // accepted it, writes the five values back into the game. A cancel writes nothing.
    void Execute(tarnova::GameState& g);

    // True when the last showing ended through a successful OK check.
    bool Accepted() const { return accepted; }

    // Controls, in the window's declaration order.
    ui::TPanel* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QPushButton* btnOk = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QPushButton* btnCancel = nullptr;
    QLineEdit* Edit6 = nullptr;

    // Event handlers.
    void btnOkClick();
    void Edit2Enter();
    void Edit3Enter();
    void Edit4Enter();
    void Edit1Enter();
    void Edit5Enter();
    void btnOkEnter();
    void btnCancelEnter();
    void FormActivate();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The five fields in the order of the decisions.
    QLineEdit* Field(int index) const;
    bool accepted = false;
};
