// The base of the game's secondary windows: a fixed client size, centred on the screen, with the
// dialog keys the game expects.
#pragma once

#include <QDialog>

class QPushButton;

namespace ui {

// Moves a top-level window so that it stands in the centre of its screen.
void CenterOnScreen(QWidget* w);

class TForm : public QDialog {
    Q_OBJECT
public:
    enum class Border {
        Single,        // fixed single border, system menu with the close box only
        SingleNoClose, // fixed border and a title, no system menu and no close box
        None,          // no border and no title bar at all
        Sizeable,      // ordinary resizable window with minimise and maximise boxes
    };

    TForm(QWidget* parent, const QString& caption, QSize client, Border border = Border::Single);

    // Esc presses this button; without one, Esc does nothing.
    void setCancelButton(QPushButton* b) { cancelButton = b; }

    // Shows the window modally, centred on the screen, and returns when it closes.
    int ShowModal();

    // Every showing places the window in the centre of the screen, not over its parent.
    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    // Every opening gives the keyboard focus to the first control in the tab order (Qt would give
    // it to the default button). A window that wants another control focused sets it after
    // calling this.
    void showEvent(QShowEvent* e) override;

private:
    QPushButton* cancelButton = nullptr;
};

}  // namespace ui
