#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <vector>

#include "platform/spreadsheet/CompoundFile.h"
#include "platform/spreadsheet/NumberText.h"
#include "platform/spreadsheet/XlsFormat.h"

using spreadsheet::ReadXls;
using spreadsheet::WriteCompoundFile;

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QByteArray Le16(int value) {
  QByteArray bytes(2, '\0');
  qToLittleEndian<quint16>(quint16(value), bytes.data());
  return bytes;
}

QByteArray Le32(quint32 value) {
  QByteArray bytes(4, '\0');
  qToLittleEndian<quint32>(value, bytes.data());
  return bytes;
}

QByteArray LeDouble(double value) {
  QByteArray bytes(8, '\0');
  qToLittleEndian<double>(value, bytes.data());
  return bytes;
}

QByteArray Utf16(const QString& text) {
  QByteArray bytes;
  for (QChar c : text) bytes += Le16(c.unicode());
  return bytes;
}

QByteArray Record(int id, const QByteArray& data) {
  return Le16(id) + Le16(int(data.size())) + data;
}

QByteArray Bof(int type, int version = 0x0600) {
  return Record(0x0809, Le16(version) + Le16(type) + Le32(0) + Le32(0) + Le32(0));
}

QByteArray Eof() {
  return Record(0x000A, {});
}

// A cell record: row, column, XF index, then the rest.
QByteArray Cell(int id, int row, int column, const QByteArray& rest) {
  return Record(id, Le16(row) + Le16(column) + Le16(15) + rest);
}

QByteArray Formula(int row, int column, const QByteArray& result) {
  return Cell(0x0006, row, column, result + Le16(0) + Le32(0) + Le16(0));
}

QByteArray SpecialResult(int type, int value) {
  return QByteArray(1, char(type)) + '\0' + QByteArray(1, char(value)) +
         QByteArray::fromHex("000000FFFF");
}

struct TSheet {
  QString Name;
  QByteArray Records;
  int Type = 0;  // 0 a worksheet, 2 a chart
};

// A Workbook stream: globals (BOF, the given records, BOUNDSHEETs, EOF), then
// each sheet from BOF to EOF.
QByteArray Stream(const QByteArray& globalRecords, const std::vector<TSheet>& sheets) {
  qsizetype offset = Bof(5).size() + globalRecords.size() + Eof().size();
  for (const TSheet& sheet : sheets) offset += 4 + 8 + 2 * sheet.Name.size();
  QByteArray globals = Bof(5) + globalRecords;
  QByteArray bodies;
  for (const TSheet& sheet : sheets) {
    globals += Record(0x0085, Le32(quint32(offset + bodies.size())) + '\0' + char(sheet.Type) +
                                  char(sheet.Name.size()) + '\x01' + Utf16(sheet.Name));
    bodies += Bof(sheet.Type == 2 ? 0x20 : 0x10) + sheet.Records + Eof();
  }
  return globals + Eof() + bodies;
}

QByteArray Xls(const QByteArray& stream) {
  return WriteCompoundFile("Workbook", stream);
}

QString ErrorOf(const QByteArray& file) {
  try {
    ReadXls(file);
  } catch (const TSpreadsheetError& error) {
    return error.Message();
  }
  return "no error";
}

