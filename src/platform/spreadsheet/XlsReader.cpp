#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "platform/spreadsheet/CompoundFile.h"
#include "platform/spreadsheet/NumberText.h"
#include "platform/spreadsheet/UnstoredFormulas.h"
#include "platform/spreadsheet/XlsFormat.h"
#include "platform/spreadsheet/XlsFormulaTokens.h"
#include "platform/spreadsheet/XlsRecords.h"

// Cell texts only: formats (XF, FORMAT) are not read, so a date cell reads as
// its serial number and every number as GeneralNumberText.
namespace spreadsheet {
namespace {

using xls::ErrorText;
using xls::TContinuedData;
using xls::ThrowDamaged;
using xls::TRecord;
using xls::TRecordCursor;
using xls::U16At;
using xls::U32At;

enum : quint16 {
  Formula = 0x0006,
  Eof = 0x000A,
  ExternSheet = 0x0017,
  FilePass = 0x002F,
  ColInfo = 0x007D,
  BoundSheet = 0x0085,
  MulRk = 0x00BD,
  RString = 0x00D6,
  Sst = 0x00FC,
  SupBook = 0x01AE,
  RecalcId = 0x01C1,
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
  std::vector<int> WorksheetOfSheet;    // of every sheet, or xls::SheetGone
  std::vector<QString> Strings;
  std::vector<bool> SupBookIsThisWorkbook;
  std::vector<int> ExternSheets;  // for formulas: see XlsFormulaTokens.h
  // Written by a spreadsheet program that calculated the formulas it saved;
  // other writers leave the calculation to whoever opens the file.
  bool HasRecalcId = false;
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
  const bool worksheet = record.Data[5] == 0;  // not a chart, macro or module sheet
  globals.WorksheetOfSheet.push_back(worksheet ? int(globals.Worksheets.size()) : xls::SheetGone);
  if (!worksheet) return;
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

struct TSheetReference {
  quint16 Book, First, Last;
};

std::vector<TSheetReference> ReadExternSheet(TContinuedData data) {
  std::vector<TSheetReference> references;
  const quint16 count = data.U16();
  for (quint16 i = 0; i < count && data.BytesLeft() >= 6; ++i) {
    TSheetReference& reference = references.emplace_back();
    reference.Book = data.U16();
    reference.First = data.U16();
    reference.Last = data.U16();
  }
  return references;
}

// The sheets the entries of EXTERNSHEET name, as worksheet indices.
std::vector<int> ExternSheets(const std::vector<TSheetReference>& references,
                              const TGlobals& globals) {
  std::vector<int> sheets;
  for (const TSheetReference& reference : references) {
    const bool here = reference.Book < globals.SupBookIsThisWorkbook.size() &&
                      globals.SupBookIsThisWorkbook[reference.Book];
    const bool known = reference.First < globals.WorksheetOfSheet.size();
    if (!here)
      sheets.push_back(xls::OtherWorkbook);
    else if (!known)
      sheets.push_back(xls::SheetGone);
    else if (reference.First != reference.Last)
      sheets.push_back(xls::SheetRange);
    else
      sheets.push_back(globals.WorksheetOfSheet[reference.First]);
  }
  return sheets;
}

TGlobals ReadGlobals(QByteArrayView stream) {
  TRecordCursor cursor(stream, 0, stream.size());
  CheckBiff8Bof(cursor.Next());
  TGlobals globals;
  std::vector<TSheetReference> sheetReferences;
  for (;;) {
    const TRecord record = cursor.Next();
    switch (record.Id) {
      case Eof:
        globals.End = cursor.Position();
        globals.ExternSheets = ExternSheets(sheetReferences, globals);
        return globals;
      case FilePass:
        throw TSpreadsheetError(QString::fromUtf8("文件已加密，无法读取"));
      case BoundSheet:
        ReadBoundSheet(record, globals);
        break;
      case Sst:
        globals.Strings = ReadSharedStrings(TContinuedData::Gather(record, cursor));
        break;
      case SupBook:
        // The entry for this workbook's own sheets has 0x0401 in place of a name.
        globals.SupBookIsThisWorkbook.push_back(record.Size >= 4 &&
                                                U16At(record.Data + 2) == 0x0401);
        break;
      case ExternSheet:
        sheetReferences = ReadExternSheet(TContinuedData::Gather(record, cursor));
        break;
      case RecalcId:
        globals.HasRecalcId = true;
        break;
      default:
        break;
    }
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
  TSheetReader(const TGlobals& globals, TGridBudget& budget, TUnstoredFormulas& formulas, int sheet)
      : globals_(globals),
        strings_(globals.Strings),
        budget_(budget),
        formulas_(formulas),
        sheetIndex_(sheet) {}

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
    AddUnstoredFormulas();
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
      case ColInfo:
        ReadColInfo(record);
        break;
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
        PutValue(data, data[7] ? ErrorText(data[6]) : BooleanText(data[6]));
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
      case SharedFormula:
        ReadSharedFormula(record);
        return;  // may come between a formula and its string result
      case Array:
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
        PutValue(record.Data, BooleanText(result[2]));
        break;
      case 2:
        PutValue(record.Data, ErrorText(result[2]));
        break;
      default:  // an empty text, or a result left to be calculated
        if (!Unstored(record)) Put(record.Data, QString());
        break;
    }
  }

