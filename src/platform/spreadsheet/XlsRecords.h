#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <vector>

#include "platform/spreadsheet/SpreadsheetError.h"

// Reading side of BIFF8: the records of a stream and the strings they carry.
// Every read is checked against the bytes present; a shortfall throws
// TSpreadsheetError.
namespace spreadsheet::xls {

[[noreturn]] void ThrowDamaged();

// "#DIV/0!" for 0x07 and the other error codes of cells and formulas; empty
// text for an unknown code.
QString ErrorText(quint8 code);

struct TRecord {
  quint16 Id = 0;
  const uchar* Data = nullptr;
  qsizetype Size = 0;
};

inline quint16 U16At(const uchar* data) {
  return quint16(data[0] | data[1] << 8);
}
inline quint32 U32At(const uchar* data) {
  return quint32(U16At(data)) | quint32(U16At(data + 2)) << 16;
}

// The records of the bytes [begin, end) of a stream.
class TRecordCursor {
 public:
  TRecordCursor(QByteArrayView stream, qsizetype begin, qsizetype end);
  bool AtEnd() const { return position_ >= end_; }
  qsizetype Position() const { return position_; }
  bool NextIs(quint16 id) const;
  TRecord Next();

 private:
  const uchar* bytes_;
  qsizetype position_;
  qsizetype end_;
};

// The data of a record and of the CONTINUE records after it, read as one run
// of bytes, except within the characters of a string: a string cut by a
// CONTINUE goes on with a new option byte that says how its characters are
// stored from there.
class TContinuedData {
 public:
  explicit TContinuedData(const TRecord& record);
  // The record and the CONTINUE records that follow it in the cursor.
  static TContinuedData Gather(const TRecord& record, TRecordCursor& cursor);

  bool AtEnd() const { return left_ == 0; }
  qsizetype BytesLeft() const { return left_; }
  quint8 U8();
  quint16 U16();
  quint32 U32();
  void Skip(quint64 count);

  // A string whose character count was just read: the option byte, the
  // characters, and with richAndPhonetic the formatting runs and phonetic data,
  // which are skipped.
  QString StringAfterCount(quint32 characterCount, bool richAndPhonetic);

 private:
  struct TSegment {
    const uchar* Data;
    qsizetype Size;
  };
  void Append(const TRecord& record);
  void NextSegment();
  quint8 ByteAcrossSegments();
  QString Characters(quint32 count, bool wide);

  std::vector<TSegment> segments_;
  size_t segment_ = 0;
  qsizetype position_ = 0;
  qsizetype left_ = 0;
};

}  // namespace spreadsheet::xls
