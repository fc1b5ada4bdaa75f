#include <QHash>
#include <QtEndian>
#include <vector>

#include "platform/spreadsheet/CompoundFile.h"
#include "platform/spreadsheet/XlsFormat.h"

namespace spreadsheet {
namespace {

constexpr int kMaxRecordData = 8224;
constexpr int kMaxRows = 65536;
constexpr int kMaxColumns = 256;
constexpr int kMaxCellChars = 32767;
constexpr int kMaxSheetNameChars = 31;
constexpr quint16 kCellXf = 16;

constexpr quint16 kBof = 0x0809;
constexpr quint16 kEof = 0x000A;
constexpr quint16 kContinue = 0x003C;
constexpr quint16 kSst = 0x00FC;
constexpr quint16 kExtSst = 0x00FF;
constexpr quint16 kBoundSheet = 0x0085;
constexpr quint16 kLabelSst = 0x00FD;

// A growing BIFF stream of little-endian records.
class TBiffBuffer {
 public:
  QByteArray Bytes;

  void U8(quint8 v) { Bytes.append(char(v)); }
  void U16(quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    Bytes.append(b, 2);
  }
  void U32(quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    Bytes.append(b, 4);
  }
  void Record(quint16 id, const QByteArray& data) {
    U16(id);
    U16(quint16(data.size()));
    Bytes.append(data);
  }
  // Starts a record whose length is filled in by EndRecord.
  void BeginRecord(quint16 id) {
    U16(id);
    lengthAt_ = Bytes.size();
    U16(0);
  }
  void EndRecord() { qToLittleEndian(quint16(RecordLength()), Bytes.data() + lengthAt_); }
  int RecordLength() const { return int(Bytes.size() - lengthAt_ - 2); }
  qsizetype RecordStart() const { return lengthAt_ - 2; }

 private:
  qsizetype lengthAt_ = 0;
};

QByteArray Data(std::initializer_list<int> bytes) {
  QByteArray data;
  for (int b : bytes) data.append(char(b));
  return data;
}

bool FitsInOneByte(const QString& text) {
  for (QChar ch : text)
    if (ch.unicode() > 0xFF) return false;
  return true;
}

void AppendChars(TBiffBuffer& out, const QChar* chars, qsizetype count, bool compressed) {
  const qsizetype start = out.Bytes.size();
  out.Bytes.resize(start + (compressed ? count : 2 * count));
  char* to = out.Bytes.data() + start;
  if (compressed) {
    for (qsizetype i = 0; i < count; ++i) to[i] = char(chars[i].unicode());
  } else {
    for (qsizetype i = 0; i < count; ++i) qToLittleEndian(chars[i].unicode(), to + 2 * i);
  }
}

// The shared strings table, split into SST and CONTINUE records: a string's
// header never crosses a record boundary, and each CONTINUE that carries the
// rest of a string begins with a new option byte. Surrogate pairs stay together.
class TSstWriter {
 public:
  TSstWriter(TBiffBuffer& out, quint32 totalCount, quint32 uniqueCount) : out_(out) {
    out_.BeginRecord(kSst);
    out_.U32(totalCount);
    out_.U32(uniqueCount);
  }

  // Returns where the string starts: stream offset and offset within its record.
  std::pair<quint32, quint16> Add(const QString& text) {
    const bool compressed = FitsInOneByte(text);
    const int charSize = compressed ? 1 : 2;
    if (Room() < 3 + (text.isEmpty() ? 0 : 2 * charSize)) NextRecord();
    const std::pair<quint32, quint16> start(quint32(out_.Bytes.size()),
                                            quint16(out_.Bytes.size() - out_.RecordStart()));
    out_.U16(quint16(text.size()));
    out_.U8(compressed ? 0 : 1);
    const QChar* chars = text.constData();
    qsizetype done = 0;
    while (done < text.size()) {
      qsizetype take = qMin<qsizetype>(text.size() - done, Room() / charSize);
      if (take > 0 && take < text.size() - done && chars[done + take - 1].isHighSurrogate()) --take;
      if (take == 0) {
        NextRecord();
        out_.U8(compressed ? 0 : 1);
        continue;
      }
      AppendChars(out_, chars + done, take, compressed);
      done += take;
    }
    return start;
  }

  void Finish() { out_.EndRecord(); }

 private:
  int Room() const { return kMaxRecordData - out_.RecordLength(); }
  void NextRecord() {
    out_.EndRecord();
    out_.BeginRecord(kContinue);
  }

