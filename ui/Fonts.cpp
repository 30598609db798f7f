// The game's type faces.

#include "Fonts.h"

namespace ui {

QString FamilyFor(Face face) {
    switch (face) {
    case Face::Impact: return QStringLiteral("PT Sans Narrow");
    case Face::ArialBlack: return QStringLiteral("PT Sans Caption");
    case Face::CourierNew: return QStringLiteral("Liberation Mono");
    case Face::Arial:
    case Face::MsSansSerif: break;
    }
    return QStringLiteral("Liberation Sans");
}

QFont Font(Face face, int pixelHeight, bool bold) {
    QFont f(FamilyFor(face));
    f.setPixelSize(pixelHeight);
    // The heavy design faces are bold by nature.
    f.setBold(bold || face == Face::Impact || face == Face::ArialBlack);
    f.setStyleHint(face == Face::CourierNew ? QFont::TypeWriter : QFont::SansSerif);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

}  // namespace ui
