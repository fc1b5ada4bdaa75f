#include "platform/codec/GbkTable.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace codec::detail {
namespace {

// The platform converter's reading of one or two bytes: the character, or 0 when
// they are not exactly one valid character.
char16_t Decode(QStringDecoder& decoder, QByteArrayView bytes, QString& scratch) {
  decoder.resetState();
  scratch = decoder.decode(bytes);
  if (decoder.hasError() || scratch.size() != 1 || scratch[0] == QChar::ReplacementCharacter)
    return 0;
  return scratch[0].unicode();
}

}  // namespace

GbkTable::GbkTable() {
  QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
  QString scratch;
  for (int b = 0x80; b <= 0xFF; ++b) {
    if (IsLead(uint8_t(b))) continue;
    const char byte = char(b);
    singles_[b - 0x80] = Decode(decoder, QByteArrayView(&byte, 1), scratch);
  }
  // All pairs in one pass, each followed by a line feed (never a trail byte):
  // a valid pair reads as exactly one character before its line feed.
  QByteArray all;
  all.reserve(kLeads * kTrails * 3);
  for (int lead = 0x81; lead <= 0xFE; ++lead)
    for (int trail = 0x40; trail <= 0xFE; ++trail)
      all.append(char(lead)).append(char(trail)).append('\n');
  decoder.resetState();
  const QString text = decoder.decode(all);
  qsizetype pos = 0;
  for (int i = 0; i < kLeads * kTrails; ++i) {
    const qsizetype end = text.indexOf(u'\n', pos);
    if (end == pos + 1 && text[pos] != QChar::ReplacementCharacter) pairs_[i] = text[pos].unicode();
    pos = end + 1;
  }
  // Codes for writing: the single bytes first, so that the euro sign is 0x80.
  for (int b = 0x80; b <= 0xFF; ++b)
    if (char16_t ch = singles_[b - 0x80]; ch && !codes_[ch]) codes_[ch] = uint16_t(b);
  for (int i = 0; i < kLeads * kTrails; ++i) {
    const char16_t ch = pairs_[i];
    if (ch && !codes_[ch])
      codes_[ch] = uint16_t(((0x81 + i / kTrails) << 8) | (0x40 + i % kTrails));
  }
}

const GbkTable& GbkTable::Instance() {
  static const GbkTable* table = new GbkTable();  // built once, kept for the run
  return *table;
}

}  // namespace codec::detail
