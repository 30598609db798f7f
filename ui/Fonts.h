// The game's type faces, mapped to installed faces that have Cyrillic letters.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace ui {

// The faces the windows were designed with.
enum class Face { Impact, Arial, ArialBlack, MsSansSerif, CourierNew };

// The installed family that stands in for a design face:
//   Impact        -> PT Sans Narrow (bold): a narrow, heavy sans with full Cyrillic
//   Arial         -> Liberation Sans: metric-compatible with Arial
//   Arial Black   -> PT Sans Caption (bold): a wide, heavy sans
//   MS Sans Serif -> Liberation Sans: the same proportions at small sizes
//   Courier New   -> Liberation Mono: metric-compatible with Courier New
QString FamilyFor(Face face);

// A font of the face with the given character height in pixels.
QFont Font(Face face, int pixelHeight, bool bold = false);

// The standard colours the windows use.
inline const QColor clNavy{0, 0, 128};
inline const QColor clBlue{0, 0, 255};
inline const QColor clRed{255, 0, 0};
inline const QColor clBlack{0, 0, 0};
inline const QColor clAqua{0, 255, 255};

}  // namespace ui
