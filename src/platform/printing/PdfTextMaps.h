#pragma once

#include <QByteArray>

// Qt tells a PDF reader which character each glyph of a font stands for (what
// a clerk copies or searches) by the lowest code point the font maps to the
// glyph. The CJK print font draws the Kangxi and supplementary radicals, the
// strokes and the kanbun marks with the glyphs of the ideographs, so 日 would
// come out of the PDF as the radical ⽇ (U+2F47), and a space as a tab. This
// puts the ideographs and the space back into the PDF's character maps.
//
// Qt writes those maps uncompressed, and a code keeps its length, so every
// offset in the file stays valid. A PDF without such maps is returned as it is.
QByteArray WithPlainCharacterMaps(QByteArray pdf);
