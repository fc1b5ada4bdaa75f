#pragma once

#include <QString>

// The text a spreadsheet shows for a number in the general format, as the
// readers give numeric cells: 12345678901234 (not 1.23457E+13), 0.5 (not .5),
// whole numbers of up to 17 digits in full, others with up to 15 significant
// digits (0.1 + 0.2 shows as 0.3).
QString GeneralNumberText(double value);

// A number whose general text has lost digits or is in exponent form: 1e15 and
// beyond (more than 15 significant digits), or below 0.0001.
bool IsInexactNumber(double value);