// Writes a workbook with xlwt, reads it with xlrd; gives the file and xlrd's
// cells as [{name, cells: [[row, column, type, value]]}].
QJsonArray WriteAndReadWithPython(const QString& path) {
  const char* script = R"(
import sys, json, xlwt, xlrd
path = sys.argv[1]
wb = xlwt.Workbook(encoding='utf-8')
a = wb.add_sheet('收款人')
a.write(0, 0, '珺 喆'); a.write(0, 1, 12345678901234); a.write(0, 2, 0.5)
a.write(0, 3, xlwt.Formula('B1+C1')); a.write(0, 4, True); a.write(0, 5, False)
a.write(1, 0, -3); a.write(1, 1, 1e-5); a.write(1, 2, 'Zürich ÿ'); a.write(1, 4)
a.write(1, 5, 1234.5678); a.write(3, 1, ''); a.write(3, 5, 'after blanks')
b = wb.add_sheet('Long')
b.write(0, 0, '长' * 5000 + 'x' * 9000 + '尾')
b.write(2, 3, 'short')
c = wb.add_sheet('Many')
for r in range(33000):
    c.write(r, 0, 'n%d' % r); c.write(r, 1, '名%d' % r)
wb.save(path)
out = []
for s in xlrd.open_workbook(path).sheets():
    cells = [[r, col, cell.ctype, cell.value]
             for r in range(s.nrows) for col, cell in enumerate(s.row(r)) if cell.ctype != 0]
    out.append({'name': s.name, 'cells': cells})
sys.stdout.write(json.dumps(out))
)";
  QProcess python;
  python.start("/usr/bin/python3", {"-c", script, path});
  if (!python.waitForFinished(60000)) return {};
  EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

TEST(XlsReader, readsWhatXlwtWroteAsXlrdReadsIt) {
  QTemporaryDir dir;
  const QString path = dir.filePath("book.xls");
  const QJsonArray python = WriteAndReadWithPython(path);
  ASSERT_EQ(python.size(), 3);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const TWorkbookData workbook = ReadXls(file.readAll());
  ASSERT_EQ(workbook.Sheets.size(), 3u);

  for (int s = 0; s < 3; ++s) {
    const QJsonObject expected = python[s].toObject();
    const TSheetData& sheet = workbook.Sheets[size_t(s)];
    EXPECT_EQ(sheet.Name, expected["name"].toString());
    TSheetData xlrdSheet;
    for (const auto& value : expected["cells"].toArray()) {
      const QJsonArray cell = value.toArray();
      const int type = cell[2].toInt();
      QString text = cell[3].toString();
      if (type == 2) text = GeneralNumberText(cell[3].toDouble());
      if (type == 4) text = cell[3].toInt() ? "TRUE" : "FALSE";
      // xlwt leaves formulas to be calculated, and xlrd shows the empty result
      if (s == 0 && cell[0].toInt() == 0 && cell[1].toInt() == 3) text = "12345678901234.5";
      xlrdSheet.SetCell(cell[0].toInt(), cell[1].toInt(), text);
    }
    ASSERT_EQ(sheet.RowCount(), xlrdSheet.RowCount()) << s;
    ASSERT_EQ(sheet.ColumnCount(), xlrdSheet.ColumnCount()) << s;
    for (int r = 0; r < sheet.RowCount(); ++r)
      for (int c = 0; c < sheet.ColumnCount(); ++c)
        ASSERT_EQ(sheet.Cell(r, c), xlrdSheet.Cell(r, c)) << s << ' ' << r << ' ' << c;
  }

  const TSheetData& first = workbook.Sheets[0];
  EXPECT_EQ(first.Rows[0], QStringList({U("珺 喆"), "12345678901234", "0.5", "12345678901234.5",
                                        "TRUE", "FALSE"}));
  EXPECT_EQ(first.Rows[1],
            QStringList({"-3", GeneralNumberText(1e-5), U("Zürich ÿ"), "", "", "1234.5678"}));
  EXPECT_EQ(first.Cell(3, 5), "after blanks");
  EXPECT_EQ(workbook.Sheets[1].Cell(0, 0).size(), 14001);
  EXPECT_EQ(workbook.Sheets[2].Cell(32999, 1), U("名32999"));
}

