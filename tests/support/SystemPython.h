#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStringList>

// Runs a script with the system's Python, the one with openpyxl, xlwt and xlrd,
// and gives its standard output.
inline QByteArray RunSystemPython(const QString& script, const QStringList& arguments = {}) {
  QProcess python;
  python.start(QStringLiteral("/usr/bin/python3"),
               QStringList{QStringLiteral("-c"), script} + arguments);
  EXPECT_TRUE(python.waitForFinished(60000));
  EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  return python.readAllStandardOutput();
}

// The first worksheet as an independent reader (xlrd for .xls, openpyxl for
// .xlsx) gives it: rows of cell texts.
inline QJsonArray ReadFirstWorksheet(const QString& path) {
  const char* script = R"(
import sys, json
path = sys.argv[1]
if path.endswith('.xlsx'):
    import openpyxl
    ws = openpyxl.load_workbook(path).worksheets[0]
    rows = [['' if v is None else str(v) for v in row] for row in ws.iter_rows(values_only=True)]
else:
    import xlrd
    ws = xlrd.open_workbook(path).sheet_by_index(0)
    rows = [[str(ws.cell_value(r, c)) for c in range(ws.ncols)] for r in range(ws.nrows)]
sys.stdout.write(json.dumps(rows))
)";
  return QJsonDocument::fromJson(RunSystemPython(QString::fromUtf8(script), {path})).array();
}
