// The window "Оценка действий": the grade of a finished game.
#pragma once

#include <QStringList>

#include "ui/TForm.h"

class QLabel;
class QPushButton;
class QTextEdit;

class TMarkForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TMarkForm(QWidget* parent);

    // Fills the grade for the penalty points and shows it modally. The caller starts the new game
    // once it returns.
    void ShowGrade(int PenaltyPoints);

    // The lines of Memo1 as they stand now.
    QStringList MemoLines() const;

    // Controls, in the window's declaration order.
    QTextEdit* Memo1 = nullptr;
    QPushButton* btnNewGame = nullptr;
    QLabel* Label1 = nullptr;

public slots:
    // The close box ends the window exactly as "Новая игра" does.
    void reject() override;

private:
    void AddLine(const QString& line);
    int memoLineCount = 0;
};
