#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <memory>

#include "batch/screens/BatchScreen.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "shell/DataMain.h"
#include "shell/grid/MapleGrid.h"
#include "support/TempAppDir.h"

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
  doc->Money = TAmount::fromYuan(yuan);
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

// A program directory, its data module, scripted prompts.
class BatchFixture : public testing::Test {
 protected:
  BatchFixture() : scope_(prompts) { QDir(app.path()).mkpath("io"); }

  TDataMain& Data() {
    if (!data_) data_ = std::make_unique<TDataMain>(app.path());
    return *data_;
  }
  QPushButton* Button(TFormBatch& screen, const char* name) {
    return screen.findChild<QPushButton*>(QString::fromLatin1(name));
  }
  void ExpectLastMessage(QMessageBox::Icon icon, const QString& caption, const QString& text) {
    const TScriptedMessage last = prompts.lastMessage();
    EXPECT_EQ(last.icon, icon);
    EXPECT_EQ(last.caption, caption);
    EXPECT_EQ(last.text, text);
  }

  TempAppDir app;
  TScriptedPrompts prompts;

 private:
  TPromptsScope scope_;
  std::unique_ptr<TDataMain> data_;
};