TEST(XlsReader, readsCellRecordsOfOtherWriters) {
  // Strings of the shared table: plain; with formatting runs; with phonetic
  // data; with both; one cut by a CONTINUE that switches to two-byte
  // characters; one that begins a CONTINUE.
  const QByteArray sstStart = Le32(6) + Le32(6) + Le16(5) + '\0' + "plain" +                    //
                              Le16(4) + '\x08' + Le16(2) + "rich" + Le32(0) + Le32(0x10002) +   //
                              Le16(2) + '\x05' + Le32(6) + Utf16(U("珺喆")) + "phonet" +        //
                              Le16(3) + '\x0C' + Le16(1) + Le32(3) + "abc" + Le32(1) + "xyz" +  //
                              Le16(5) + '\0' + "ab";
  const QByteArray sst = Record(0x00FC, sstStart) + Record(0x003C, '\x01' + Utf16(U("珺喆c"))) +
                         Record(0x003C, Le16(4) + '\0' + "last");

  QByteArray cells;
  for (int i = 0; i < 6; ++i) cells += Cell(0x00FD, 0, i, Le32(quint32(i)));
  cells += Formula(1, 0, LeDouble(1234.5));
  cells += Formula(1, 1, SpecialResult(0, 0)) + Record(0x04BC, QByteArray(10, '\0')) +
           Record(0x0207, Le16(4) + '\0' + "ab") + Record(0x003C, '\x01' + Utf16(U("珺喆")));
  cells += Formula(1, 2, SpecialResult(1, 1)) + Formula(1, 3, SpecialResult(2, 0x07)) +
           Formula(1, 4, SpecialResult(3, 0));
  cells += Cell(0x0203, 1, 5, LeDouble(7)) + Record(0x0207, Le16(2) + '\0' + "zz");
  cells += Cell(0x027E, 2, 0, Le32(123 << 2 | 2)) + Cell(0x027E, 2, 1, Le32(123 << 2 | 3)) +
           Cell(0x027E, 2, 2, Le32(0x3FE00000)) + Cell(0x027E, 2, 3, Le32(quint32(-7 * 4) | 2));
  cells += Record(0x00BD, Le16(3) + Le16(1) + Le16(15) + Le32(1 << 2 | 2) + Le16(15) +
                              Le32(250 << 2 | 3) + Le16(15) + Le32(quint32(-4 * 4) | 2) + Le16(3));
  cells += Cell(0x0205, 4, 0, QByteArray::fromHex("0100")) +
           Cell(0x0205, 4, 1, QByteArray::fromHex("0000")) +
           Cell(0x0205, 4, 2, QByteArray::fromHex("2A01")) +
           Cell(0x0205, 4, 3, QByteArray::fromHex("1D01"));
  cells += Cell(0x0204, 5, 0, Le16(6) + '\0' + U("Zürich").toLatin1()) +
           Cell(0x0204, 5, 1, Le16(3) + '\x01' + Utf16(U("珺 喆"))) +
           Cell(0x00D6, 5, 2, Le16(4) + '\0' + "rich" + Le16(1) + Le32(0));
  cells += Record(0x0201, Le16(5) + Le16(3) + Le16(15)) +
           Record(0x00BE, Le16(5) + Le16(4) + Le16(15) + Le16(15) + Le16(15) + Le16(6));
  cells += Bof(0x20) + Cell(0x0203, 6, 0, LeDouble(99)) + Eof();  // an embedded chart

  const QByteArray file = Xls(Stream(sst, {{U("工资"), cells}, {"Chart", {}, 2}, {"Two", {}}}));
  const TWorkbookData workbook = ReadXls(file);
  ASSERT_EQ(workbook.Sheets.size(), 2u);
  EXPECT_EQ(workbook.Sheets[1].Name, "Two");
  EXPECT_EQ(workbook.Sheets[1].RowCount(), 0);
  const TSheetData& sheet = workbook.Sheets[0];
  EXPECT_EQ(sheet.Name, U("工资"));
  EXPECT_EQ(sheet.Rows[0], QStringList({"plain", "rich", U("珺喆"), "abc", U("ab珺喆c"), "last"}));
  EXPECT_EQ(sheet.Rows[1], QStringList({"1234.5", U("ab珺喆"), "TRUE", "#DIV/0!", "", "7"}));
  EXPECT_EQ(sheet.Rows[2], QStringList({"123", "1.23", "0.5", "-7"}));
  EXPECT_EQ(sheet.Rows[3], QStringList({"", "1", "2.5", "-4"}));
  EXPECT_EQ(sheet.Rows[4], QStringList({"TRUE", "FALSE", "#N/A", "#NAME?"}));
  EXPECT_EQ(sheet.Rows[5], QStringList({U("Zürich"), U("珺 喆"), "rich"}));
  EXPECT_EQ(sheet.RowCount(), 6);
}

