#pragma once

#include <QString>

namespace songtao {

// Text to integer as the librarian's boxes are read: leading blanks skipped,
// an optional sign, then decimal digits (full-width ones too) up to the
// first other character. No digits give 0; values beyond 32 bits saturate.
int textToInt(const QString &text);

// Integers in plain decimal, no separators or leading zeros.
QString integerText(qint64 value);

// Reals with at most 13 significant digits and no trailing zeros
// (the C format "%.13g"): 9.5, 15, 1234567890123.
QString realText(double value);

} // namespace songtao
