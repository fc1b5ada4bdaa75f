#pragma once

#include <QFont>

// The face of every printed text, named explicitly so that no glyph comes from
// a fallback font (scripts/setup installs it with fonts-noto-cjk). Sizes are in
// tenths of a millimetre: 35 is about 10 points.
QFont PrintFont(int size, bool bold = false);
