// Window zoom: the main window grows by 50 x 66 pixels a step, up to three steps.
#pragma once

#include <QRect>
#include <QSize>

class TfrmMain;

namespace Zoom {

inline constexpr int MaxLevel = 3;
inline constexpr int StepWidth = 50;
inline constexpr int StepHeight = 66;

// The design layout, at level 0.
inline constexpr QSize ClientAt0{441, 265};
inline constexpr QRect Image1At0{16, 48, 265, 200};
inline constexpr QRect Bevel1At0{8, 40, 425, 217};
inline constexpr QRect Bevel2At0{288, 48, 17, 201};
inline constexpr int ButtonsLeftAt0 = 296;

// One step up or down; nothing at the last level. The window disappears and comes back centred.
void ZoomIn(TfrmMain& f);
void ZoomOut(TfrmMain& f);

// Applies the level read from the settings file before the window is first shown.
void ApplyStored(TfrmMain& f, int level);

}  // namespace Zoom
