// The game's eleven windows.

#include "Forms.h"

TfrmMain* frmMain = nullptr;
TAboutForm* AboutForm = nullptr;
TOtchetForm* OtchetForm = nullptr;
TMeteoForm* MeteoForm = nullptr;
TExitForm* ExitForm = nullptr;
TSbrosForm* SbrosForm = nullptr;
TInputForm* InputForm = nullptr;
TNoMoneyForm* NoMoneyForm = nullptr;
TMarkForm* MarkForm = nullptr;
TfrmSetup* frmSetup = nullptr;
TfrmHelp* frmHelp = nullptr;

void CreateForms() {
    // The pictures are compiled into the windows' static library; make sure they are registered.
    static const bool registered = [] {
        Q_INIT_RESOURCE(assets);
        return true;
    }();
    Q_UNUSED(registered);
    frmMain = new TfrmMain;
    AboutForm = new TAboutForm(frmMain);
    OtchetForm = new TOtchetForm(frmMain);
    MeteoForm = new TMeteoForm(frmMain);
    ExitForm = new TExitForm(frmMain);
    SbrosForm = new TSbrosForm(frmMain);
    InputForm = new TInputForm(frmMain);
    NoMoneyForm = new TNoMoneyForm(frmMain);
    MarkForm = new TMarkForm(frmMain);
    frmSetup = new TfrmSetup(frmMain);
    frmHelp = new TfrmHelp(frmMain);
}

void DestroyForms() {
    delete frmMain;
    frmMain = nullptr;
    AboutForm = nullptr;
    OtchetForm = nullptr;
    MeteoForm = nullptr;
    ExitForm = nullptr;
    SbrosForm = nullptr;
    InputForm = nullptr;
    NoMoneyForm = nullptr;
    MarkForm = nullptr;
    frmSetup = nullptr;
    frmHelp = nullptr;
}