TEST(XlsReader, sharedFormulasWithoutResultsAreWorkedOutUnlessAProgramCalculatedThem) {
  // C1:C3 share A*$B$1, written as offsets from each cell; D1 reads C3 on
  // the second sheet through the sheet references.
  const QByteArray refA = QByteArray("\x4C") + Le16(0) + Le16(0xC0FE);
  const QByteArray fixedB1 = QByteArray("\x4C") + Le16(0) + Le16(1);
  const QByteArray sharedTokens = refA + fixedB1 + '\x05';
  const auto formula = [](int row, int column, const QByteArray& tokens) {
    return Cell(0x0006, row, column,
                SpecialResult(3, 0) + Le16(0) + Le32(0) + Le16(int(tokens.size())) + tokens);
  };
  const QByteArray useShared = QByteArray("\x01") + Le16(0) + Le16(2);
  QByteArray cells = Cell(0x0203, 0, 1, LeDouble(2));
  for (int row = 0; row < 3; ++row) {
    cells += Cell(0x0203, row, 0, LeDouble(2 * row + 1)) + formula(row, 2, useShared);
    if (row == 0)
      cells += Record(0x04BC, Le16(0) + Le16(2) + '\x02' + '\x02' + '\0' + '\x03' +
                                  Le16(int(sharedTokens.size())) + sharedTokens);
  }
  const QByteArray otherSheet = QByteArray("\x5A") + Le16(0) + Le16(2) + Le16(2);
  const QByteArray globals = Record(0x01AE, Le16(2) + Le16(0x0401)) +
                             Record(0x0017, Le16(1) + Le16(0) + Le16(0) + Le16(0));
  const QByteArray second = formula(0, 3, otherSheet + QByteArray("\x1E") + Le16(1) + '\x03');

  const TWorkbookData workbook = ReadXls(Xls(Stream(globals, {{"A", cells}, {"B", second}})));
  EXPECT_EQ(workbook.Sheets[0].Rows[2], QStringList({"5", "", "10"}));
  EXPECT_EQ(workbook.Sheets[0].Cell(0, 2) + workbook.Sheets[0].Cell(1, 2), "26");
  EXPECT_EQ(workbook.Sheets[1].Cell(0, 3), "11");

  const QByteArray calculated = Record(0x01C1, Le16(0x01C1) + Le16(0) + Le32(191029));
  EXPECT_EQ(ReadXls(Xls(Stream(globals + calculated, {{"A", cells}}))).Sheets[0].Cell(2, 2), "");
}

TEST(XlsReader, refusesOlderVersionsAndEncryptedFiles) {
  const QString version = U("不支持的 .xls 文件版本");
  EXPECT_EQ(ErrorOf(Xls(Bof(5, 0x0500) + Eof())), version);
  EXPECT_EQ(ErrorOf(Xls(Record(0x0409, Le16(0) + Le16(0x10)) + Eof())), version);
  EXPECT_EQ(ErrorOf(WriteCompoundFile("Book", Bof(5, 0x0500) + Eof())), version);
  EXPECT_EQ(ErrorOf(Xls(Stream(Record(0x002F, QByteArray(54, '\x01')), {{"A", {}}}))),
            U("文件已加密，无法读取"));
}

