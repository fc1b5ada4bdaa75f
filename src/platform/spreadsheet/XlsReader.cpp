#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/spreadsheet/CompoundFile.h"
#include "platform/spreadsheet/NumberText.h"
#include "platform/spreadsheet/XlsFormat.h"
#include "platform/spreadsheet/XlsRecords.h"

// Cell texts only: formats (XF, FORMAT) are not read, so a date cell reads as
// its serial number and every number as GeneralNumberText.
namespace spreadsheet {
namespace {

using xls::TContinuedData;
using xls::ThrowDamaged;
using xls::TRecord;
using xls::TRecordCursor;
using xls::U16At;
using xls::U32At;

enum : quint16 {
  Formula = 0x0006,
  Eof = 0x000A,
  FilePass = 0x002F,
  BoundSheet = 0x0085,
  MulRk = 0x00BD,
  RString = 0x00D6,
  Sst = 0x00FC,
  LabelSst = 0x00FD,
  Number = 0x0203,
  Label = 0x0204,
  BoolErr = 0x0205,
  String = 0x0207,
  Array = 0x0221,
  Table = 0x0236,
  Rk = 0x027E,
  SharedFormula = 0x04BC,
  Bof = 0x0809,
};

constexpr quint16 kBiff8 = 0x0600;
constexpr int kColumnLimit = 256;
// The grid is dense, so a few cells far out would cost much memory; these bound
// a whole workbook at about one full sheet of cells.
constexpr qsizetype kRowSlotLimit = qsizetype(1) << 22;
constexpr qsizetype kCellSlotLimit = qsizetype(1) << 24;

[[noreturn]] void ThrowUnsupportedVersion() {
  throw TSpreadsheetError(QString::fromUtf8("不支持的 .xls 文件版本"));
}

struct TSheetEntry {
  QString Name;
  qsizetype Offset = 0;
};

struct TGlobals {
  std::vector<TSheetEntry> Worksheets;
  std::vector<qsizetype> SheetOffsets;  // of every sheet, charts and macros too
  std::vector<QString> Strings;
  qsizetype End = 0;
};

void CheckBiff8Bof(const TRecord& bof) {
  // BOF records of BIFF2 to BIFF4 have other ids; BIFF5 shares the id.
  if (bof.Id == 0x0009 || bof.Id == 0x0209 || bof.Id == 0x0409) ThrowUnsupportedVersion();
  if (bof.Id != Bof || bof.Size < 4) ThrowDamaged();
  if (U16At(bof.Data) != kBiff8) ThrowUnsupportedVersion();
}

void ReadBoundSheet(const TRecord& record, TGlobals& globals) {
  if (record.Size < 8) ThrowDamaged();
  const qsizetype offset = U32At(record.Data);
  globals.SheetOffsets.push_back(offset);
  if (record.Data[5] != 0) return;  // a chart, macro or module sheet
  TContinuedData data(record);
  data.Skip(6);
  const quint8 length = data.U8();
  globals.Worksheets.push_back({data.StringAfterCount(length, false), offset});
}

std::vector<QString> ReadSharedStrings(TContinuedData data) {
  data.U32();  // references to the table, not needed
  const quint32 uniqueCount = data.U32();
  std::vector<QString> strings;
  // Every string takes at least three bytes.
  strings.reserve(std::min<quint64>(uniqueCount, quint64(data.BytesLeft()) / 3));
  for (quint32 i = 0; i < uniqueCount && !data.AtEnd(); ++i) {
    const quint16 length = data.U16();
    strings.push_back(data.StringAfterCount(length, true));
  }
  return strings;
}

TGlobals ReadGlobals(QByteArrayView stream) {
  TRecordCursor cursor(stream, 0, stream.size());
  CheckBiff8Bof(cursor.Next());
  TGlobals globals;
  for (;;) {
    const TRecord record = cursor.Next();
    switch (record.Id) {
      case Eof:
        globals.End = cursor.Position();
        return globals;
      case FilePass:
        throw TSpreadsheetError(QString::fromUtf8("文件已加密，无法读取"));
      case BoundSheet:
        ReadBoundSheet(record, globals);
        break;
      case Sst:
        globals.Strings = ReadSharedStrings(TContinuedData::Gather(record, cursor));
        break;
      default:
        break;
    }
  }
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

QString BooleanText(quint8 value) {
  return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

double DoubleAt(const uchar* data) {
  return qFromLittleEndian<double>(data);
}

double RkValue(quint32 rk) {
  double value;
  if (rk & 0x02) {
    value = double(qint32(rk) >> 2);
  } else {
    const quint64 bits = quint64(rk & 0xFFFFFFFC) << 32;
    std::memcpy(&value, &bits, sizeof value);
  }
  return (rk & 0x01) ? value / 100 : value;
}

// The slots the dense grids of one workbook have taken.
struct TGridBudget {
  qsizetype RowSlots = 0;
  qsizetype CellSlots = 0;

  void Check() const {
    if (RowSlots > kRowSlotLimit || CellSlots > kCellSlotLimit)
      throw TSpreadsheetError(QString::fromUtf8("工作簿太大，无法读取。"));
  }
};

constexpr qsizetype kRowReserveLimit = 65536;

class TSheetReader {
 public:
  TSheetReader(const std::vector<QString>& strings, TGridBudget& budget)
      : strings_(strings), budget_(budget) {}

  void Read(QByteArrayView stream, qsizetype begin, qsizetype end, TSheetData& sheet) {
    sheet_ = &sheet;
    // Room for the rows the sheet's records can hold at most (a cell record
    // takes at least ten bytes), so that the row list is not moved as it grows.
    sheet.Rows.reserve(size_t(std::min<qsizetype>((end - begin) / 10, kRowReserveLimit)));
    budget_.RowSlots += qsizetype(sheet.Rows.capacity());
    budget_.Check();
    TRecordCursor cursor(stream, begin, end);
    if (cursor.Next().Id != Bof) ThrowDamaged();
    // Embedded charts are substreams of their own, from BOF to EOF.
    int depth = 1;
    while (depth > 0) {
      const TRecord record = cursor.Next();
      if (record.Id == Bof) {
        ++depth;
      } else if (record.Id == Eof) {
        --depth;
      } else if (depth == 1) {
        ReadRecord(record, cursor);
      }
    }
  }

 private:
  void ReadRecord(const TRecord& record, TRecordCursor& cursor) {
    const uchar* data = record.Data;
    const qsizetype size = record.Size;
    switch (record.Id) {
      case LabelSst: {
        if (size < 10) ThrowDamaged();
        const quint32 index = U32At(data + 6);
        if (index >= strings_.size()) ThrowDamaged();
        Put(data, strings_[index]);
        break;
      }
      case Label:
      case RString: {
        if (size < 9) ThrowDamaged();
        TContinuedData text = TContinuedData::Gather(record, cursor);
        text.Skip(6);
        const quint16 length = text.U16();
        Put(data, text.StringAfterCount(length, false));
        break;
      }
      case Number:
        if (size < 14) ThrowDamaged();
        PutNumber(data, DoubleAt(data + 6));
        break;
      case Rk:
        if (size < 10) ThrowDamaged();
        PutNumber(data, RkValue(U32At(data + 6)));
        break;
      case MulRk:
        ReadMulRk(record);
        break;
      case BoolErr:
        if (size < 8) ThrowDamaged();
        Put(data, data[7] ? ErrorText(data[6]) : BooleanText(data[6]));
        break;
      case Formula:
        ReadFormula(record);
        return;  // keeps a string result pending
      case String:
        if (pendingString_) {
          TContinuedData text = TContinuedData::Gather(record, cursor);
          const quint16 length = text.U16();
          PutAt(pendingRow_, pendingColumn_, text.StringAfterCount(length, false));
        }
        break;
      case Array:
      case SharedFormula:
      case Table:
        return;  // may come between a formula and its string result
      default:
        break;
    }
    pendingString_ = false;
  }

  void ReadMulRk(const TRecord& record) {
    if (record.Size < 12) ThrowDamaged();
    const int row = U16At(record.Data);
    const int firstColumn = U16At(record.Data + 2);
    const qsizetype count = (record.Size - 6) / 6;
    for (qsizetype i = 0; i < count; ++i)
      PutNumberAt(row, firstColumn + int(i), RkValue(U32At(record.Data + 4 + 6 * i + 2)));
  }

  void ReadFormula(const TRecord& record) {
    pendingString_ = false;
    if (record.Size < 20) ThrowDamaged();
    const uchar* result = record.Data + 6;
    if (U16At(result + 6) != 0xFFFF) {
      PutNumber(record.Data, DoubleAt(result));
      return;
    }
    switch (result[0]) {
      case 0:  // the text follows in a STRING record
        pendingString_ = true;
        pendingRow_ = U16At(record.Data);
        pendingColumn_ = U16At(record.Data + 2);
        break;
      case 1:
        Put(record.Data, BooleanText(result[2]));
        break;
      case 2:
        Put(record.Data, ErrorText(result[2]));
        break;
      default:  // an empty text
        Put(record.Data, QString());
        break;
    }
  }

  void PutNumber(const uchar* cell, double value) {
    PutNumberAt(U16At(cell), U16At(cell + 2), value);
  }

  void PutNumberAt(int row, int column, double value) {
    PutAt(row, column, GeneralNumberText(value));
    if (IsInexactNumber(value)) sheet_->MarkInexactNumber(row, column);
  }

  void Put(const uchar* cell, QString text) {
    PutAt(U16At(cell), U16At(cell + 2), std::move(text));
  }

  void PutAt(int row, int column, QString text) {
    if (column >= kColumnLimit) ThrowDamaged();
    std::vector<QStringList>& rows = sheet_->Rows;
    const size_t rowIndex = size_t(row);
    if (rowIndex >= rows.size()) {
      if (text.isEmpty()) return;
      const size_t before = rows.capacity();
      rows.resize(rowIndex + 1);
      budget_.RowSlots += qsizetype(rows.capacity() - before);
      budget_.Check();
    }
    QStringList& cells = rows[rowIndex];
    if (column >= cells.size()) {
      if (text.isEmpty()) return;
      const qsizetype before = cells.capacity();
      // Rows tend to be as wide as the one before.
      if (cells.isEmpty()) cells.reserve(std::max(column + 1, lastWidth_));
      cells.resize(column + 1);
      budget_.CellSlots += cells.capacity() - before;
      budget_.Check();
    }
    cells[column] = std::move(text);
    lastWidth_ = int(cells.size());
  }

  const std::vector<QString>& strings_;
  TGridBudget& budget_;
  TSheetData* sheet_ = nullptr;
  int lastWidth_ = 0;
  bool pendingString_ = false;
  int pendingRow_ = 0;
  int pendingColumn_ = 0;
};

QByteArray WorkbookStream(const QByteArray& file) {
  if (!IsCompoundFile(file)) ThrowDamaged();
  try {
    return ReadCompoundStream(file, QStringLiteral("Workbook"));
  } catch (const TSpreadsheetError&) {
    // Workbooks before BIFF8 keep their records in a stream named "Book".
    bool older = false;
    try {
      older = !ReadCompoundStream(file, QStringLiteral("Book")).isEmpty();
    } catch (const TSpreadsheetError&) {
    }
    if (older) ThrowUnsupportedVersion();
    // An encrypted .xlsx is a compound file holding the encrypted package.
    bool encrypted = false;
    try {
      encrypted = !ReadCompoundStream(file, QStringLiteral("EncryptedPackage")).isEmpty();
    } catch (const TSpreadsheetError&) {
    }
    if (encrypted) throw TSpreadsheetError(QString::fromUtf8("文件已加密，无法读取"));
    throw;
  }
}

}  // namespace

TWorkbookData ReadXls(const QByteArray& file) {
  const QByteArray stream = WorkbookStream(file);
  const TGlobals globals = ReadGlobals(stream);

  // Each sheet's records end where the next sheet begins, so no byte is read
  // twice however the offsets are arranged.
  std::vector<qsizetype> starts = globals.SheetOffsets;
  std::sort(starts.begin(), starts.end());
  if (std::adjacent_find(starts.begin(), starts.end()) != starts.end()) ThrowDamaged();

  TWorkbookData workbook;
  workbook.Sheets.reserve(globals.Worksheets.size());
  TGridBudget budget;
  for (const TSheetEntry& entry : globals.Worksheets) {
    if (entry.Offset < globals.End || entry.Offset >= stream.size()) ThrowDamaged();
    const auto next = std::upper_bound(starts.begin(), starts.end(), entry.Offset);
    const qsizetype end = next == starts.end() ? stream.size() : *next;
    TSheetData& sheet = workbook.Sheets.emplace_back();
    sheet.Name = entry.Name;
    TSheetReader(globals.Strings, budget).Read(stream, entry.Offset, end, sheet);
  }
  return workbook;
}

}  // namespace spreadsheet
