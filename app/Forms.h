// The game's eleven windows, created once at start-up in this order and kept for the whole run.
#pragma once

#include "TfrmMain.h"
#include "TfrmSetup.h"
#include "dialogs/TAboutForm.h"
#include "dialogs/TExitForm.h"
#include "dialogs/TInputForm.h"
#include "dialogs/TMarkForm.h"
#include "dialogs/TNoMoneyForm.h"
#include "dialogs/TfrmHelp.h"
#include "views/TMeteoForm.h"
#include "views/TOtchetForm.h"
#include "views/TSbrosForm.h"

extern TfrmMain* frmMain;
extern TAboutForm* AboutForm;
extern TOtchetForm* OtchetForm;
extern TMeteoForm* MeteoForm;
extern TExitForm* ExitForm;
extern TSbrosForm* SbrosForm;
extern TInputForm* InputForm;
extern TNoMoneyForm* NoMoneyForm;
extern TMarkForm* MarkForm;
extern TfrmSetup* frmSetup;
extern TfrmHelp* frmHelp;

// Creates the eleven windows in order. Creating the main window reads the settings and starts a
// new game; creating the guide viewer loads the guide.
void CreateForms();

// Destroys them all (the secondary windows belong to the main window).
void DestroyForms();
