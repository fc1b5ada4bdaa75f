#include "platform/printing/PrintFont.h"

QFont PrintFont(int size, bool bold) {
  QFont font(QStringLiteral("Noto Serif CJK SC"));
  // Pixels of the layout, which the page scales: the same size on paper, in
  // the preview and in a PDF.
  font.setPixelSize(size);
  font.setBold(bold);
  // Hinted widths differ from device to device; unhinted ones make a band as
  // long in the preview as on paper.
  font.setHintingPreference(QFont::PreferNoHinting);
  // Shaping may give a glyph that the font maps no character to (the font's
  // Latin letters and digits have such variants), and a PDF reader then finds
  // no text for it. Chinese and Latin text need no shaping.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}