  TBiffBuffer& out_;
};

QString CheckedSheetName(const QString& name, const QStringList& earlier) {
  if (name.isEmpty()) throw TSpreadsheetError(QString::fromUtf8("工作表名称不能为空，无法保存。"));
  if (name.size() > kMaxSheetNameChars)
    throw TSpreadsheetError(
        QString::fromUtf8("工作表名称“%1”超过 31 个字符，无法保存为 .xls 文件。").arg(name));
  for (QChar ch : name)
    if (QStringLiteral(":\\/?*[]").contains(ch) || ch.unicode() < 0x20)
      throw TSpreadsheetError(
          QString::fromUtf8("工作表名称“%1”含有不允许的字符（: \\ / ? * [ ]），无法保存。")
              .arg(name));
  if (name.startsWith(QLatin1Char('\'')) || name.endsWith(QLatin1Char('\'')))
    throw TSpreadsheetError(
        QString::fromUtf8("工作表名称“%1”不能以单引号开头或结尾，无法保存。").arg(name));
  if (earlier.contains(name, Qt::CaseInsensitive))
    throw TSpreadsheetError(QString::fromUtf8("工作表名称“%1”重复，无法保存。").arg(name));
  return name;
}

void CheckSheetSize(const TSheetData& sheet) {
  if (sheet.RowCount() > kMaxRows)
    throw TSpreadsheetError(
        QString::fromUtf8("工作表“%1”的行数超过 65536 行，无法保存为 .xls 文件，请保存为 .xlsx。")
            .arg(sheet.Name));
  if (sheet.ColumnCount() > kMaxColumns)
    throw TSpreadsheetError(
        QString::fromUtf8("工作表“%1”的列数超过 256 列，无法保存为 .xls 文件，请保存为 .xlsx。")
            .arg(sheet.Name));
}

// The shared strings in first-use order, with the number of cells using them.
struct TSharedStrings {
  QHash<QString, quint32> Index;
  std::vector<QString> Texts;
  quint32 Total = 0;

