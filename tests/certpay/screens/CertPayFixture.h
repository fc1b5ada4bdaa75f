#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QProcess>
#include <memory>

#include "certpay/screens/CertPayContext.h"
#include "platform/codec/Gbk.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "support/Children.h"
#include "support/TempAppDir.h"
#include "widgets/grid/MapleGrid.h"

inline QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// A program directory with the central-finance store on it and scripted
// prompts. Files to import and export go to "io".
class CertPayFixture : public testing::Test {
 protected:
  CertPayFixture() {
    TAppPaths(app.Path()).MakeWorkingDirs();
    QDir(app.Path()).mkpath("io");
  }

  // Made on first use, so that it reads the files written before.
  TCertPayStore& Data() {
    if (!data) data = NextRun();
    return *data;
  }
  // The store as the next run of the program reads it from the files.
  std::unique_ptr<TCertPayStore> NextRun() const {
    auto store = std::make_unique<TCertPayStore>(TAppPaths(app.Path()));
    store->Load();
    return store;
  }
  TCertPayContext Context() { return {{prompts, {}}, Data(), startSpreadsheet, app.File("param")}; }

  void WriteGbk(const QString& relative, const QString& text) const {
    app.Write(relative, codec::ToGbk(text));
  }
  static void SetText(const QObject& dialog, const char* name, const QString& text) {
    Child<QLineEdit>(dialog, name).setText(text);
  }
  static QStringList Cells(const TMapleGrid& grid, int col) {
    QStringList cells;
    for (int row = 0; row < grid.TotalRowCount(); ++row) cells << grid.CellText(col, row);
    return cells;
  }
  void ExpectLastMessage(QMessageBox::Icon icon, const QString& caption, const QString& text) {
    const TScriptedMessage last = prompts.LastMessage();
    EXPECT_EQ(last.Icon, icon);
    EXPECT_EQ(last.Caption, caption);
    EXPECT_EQ(last.Text, text);
  }

  // The first worksheet as an independent reader (xlrd for .xls, openpyxl for
  // .xlsx) gives it: rows of cell texts.
  static QJsonArray ReadBack(const QString& path) {
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
    QProcess python;
    python.start("/usr/bin/python3", {"-c", script, path});
    EXPECT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
  }
  static QStringList Row(const QJsonArray& rows, int index) {
    QStringList cells;
    for (const auto& cell : rows[index].toArray()) cells << cell.toString();
    return cells;
  }

  TempAppDir app;
  TScriptedPrompts prompts;
  std::unique_ptr<TCertPayStore> data;
  TSpreadsheetStarter startSpreadsheet = &TSpreadsheetApp::Start;
};
