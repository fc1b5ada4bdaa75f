#include "platform/printing/PdfTextMaps.h"

#include <QHash>
#include <QList>
#include <QRawFont>
#include <QString>

#include "platform/printing/PrintFont.h"

namespace {

constexpr char16_t kFirstIdeograph = 0x4E00;
constexpr char16_t kLastIdeograph = 0x9FFF;
// Radicals, strokes, kanbun and the other blocks in front of the ideographs
// whose code points a CJK font may map to an ideograph's glyph.
constexpr char16_t kFirstLookalike = 0x2E80;
constexpr char16_t kLastLookalike = 0x33FF;

QString Range(char16_t first, char16_t last) {
  QString text;
  for (char32_t c = first; c <= last; ++c) text.append(QChar(char16_t(c)));
  return text;
}

// The code point to report instead of each look-alike of the print font.
QHash<ushort, ushort> MakeReplacements() {
  QHash<ushort, ushort> replacements{{0x0009, 0x0020}};
  const QRawFont font = QRawFont::fromFont(PrintFont(100));
  const QString ideographs = Range(kFirstIdeograph, kLastIdeograph);
  const QList<quint32> ideographGlyphs = font.glyphIndexesForString(ideographs);
  QHash<quint32, ushort> ideographOfGlyph;
  for (qsizetype i = 0; i < ideographGlyphs.size() && i < ideographs.size(); ++i)
    if (ideographGlyphs[i] != 0 && !ideographOfGlyph.contains(ideographGlyphs[i]))
      ideographOfGlyph.insert(ideographGlyphs[i], ideographs[i].unicode());
  const QString lookalikes = Range(kFirstLookalike, kLastLookalike);
  const QList<quint32> lookalikeGlyphs = font.glyphIndexesForString(lookalikes);
  for (qsizetype i = 0; i < lookalikeGlyphs.size() && i < lookalikes.size(); ++i) {
    const auto found = ideographOfGlyph.constFind(lookalikeGlyphs[i]);
    if (lookalikeGlyphs[i] != 0 && found != ideographOfGlyph.cend())
      replacements.insert(lookalikes[i].unicode(), *found);
  }
  return replacements;
}

const QHash<ushort, ushort>& Replacements() {
  static const QHash<ushort, ushort> kReplacements = MakeReplacements();
  return kReplacements;
}

// The positions of the four hex digits of each code "<XXXX>" from from to to.
QList<qsizetype> CodesIn(const QByteArray& pdf, qsizetype from, qsizetype to) {
  QList<qsizetype> codes;
  for (qsizetype at = pdf.indexOf('<', from); at >= 0 && at + 5 < to;
       at = pdf.indexOf('<', at + 1)) {
    if (pdf[at + 5] == '>') codes.append(at + 1);
  }
  return codes;
}

void Replace(QByteArray& pdf, qsizetype code) {
  bool ok = false;
  const ushort value = pdf.mid(code, 4).toUShort(&ok, 16);
  const auto found = Replacements().constFind(value);
  if (!ok || found == Replacements().cend()) return;
  const QByteArray hex = QByteArray::number(*found, 16).toUpper().rightJustified(4, '0');
  pdf.replace(code, 4, hex);
}

// One line of a "beginbfrange" section: "<first> <last> [<u1> <u2> ...]" gives
// each glyph its code point; "<first> <last> <u>" gives a range of glyphs
// consecutive code points, which is changed only for a single glyph.
void RepairRangeLine(QByteArray& pdf, qsizetype from, qsizetype to) {
  const QList<qsizetype> codes = CodesIn(pdf, from, to);
  if (codes.size() < 3) return;
  const qsizetype bracket = pdf.indexOf('[', from);
  if (bracket >= 0 && bracket < to) {
    for (qsizetype i = 2; i < codes.size(); ++i) Replace(pdf, codes[i]);
  } else if (codes.size() == 3 && pdf.mid(codes[0], 4) == pdf.mid(codes[1], 4)) {
    Replace(pdf, codes[2]);
  }
}

}  // namespace

QByteArray WithPlainCharacterMaps(QByteArray pdf) {
  static const QByteArray kBegin = "beginbfrange";
  static const QByteArray kEnd = "endbfrange";
  for (qsizetype begin = pdf.indexOf(kBegin); begin >= 0; begin = pdf.indexOf(kBegin, begin)) {
    const qsizetype end = pdf.indexOf(kEnd, begin);
    if (end < 0) break;
    for (qsizetype line = pdf.indexOf('\n', begin) + 1; line > 0 && line < end;) {
      qsizetype lineEnd = pdf.indexOf('\n', line);
      if (lineEnd < 0 || lineEnd > end) lineEnd = end;
      RepairRangeLine(pdf, line, lineEnd);
      line = lineEnd + 1;
    }
    begin = end;
  }
  return pdf;
}
