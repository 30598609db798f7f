// Program entry.

#include <QApplication>

#include "TfrmMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TfrmMain frmMain;
    frmMain.show();
    app.exec();
    return 0;
}