TEST(XlsReader, damagedFilesThrowInsteadOfCrashing) {
  const QByteArray sst = Record(0x00FC, Le32(1) + Le32(1) + Le16(3) + '\0' + "abc");
  const QByteArray cells = Cell(0x00FD, 0, 0, Le32(0)) + Cell(0x0203, 1, 1, LeDouble(2));
  const QByteArray good = Stream(sst, {{"A", cells}, {"B", cells}});
  ASSERT_EQ(ReadXls(Xls(good)).Sheets[1].Cell(0, 0), "abc");

  EXPECT_THROW(ReadXls({}), TSpreadsheetError);
  QByteArray noise(3000, '\0');
  for (char& c : noise) c = char(QRandomGenerator::global()->bounded(256));
  EXPECT_THROW(ReadXls(noise), TSpreadsheetError);
  EXPECT_THROW(ReadXls(Xls(noise)), TSpreadsheetError);
  EXPECT_THROW(ReadXls(WriteCompoundFile("Other", good)), TSpreadsheetError);
  // The compound file pads the stream with zeros, which would complete a cut final EOF.
  for (qsizetype length = 0; length < good.size() - 4; ++length)
    EXPECT_THROW(ReadXls(Xls(good.left(length))), TSpreadsheetError) << length;

  const auto damaged = [](const QByteArray& globals, const QByteArray& sheetRecords) {
    return Xls(Stream(globals, {{"A", sheetRecords}}));
  };
  EXPECT_THROW(ReadXls(damaged(sst, Cell(0x00FD, 0, 0, Le32(1)))), TSpreadsheetError);
  EXPECT_THROW(ReadXls(damaged(sst, Cell(0x00FD, 0, 256, Le32(0)))), TSpreadsheetError);
  EXPECT_THROW(ReadXls(damaged(sst, Cell(0x0203, 0, 0, "short"))), TSpreadsheetError);
  // A string longer than its record, in the table and in a cell.
  EXPECT_THROW(ReadXls(damaged(Record(0x00FC, Le32(1) + Le32(1) + Le16(900) + '\0' + "abc"), {})),
               TSpreadsheetError);
  EXPECT_THROW(ReadXls(damaged({}, Cell(0x0204, 0, 0, Le16(60000) + '\x01' + "ab"))),
               TSpreadsheetError);
  // A record whose length runs past the end of the stream.
  QByteArray pastEnd = good;
  pastEnd.chop(4);
  pastEnd += Le16(0x0203) + Le16(0xFFFF);
  EXPECT_THROW(ReadXls(Xls(pastEnd + QByteArray(5000, '\0'))), TSpreadsheetError);
  // Two sheets at one offset, and a sheet offset past the end.
  QByteArray sameOffset = Stream({}, {{"A", cells}, {"B", cells}});
  const qsizetype firstOffset = sameOffset.indexOf(Le16(0x0085), 20) + 4;
  const qsizetype secondOffset = firstOffset + 10 + 4;  // past the name "A" and a record header
  sameOffset.replace(secondOffset, 4, sameOffset.mid(firstOffset, 4));
  EXPECT_THROW(ReadXls(Xls(sameOffset)), TSpreadsheetError);
  QByteArray farOffset = Stream({}, {{"A", cells}});
  farOffset.replace(farOffset.indexOf(Le16(0x0085), 20) + 4, 4, Le32(0x7FFFFFF0));
  EXPECT_THROW(ReadXls(Xls(farOffset)), TSpreadsheetError);
}

TEST(XlsReader, randomDamageEndsInAnErrorOrAWorkbook) {
  QByteArray cells;
  for (int i = 0; i < 20; ++i)
    cells += Cell(0x00FD, i, i % 3, Le32(quint32(i % 2))) + Cell(0x027E, i, 4, Le32(8 << 2 | 2));
  cells += Formula(30, 0, SpecialResult(0, 0)) + Record(0x0207, Le16(3) + '\0' + "abc");
  const QByteArray sst = Record(0x00FC, Le32(2) + Le32(2) + Le16(3) + '\0' + "abc" + Le16(2) +
                                            '\x0C' + Le16(1) + Le32(2) + "de" + Le32(0) + "xy");
  const QByteArray stream = Stream(sst, {{"A", cells}, {"B", cells}});
  QRandomGenerator random(20240601);
  for (int round = 0; round < 3000; ++round) {
    QByteArray damaged = stream;
    const int changes = 1 + random.bounded(4);
    for (int i = 0; i < changes; ++i)
      damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
    try {
      ReadXls(Xls(damaged));
    } catch (const TSpreadsheetError&) {
    }
  }
}

}  // namespace
