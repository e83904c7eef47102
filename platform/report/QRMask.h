#pragma once

#include <QString>

// Writes a number through a display mask such as "0.00 €". The digits of the mask run from its
// first to its last '0' or '#'; the text before and after them is written as it stands. Before
// the mask's point, each '0' is a digit always written; after it, each '0' is a decimal always
// written and each '#' a decimal written unless it is a trailing zero. The number is rounded
// half away from zero on its decimal value, the point is the user's decimal separator, digits are
// not grouped, and a minus sign leads a negative number that does not round to zero.
QString FormatMask(double value, const QString& mask);
