// Real numbers as the player reads them.

#include "NumberText.h"

#include <charconv>

namespace views {

QString NumberText(float value, int digits) {
    // A negative zero keeps no sign: the player sees 0.
    if (value == 0.0f) return QStringLiteral("0");
    // std::to_chars never consults a locale, and its general format with a precision is defined
    // as printf's "%.*g" in the C locale, which is what gcvt writes.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                      std::chars_format::general, digits);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

}  // namespace views