  // A formula whose result the writer left empty for the calculation when the
  // file is opened: the formula asks for it, or the writer is no spreadsheet
  // program that would have calculated it.
  bool Unstored(const TRecord& record) {
    constexpr quint16 kCalculate = 0x0001 | 0x0002;  // always, and when opened
    if (record.Size < 22) return false;
    const QByteArrayView tokens(record.Data + 22,
                                qMin<qsizetype>(U16At(record.Data + 20), record.Size - 22));
    if (tokens.isEmpty()) return false;
    if (!(U16At(record.Data + 14) & kCalculate) && globals_.HasRecalcId) return false;
    unstored_.push_back({U16At(record.Data), U16At(record.Data + 2), tokens});
    return true;
  }

  void ReadSharedFormula(const TRecord& record) {
    if (record.Size < 10) return;
    const quint16 size = qMin<qsizetype>(U16At(record.Data + 8), record.Size - 10);
    sharedFormulas_[{U16At(record.Data), record.Data[4]}] = {QByteArrayView(record.Data + 10, size),
                                                             nullptr};
  }

  // The unstored formulas to work out once the workbook is read; one that
  // uses a shared formula begins with a reference to the formula's first cell.
  void AddUnstoredFormulas() {
    using spreadsheet::formula::TFormula;
    for (const TUnstored& cell : unstored_) {
      if (cell.Tokens.size() < 5 || cell.Tokens[0] != 0x01) {
        formulas_.Add(
            sheetIndex_, cell.Row, cell.Column,
            xls::DecodeFormula(cell.Tokens, cell.Row, cell.Column, false, globals_.ExternSheets));
        continue;
      }
      const auto* first = reinterpret_cast<const uchar*>(cell.Tokens.data()) + 1;
      const int row = U16At(first), column = U16At(first + 2);
      const auto shared = sharedFormulas_.find({row, column});
      if (shared == sharedFormulas_.end()) {
        formulas_.Add(sheetIndex_, cell.Row, cell.Column,
                      formula::UnsupportedFormula(QStringLiteral("数组公式或模拟运算表")));
        continue;
      }
      if (!shared->second.Formula)
        shared->second.Formula = std::make_shared<const TFormula>(
            xls::DecodeFormula(shared->second.Tokens, row, column, true, globals_.ExternSheets));
      formulas_.Add(sheetIndex_, cell.Row, cell.Column, shared->second.Formula, cell.Row - row,
                    cell.Column - column);
    }
  }

  // A number, logical or error value.
  void PutValue(const uchar* cell, QString text) {
    formulas_.NoteValueCell(sheetIndex_, U16At(cell), U16At(cell + 2));
    Put(cell, std::move(text));
  }

  void PutNumber(const uchar* cell, double value) {
    PutNumberAt(U16At(cell), U16At(cell + 2), value);
  }

  void PutNumberAt(int row, int column, double value) {
    formulas_.NoteValueCell(sheetIndex_, row, column);
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

  struct TUnstored {
    int Row, Column;
    QByteArrayView Tokens;
  };
  struct TSharedFormula {
    QByteArrayView Tokens;
    std::shared_ptr<const formula::TFormula> Formula;  // decoded when first needed
  };

  const TGlobals& globals_;
  const std::vector<QString>& strings_;
  TGridBudget& budget_;
  TUnstoredFormulas& formulas_;
  int sheetIndex_;
  std::vector<TUnstored> unstored_;
  std::map<std::pair<int, int>, TSharedFormula> sharedFormulas_;  // by first row and column
  TSheetData* sheet_ = nullptr;

  // The width of a range of columns, in 1/256 of a character.
  void ReadColInfo(const TRecord& record) {
    if (record.Size < 6) ThrowDamaged();
    const int first = U16At(record.Data);
    const int last = std::min<int>(U16At(record.Data + 2), kColumnLimit - 1);
    const double width = U16At(record.Data + 4) / 256.0;
    if (first > last) return;
    std::vector<double>& widths = sheet_->ColumnWidths;
    const std::size_t count = static_cast<std::size_t>(last) + 1;
    if (widths.size() < count) widths.resize(count);
    for (int c = first; c <= last; ++c) widths[std::size_t(c)] = width;
  }
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
  TUnstoredFormulas formulas;
  for (const TSheetEntry& entry : globals.Worksheets) {
    if (entry.Offset < globals.End || entry.Offset >= stream.size()) ThrowDamaged();
    const auto next = std::upper_bound(starts.begin(), starts.end(), entry.Offset);
    const qsizetype end = next == starts.end() ? stream.size() : *next;
    TSheetData& sheet = workbook.Sheets.emplace_back();
    sheet.Name = entry.Name;
    TSheetReader(globals, budget, formulas, int(workbook.Sheets.size()) - 1)
        .Read(stream, entry.Offset, end, sheet);
  }
  formulas.WorkOut(workbook);
  return workbook;
}

}  // namespace spreadsheet
