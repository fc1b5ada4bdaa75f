#pragma once

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QPushButton>
#include <memory>

#include "platform/prompts/ScriptedPrompts.h"
#include "registers/screens/RegisterContext.h"
#include "support/StartedRegisters.h"
#include "support/SystemPython.h"
#include "support/TempAppDir.h"
#include "widgets/grid/MapleGrid.h"

// A program directory with a data module on it and scripted prompts, for the
// register screens. Files to import and export go to "in" and "out".
class BookFixture : public testing::Test {
 protected:
  BookFixture() {
    QDir(app.Path()).mkpath("in");
    QDir(app.Path()).mkpath("out");
  }

  // Made on first use, so that it reads the registers written before.
  TRegisterStore& Data() {
    if (!data) data = std::make_unique<TStartedRegisters>(app.Path());
    return *data;
  }
  // What the screens receive, on that store.
  TRegisterContext Context() { return {TScreenServices{prompts, {}}, Data(), startSpreadsheet}; }

  static TPayerInfo Payer(const char* acc, const char* sort = "") {
    TPayerInfo payer;
    payer.PayAccNo = acc;
    payer.PayAccName = QString::fromUtf8("公司") + acc;
    payer.SortId = QString::fromUtf8(sort);
    payer.RightType = "0";
    return payer;
  }
  // isNVX "1": this bank; "0": another bank.
  static TPayeeInfo Payee(const char* acc, const char* isNVX, const char* sort = "",
                          const char* ubankNo = "", const char* name = "收款人") {
    TPayeeInfo payee;
    payee.RcvAccNo = acc;
    payee.RcvAccName = QString::fromUtf8(name);
    payee.IsNVX = isNVX;
    payee.SortID = QString::fromUtf8(sort);
    payee.UbankNo = ubankNo;
    return payee;
  }

  static TInfoConfig At(const TInfoConfig& config, const QString& path) { return config.At(path); }
  // A register file written, or read back, by the program itself.
  template <class T>
  void WriteList(const TInfoConfig& descriptor, const QString& path,
                 std::initializer_list<T> records) {
    TOwningList<T> list;
    for (const T& record : records) list.Append(std::make_unique<T>(record));
    TStartedRegisters(app.Path()).SaveList(list, At(descriptor, path));
  }
  template <class T>
  TOwningList<T> ReadList(const TInfoConfig& descriptor, const QString& path) {
    TOwningList<T> list;
    TStartedRegisters(app.Path()).LoadList(list, At(descriptor, path));
    return list;
  }

  // "account/group" of each entry, in order.
  static QStringList Entries(const TOwningList<TPayerInfo>& list) {
    QStringList entries;
    for (const TPayerInfo& payer : list) entries << payer.PayAccNo + "/" + payer.SortId;
    return entries;
  }
  static QStringList Entries(const TOwningList<TPayeeInfo>& list) {
    QStringList entries;
    for (const TPayeeInfo& payee : list) entries << payee.RcvAccNo + "/" + payee.SortID;
    return entries;
  }
  // The texts of a grid column, data rows only.
  static QStringList Cells(const TMapleGrid& grid, int col) {
    QStringList cells;
    for (int row = 0; row < grid.TotalRowCount(); ++row) cells << grid.CellText(col, row);
    return cells;
  }

  // A file's bytes and modification time. Freeze dates the file back an hour
  // first, so that any rewrite shows.
  struct Snapshot {
    QByteArray Bytes;
    QDateTime Modified;
    bool operator==(const Snapshot&) const = default;
  };
  static Snapshot Freeze(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
      file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                       QFileDevice::FileModificationTime);
    file.close();
    return Take(path);
  }
  static Snapshot Take(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return {file.readAll(), QFileInfo(path).lastModified()};
  }

  void ExpectMessage(QMessageBox::Icon icon, const char* caption, const char* text) {
    const TScriptedMessage message = prompts.LastMessage();
    EXPECT_EQ(message.Icon, icon);
    EXPECT_EQ(message.Caption, caption);
    EXPECT_EQ(message.Text, text);
  }

  TempAppDir app;
  TScriptedPrompts prompts;
  std::unique_ptr<TRegisterStore> data;
  TSpreadsheetStarter startSpreadsheet = &TSpreadsheetApp::Start;
};
