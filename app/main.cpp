// Program entry: the application object, the eleven windows, the message loop.

#include <QApplication>

#include <exception>

#include "Forms.h"
#include "ui/MessageBox.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    try {
        CreateForms();
        frmMain->show();
        app.exec();
        DestroyForms();
    } catch (const std::exception& e) {
        ui::MessageBox(nullptr, QString::fromLocal8Bit(e.what()), QString(), ui::MB_ICONERROR);
    }
    return 0;
}
