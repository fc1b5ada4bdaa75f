#pragma once

#include <QStringView>
#include <QtGlobal>

// The menu code written in Menu.ini: a decimal integer with an optional sign, or
// "0x"/"0X" followed by hexadecimal digits, surrounded by optional blanks. Any
// other text, and a number outside the range of a 32-bit signed integer, is 0.
qint32 ParseMenuCode(QStringView text);
