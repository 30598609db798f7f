// Real numbers as the player reads them: N significant digits, the point as separator.
#pragma once

#include <QString>

namespace views {

// The text that gcvt writes for `value` with `digits` significant digits: the general ("%g")
// conversion of the value widened to double, without the alternate form. Exponent form when the
// rounded value's decimal exponent is below -4 or at least `digits` ("1e+03", "1.235e+04"),
// otherwise fixed form without trailing zeros ("10", "56.6", "0.5"). Zero is "0". The separator is
// always the point, whatever the process's C, C++ or Qt locale.
QString NumberText(float value, int digits);

}  // namespace views
