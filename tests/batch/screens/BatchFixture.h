#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <memory>

#include "batch/screens/FormBatch.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "support/FakeSession.h"
#include "support/StartedRegisters.h"
#include "support/TempAppDir.h"
#include "widgets/grid/MapleGrid.h"

// Documents for the batch screen's tests.
inline std::unique_ptr<TPayMoneyInfo> BatchDoc(const QString& payerAccNo, const QString& payeeAccNo,
                                               qint64 yuan, const QString& isNVX = "1",
                                               const QString& usage = "货款") {
  auto doc = std::make_unique<TPayMoneyInfo>();
  doc->Payer.PayAccNo = payerAccNo;
  doc->Payer.PayAccName = "北京测试公司";
  doc->Payer.BranchCode = "0101";
  doc->Payee.RcvAccNo = payeeAccNo;
  doc->Payee.RcvAccName = "收款人" + payeeAccNo.right(2);
  doc->Payee.IsNVX = isNVX;
  doc->Payee.BankCode = "105";
  doc->Money = TAmount::FromYuan(yuan);
  doc->Usage = usage;
  return doc;
}

inline void FillBatch(TBatch& batch, int count) {
  for (int i = 0; i < count; ++i)
    batch.Append(BatchDoc("3100012345001", QString("62170000%1").arg(i, 8, 10, QChar('0')), i + 1));
}

inline QStringList Column(const TMapleGrid& grid, int col) {
  QStringList cells;
  for (int row = 0; row < grid.TotalRowCount(); ++row) cells << grid.CellText(col, row);
  return cells;
}

// A program directory, its registers, scripted prompts and a session.
class BatchFixture : public testing::Test {
 protected:
  BatchFixture() { QDir(app.Path()).mkpath("io"); }

  // Made on first use, so that it reads the registers written before.
  TRegisterStore& Data() {
    if (!data_) data_ = std::make_unique<TStartedRegisters>(app.Path());
    return *data_;
  }
  // What the batch screen receives; the spreadsheet component is the one the
  // test sets at the time it is started.
  TBatchContext Context() {
    return {{{prompts, {}}, Data(), [this] { return startSpreadsheet(); }}, session};
  }
  QPushButton* Button(TFormBatch& screen, const char* name) {
    return screen.findChild<QPushButton*>(QString::fromLatin1(name));
  }
  void ExpectLastMessage(QMessageBox::Icon icon, const QString& caption, const QString& text) {
    const TScriptedMessage last = prompts.LastMessage();
    EXPECT_EQ(last.Icon, icon);
    EXPECT_EQ(last.Caption, caption);
    EXPECT_EQ(last.Text, text);
  }

  TempAppDir app;
  TScriptedPrompts prompts;
  TFakeSession session;
  TSpreadsheetStarter startSpreadsheet = &TSpreadsheetApp::Start;

 private:
  std::unique_ptr<TRegisterStore> data_;
};
