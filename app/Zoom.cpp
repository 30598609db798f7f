// Window zoom.

#include "Zoom.h"

#include "TfrmMain.h"
#include "ui/Widgets.h"

namespace Zoom {

namespace {

// Grows (steps > 0) or shrinks the window and the controls that follow its size.
void Resize(TfrmMain& f, int steps) {
    const int dw = StepWidth * steps, dh = StepHeight * steps;
    f.SetClientSize(f.Client()->size() + QSize(dw, dh));
    f.Image1->resize(f.Image1->size() + QSize(dw, dh));
    f.Bevel1->resize(f.Bevel1->size() + QSize(dw, dh));
    f.Bevel2->setGeometry(f.Bevel2->geometry().adjusted(dw, 0, dw, dh));
    for (QWidget* b : {f.btnOtchet, f.btnMeteo, f.btnSbros, f.btnInput, f.btnGo, f.btnExit})
        b->move(b->x() + dw, b->y());
    f.CenterOnScreenWhenShown();
}

void SetZoomInEnabled(TfrmMain& f, bool on) {
    f.btnZoomIn->setEnabled(on);
    f.miZoomIn->setEnabled(on);
}

void SetZoomOutEnabled(TfrmMain& f, bool on) {
    f.btnZoomOut->setEnabled(on);
    f.miZoomOut->setEnabled(on);
}

}  // namespace

void ZoomIn(TfrmMain& f) {
    if (f.ZoomLevel >= MaxLevel) return;
    f.hide();
    f.ZoomLevel = f.ZoomLevel + 1;
    Resize(f, 1);
    f.show();
    f.raise();
    f.activateWindow();
    if (f.ZoomLevel == MaxLevel) SetZoomInEnabled(f, false);
    if (f.ZoomLevel == 1) SetZoomOutEnabled(f, true);
}

void ZoomOut(TfrmMain& f) {
    if (f.ZoomLevel <= 0) return;
    f.hide();
    f.ZoomLevel = f.ZoomLevel - 1;
    Resize(f, -1);
    f.show();
    f.raise();
    f.activateWindow();
    if (f.ZoomLevel == 0) SetZoomOutEnabled(f, false);
    if (f.ZoomLevel == MaxLevel - 1) SetZoomInEnabled(f, true);
}

void ApplyStored(TfrmMain& f, int level) {
    if (level >= 1 && level <= MaxLevel) {
        Resize(f, level);
        if (level == MaxLevel) SetZoomInEnabled(f, false);
        if (level == 1) SetZoomOutEnabled(f, true);
    } else {
        SetZoomOutEnabled(f, false);
    }
}

}  // namespace Zoom
