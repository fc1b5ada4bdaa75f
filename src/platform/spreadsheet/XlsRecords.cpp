#include "platform/spreadsheet/XlsRecords.h"

#include <QtEndian>
#include <algorithm>

#include "platform/spreadsheet/WorkbookData.h"

namespace spreadsheet::xls {

constexpr quint16 kContinue = 0x003C;

void ThrowDamaged() {
  throw TSpreadsheetError(QString::fromUtf8("文件已损坏或不是有效的 .xls 工作簿，无法读取。"));
}

QString ErrorText(quint8 code) {
  switch (code) {
    case 0x00:
      return QStringLiteral("#NULL!");
    case 0x07:
      return QStringLiteral("#DIV/0!");
    case 0x0F:
      return QStringLiteral("#VALUE!");
    case 0x17:
      return QStringLiteral("#REF!");
    case 0x1D:
      return QStringLiteral("#NAME?");
    case 0x24:
      return QStringLiteral("#NUM!");
    case 0x2A:
      return QStringLiteral("#N/A");
    default:
      return QString();
  }
}

TRecordCursor::TRecordCursor(QByteArrayView stream, qsizetype begin, qsizetype end)
    : bytes_(reinterpret_cast<const uchar*>(stream.data())),
      position_(begin),
      end_(std::min(end, stream.size())) {}

bool TRecordCursor::NextIs(quint16 id) const {
  return end_ - position_ >= 4 && U16At(bytes_ + position_) == id;
}

TRecord TRecordCursor::Next() {
  if (end_ - position_ < 4) ThrowDamaged();
  TRecord record;
  record.Id = U16At(bytes_ + position_);
  record.Size = U16At(bytes_ + position_ + 2);
  if (end_ - position_ - 4 < record.Size) ThrowDamaged();
  record.Data = bytes_ + position_ + 4;
  position_ += 4 + record.Size;
  return record;
}

TContinuedData::TContinuedData(const TRecord& record) {
  Append(record);
}

TContinuedData TContinuedData::Gather(const TRecord& record, TRecordCursor& cursor) {
  TContinuedData data(record);
  while (cursor.NextIs(kContinue)) data.Append(cursor.Next());
  return data;
}

void TContinuedData::Append(const TRecord& record) {
  segments_.push_back({record.Data, record.Size});
  left_ += record.Size;
}

void TContinuedData::NextSegment() {
  if (segment_ + 1 >= segments_.size()) ThrowDamaged();
  ++segment_;
  position_ = 0;
}

quint8 TContinuedData::ByteAcrossSegments() {
  if (left_ < 1) ThrowDamaged();
  while (position_ == segments_[segment_].Size) NextSegment();
  --left_;
  return segments_[segment_].Data[position_++];
}

quint8 TContinuedData::U8() {
  return ByteAcrossSegments();
}

quint16 TContinuedData::U16() {
  const TSegment& current = segments_[segment_];
  if (current.Size - position_ >= 2) {
    position_ += 2;
    left_ -= 2;
    return U16At(current.Data + position_ - 2);
  }
  const quint16 low = ByteAcrossSegments();
  return quint16(low | ByteAcrossSegments() << 8);
}

quint32 TContinuedData::U32() {
  const quint32 low = U16();
  return low | quint32(U16()) << 16;
}

void TContinuedData::Skip(quint64 count) {
  if (count > quint64(left_)) ThrowDamaged();
  left_ -= qsizetype(count);
  qsizetype rest = qsizetype(count);
  while (rest > 0) {
    const qsizetype here = std::min(rest, segments_[segment_].Size - position_);
    position_ += here;
    rest -= here;
    if (rest > 0) NextSegment();
  }
}

QString TContinuedData::StringAfterCount(quint32 characterCount, bool richAndPhonetic) {
  const quint8 options = U8();
  quint16 runCount = 0;
  quint32 phoneticSize = 0;
  if (richAndPhonetic && (options & 0x08)) runCount = U16();
  if (richAndPhonetic && (options & 0x04)) phoneticSize = U32();
  QString text = Characters(characterCount, options & 0x01);
  Skip(4 * quint64(runCount));
  Skip(phoneticSize);
  return text;
}

QString TContinuedData::Characters(quint32 count, bool wide) {
  if (count == 0) return QString();
  // Each character takes at least a byte: a count beyond the bytes left is damage,
  // found before anything is allocated for it.
  if (count > quint64(left_)) ThrowDamaged();
  QString text(qsizetype(count), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(text.data());
  qsizetype done = 0;
  while (done < qsizetype(count)) {
    if (position_ == segments_[segment_].Size) {
      NextSegment();
      wide = ByteAcrossSegments() & 0x01;
      continue;
    }
    const TSegment& current = segments_[segment_];
    const qsizetype available = current.Size - position_;
    const qsizetype n = std::min(qsizetype(count) - done, wide ? available / 2 : available);
    if (n == 0) ThrowDamaged();  // half a character at the end of a record
    const uchar* from = current.Data + position_;
    if (wide) {
      qFromLittleEndian<char16_t>(from, n, out + done);
    } else {
      // Compressed characters are the low bytes of UTF-16 units, whatever the code page.
      for (qsizetype i = 0; i < n; ++i) out[done + i] = from[i];
    }
    const qsizetype used = wide ? 2 * n : n;
    position_ += used;
    left_ -= used;
    done += n;
  }
  return text;
}

}  // namespace spreadsheet::xls
