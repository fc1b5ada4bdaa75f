#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "XlsxTestFiles.h"
#include "platform/spreadsheet/XlsxFormat.h"
#include "platform/spreadsheet/XlsxPackage.h"

namespace {

using spreadsheet::ReadXlsxFromMemory;

TEST(XlsxFromMemory, readsWhatTheFileGivesAndRefusesDamagedBytesWithTheName) {
  QTemporaryDir dir;
  const QString path = dir.filePath("book.xlsx");
  xlsxtest::WriteZip(path, xlsxtest::Package({{"S", R"(<sheetData><row><c t="inlineStr">)"
                                                    R"(<is><t>甲</t></is></c><c><v>2.5</v></c>)"
                                                    R"(</row></sheetData>)"}}));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();

  const TWorkbookData workbook = ReadXlsxFromMemory(bytes, "附件");
  ASSERT_EQ(workbook.Sheets.size(), 1u);
  EXPECT_EQ(xlsxtest::Grid(workbook.Sheets[0]),
            xlsxtest::Grid(spreadsheet::ReadXlsx(path).Sheets[0]));

  // Cut off and foreign bytes are refused after the archive source was made:
  // the source must then be freed (checked by the sanitizer build).
  for (const QByteArray& damaged : {bytes.left(bytes.size() / 2), QByteArray("PK\3\4 not a zip")}) {
    try {
      ReadXlsxFromMemory(damaged, "附件");
      ADD_FAILURE() << "read damaged bytes";
    } catch (const TSpreadsheetError& error) {
      EXPECT_TRUE(error.Message().startsWith(QString::fromUtf8("无法读取工作簿 附件：")))
          << error.Message().toStdString();
    }
  }
}

}  // namespace
