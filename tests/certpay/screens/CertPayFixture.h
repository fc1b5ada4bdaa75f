#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QLineEdit>
#include <memory>

#include "certpay/screens/CertPayContext.h"
#include "platform/codec/Gbk.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "support/Children.h"
#include "support/SystemPython.h"
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