  quint32 Add(const QString& text) {
    ++Total;
    auto it = Index.constFind(text);
    if (it != Index.constEnd()) return it.value();
    const quint32 index = quint32(Texts.size());
    Index.insert(text, index);
    Texts.push_back(text);
    return index;
  }
};

QByteArray SheetStream(const TSheetData& sheet, bool first, TSharedStrings& strings) {
  const int rows = sheet.RowCount();
  const int columns = sheet.ColumnCount();
  TBiffBuffer out;
  qsizetype cellCount = 0;
  for (int r = 0; r < rows; ++r) cellCount += sheet.Rows[size_t(r)].size();
  out.Bytes.reserve(128 + cellCount * 14);
  out.Record(kBof, Data({0x00, 0x06, 0x10, 0x00, 0xBB, 0x0D, 0xCC, 0x07, 0, 0, 0, 0, 6, 0, 0, 0}));
  out.Record(0x0081, Data({0xC1, 0x04}));  // WSBOOL
  const std::size_t widths = std::min<std::size_t>(sheet.ColumnWidths.size(), kMaxColumns);
  for (std::size_t c = 0; c < widths; ++c) {
    const double width = sheet.ColumnWidths[c];
    if (width <= 0) continue;
    out.BeginRecord(0x007D);  // COLINFO: first and last column, width in 1/256 characters
    out.U16(quint16(c));
    out.U16(quint16(c));
    out.U16(quint16(std::min(width, 255.0) * 256));
    out.U16(kCellXf);
    out.U16(0);
    out.U16(0);
    out.EndRecord();
  }
  out.BeginRecord(0x0200);  // DIMENSIONS
  out.U32(0);
  out.U32(quint32(rows));
  out.U16(0);
  out.U16(quint16(columns));
  out.U16(0);
  out.EndRecord();
  for (int r = 0; r < rows; ++r) {
    const QStringList& cells = sheet.Rows[size_t(r)];
    const int used = int(qMin<qsizetype>(cells.size(), columns));
    for (int c = 0; c < used; ++c) {
      const QString& text = cells[c];
      if (text.isEmpty()) continue;
      if (text.size() > kMaxCellChars)
        throw TSpreadsheetError(
            QString::fromUtf8("工作表“%1”第 %2 行第 %3 列的内容超过 32767 个字符，无法保存。")
                .arg(sheet.Name)
                .arg(r + 1)
                .arg(c + 1));
      char record[14];
      qToLittleEndian(kLabelSst, record);
      qToLittleEndian(quint16(10), record + 2);
      qToLittleEndian(quint16(r), record + 4);
      qToLittleEndian(quint16(c), record + 6);
      qToLittleEndian(kCellXf, record + 8);
      qToLittleEndian(strings.Add(text), record + 10);
      out.Bytes.append(record, sizeof record);
    }
  }
  // WINDOW2: the first sheet is selected and shown.
  out.Record(0x023E,
             Data({0xB6, first ? 0x06 : 0x00, 0, 0, 0, 0, 0x40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  out.Record(kEof, {});
  return out.Bytes;
}

void AppendFont(TBiffBuffer& out) {
  const QString name = QString::fromUtf8("宋体");
  out.BeginRecord(0x0031);
  out.U16(220);     // height in twips
  out.U16(0);       // attributes
  out.U16(0x7FFF);  // automatic colour
  out.U16(400);     // normal weight
  out.U16(0);
  out.U8(0);
  out.U8(0);
  out.U8(0x86);  // GB 2312 character set
  out.U8(0);
  out.U8(quint8(name.size()));
  out.U8(1);
  AppendChars(out, name.constData(), name.size(), false);
  out.EndRecord();
}

void AppendXfs(TBiffBuffer& out) {
  auto xf = [&](int font, int format, int protection, int usedAttributes) {
    out.BeginRecord(0x00E0);
    out.U16(quint16(font));
    out.U16(quint16(format));
    out.U16(quint16(protection));
    out.U8(0x20);  // aligned to the bottom
    out.U8(0);
    out.U8(0);
    out.U8(quint8(usedAttributes));
    out.U32(0);  // no borders
    out.U32(0);
    out.U16(0x20C0);  // automatic pattern colours
    out.EndRecord();
  };
  xf(0, 0, 0xFFF5, 0x00);  // Normal style
  for (int i = 1; i <= 14; ++i) xf(i <= 2 ? 1 : (i <= 4 ? 2 : 0), 0, 0xFFF5, 0xF4);
  xf(0, 0, 0x0001, 0x00);   // default cell format
  xf(0, 49, 0x0001, 0x04);  // text cells ("@")
}

void AppendBoundSheet(TBiffBuffer& out, const QString& name) {
  const bool compressed = FitsInOneByte(name);
  out.BeginRecord(kBoundSheet);
  out.U32(0);  // offset of the sheet's BOF, patched when the sheets are laid out
  out.U8(0);
  out.U8(0);
  out.U8(quint8(name.size()));
  out.U8(compressed ? 0 : 1);
  AppendChars(out, name.constData(), name.size(), compressed);
  out.EndRecord();
}

void AppendSst(TBiffBuffer& out, const TSharedStrings& strings) {
  const quint32 unique = quint32(strings.Texts.size());
  TSstWriter sst(out, strings.Total, unique);
  const quint32 perBucket = qMax<quint32>(8, unique / 128 + 1);
  std::vector<std::pair<quint32, quint16>> buckets;
  for (quint32 i = 0; i < unique; ++i) {
    const auto start = sst.Add(strings.Texts[i]);
    if (i % perBucket == 0) buckets.push_back(start);
  }
  sst.Finish();
  out.BeginRecord(kExtSst);
  out.U16(quint16(perBucket));
  for (const auto& [offset, inRecord] : buckets) {
    out.U32(offset);
    out.U16(inRecord);
    out.U16(0);
  }
  out.EndRecord();
}

}  // namespace

QByteArray WriteXls(const TWorkbookData& workbook) {
  std::vector<TSheetData> defaultSheets;
  const std::vector<TSheetData>* sheets = &workbook.Sheets;
  if (sheets->empty()) {
    defaultSheets.push_back(TSheetData{QStringLiteral("Sheet1"), {}});
    sheets = &defaultSheets;
  }
  QStringList names;
  for (const TSheetData& sheet : *sheets) {
    names.append(CheckedSheetName(sheet.Name, names));
    CheckSheetSize(sheet);
  }

  TSharedStrings strings;
  std::vector<QByteArray> sheetStreams;
  for (size_t i = 0; i < sheets->size(); ++i)
    sheetStreams.push_back(SheetStream((*sheets)[i], i == 0, strings));

  TBiffBuffer globals;
  globals.Record(kBof,
                 Data({0x00, 0x06, 0x05, 0x00, 0xBB, 0x0D, 0xCC, 0x07, 0, 0, 0, 0, 6, 0, 0, 0}));
  globals.Record(0x0042, Data({0xB0, 0x04}));  // CODEPAGE: UTF-16
  globals.Record(0x003D, Data({0, 0, 0, 0, 0x00, 0x40, 0x00, 0x20, 0x38, 0, 0, 0, 0, 0, 1, 0, 0x58,
                               0x02}));  // WINDOW1
  globals.Record(0x0022, Data({0, 0}));  // DATEMODE: 1900
  for (int i = 0; i < 5; ++i) AppendFont(globals);
  AppendXfs(globals);
  globals.Record(0x0293, Data({0x00, 0x80, 0x00, 0xFF}));  // STYLE: Normal
  std::vector<qsizetype> sheetOffsetFields;
  for (const QString& name : names) {
    sheetOffsetFields.push_back(globals.Bytes.size() + 4);
    AppendBoundSheet(globals, name);
  }
  AppendSst(globals, strings);
  globals.Record(kEof, {});

  qsizetype total = globals.Bytes.size();
  for (const QByteArray& sheet : sheetStreams) total += sheet.size();
  QByteArray stream = std::move(globals.Bytes);
  stream.reserve(total);
  for (size_t i = 0; i < sheetStreams.size(); ++i) {
    qToLittleEndian(quint32(stream.size()), stream.data() + sheetOffsetFields[i]);
    stream.append(sheetStreams[i]);
    sheetStreams[i].clear();
  }
  return WriteCompoundFile(QStringLiteral("Workbook"), stream);
}

}  // namespace spreadsheet
