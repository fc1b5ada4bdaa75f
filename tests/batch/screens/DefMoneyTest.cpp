#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "MoneyFixture.h"
#include "batch/screens/FormDefMoney.h"
#include "batch/screens/fmSelectPayee.h"
#include "batch/screens/fmSelectPayer.h"
#include "support/Children.h"
#include "widgets/grid/MapleGrid.h"

namespace {

enum Field { PayerAccNo, PayerName, PayerAlias, PayeeAccNo, PayeeName, PayeeAlias };

class DefMoneyTest : public MoneyFixture {
 protected:
  DefMoneyTest() {
    TPayerInfo& own = AddPayer("1001");
    own.BranchName = "北京市分行";
    own.Balance = TAmount::FromUnits(15005000);
    own.BalanceDate = "20240105";
    AddPayer("1002", "1");
    AddPayee("2001", "1").RightType = "0";
    AddPayee("2002", "0");
  }

  template <class W>
  W* Find(const char* name) {
    auto* widget = form.findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString Text(const char* name) {
    if (auto* edit = form.findChild<QLineEdit*>(name)) return edit->text();
    return Find<QLabel>(name)->text();
  }
  void Type(const char* name, const QString& text) { Find<QLineEdit>(name)->setText(text); }
  QComboBox* Usage() { return Find<QComboBox>("cmbUsage"); }
  QListWidget& DropList() { return *Find<QListWidget>("lstDrop"); }
  QStringList DropTexts() {
    QStringList texts;
    for (int i = 0; i < DropList().count(); ++i) texts.append(DropList().item(i)->text());
    return texts;
  }

  // A new document opened with the payer and a payee chosen from the register.
  void OpenNew(const QString& payerAcc, int payeeIndex = 0) {
    form.ShowDocument(doc, payerAcc, batch);
    prompts.AnswerModal([this, payeeIndex](QDialog& dialog) {
      auto& select = dynamic_cast<TfmSelectPayee&>(dialog);
      Child<TMapleGrid>(select, "grdPayee").SetCurrentCell(1, payeeIndex);
      select.btnSelectClick();
      return select.result();
    });
    form.btnPayeeClick();
  }

  void ExpectRefused(const QString& message, const char* focus) {
    ASSERT_FALSE(prompts.Messages().empty());
    const TScriptedMessage& shown = prompts.Messages().back();
    EXPECT_EQ(shown.Icon, QMessageBox::Information);
    EXPECT_EQ(shown.Caption, "系统提示");
    EXPECT_EQ(shown.Text, message);
    EXPECT_EQ(form.focusWidget(), form.findChild<QWidget*>(focus)) << message.toStdString();
    EXPECT_NE(form.result(), QDialog::Accepted);
  }

  TPayMoneyInfo doc;
  TBatch batch;
  TFormDefMoney form{Context()};
};

TEST_F(DefMoneyTest, opensWithTheDocumentOrTheLastPayer) {
  form.ShowDocument(doc, "1001", batch);
  EXPECT_EQ(form.windowTitle(), "付款单据");
  EXPECT_EQ(Text("edtPayAccNo"), "1001");
  EXPECT_EQ(Text("edtPayAccName"), "公司1001");
  EXPECT_EQ(Text("lblPayBranch"), "北京市分行");
  EXPECT_EQ(Text("lblPayRight"), "签约");
  EXPECT_EQ(Text("lblPayBalance"), "1,500.50");
  EXPECT_EQ(Text("lblPayBalanceDate"), "20240105");
  EXPECT_EQ(Text("edtMoney"), "0");
  EXPECT_EQ(Text("lblRcvBank"), "");  // no account yet

  // An edit keeps the document's own copies, even of a payer now registered otherwise.
  doc.Payer.PayAccNo = "1001";
  doc.Payer.PayAccName = "旧名称";
  doc.Payee = Payee("2002", "0");
  doc.Money = TAmount::FromUnits(15005000);
  doc.Usage = "货款";
  form.ShowDocument(doc, "", batch);
  EXPECT_EQ(Text("edtPayAccName"), "旧名称");
  EXPECT_EQ(Text("lblPayBalance"), "");
  EXPECT_EQ(Text("edtRcvAccNo"), "2002");
  EXPECT_EQ(Text("lblRcvBank"), "他行账户");
  EXPECT_EQ(Text("edtMoney"), "1500.5");
  EXPECT_EQ(Usage()->currentText(), "货款");

  // An unknown last payer leaves the document's payer.
  form.ShowDocument(doc, "9999", batch);
  EXPECT_EQ(Text("edtPayAccName"), "旧名称");
}

TEST_F(DefMoneyTest, okRefusesWithMessageAndFocusUntilEveryCheckPasses) {
  form.ShowDocument(doc, "", batch);
  form.btnOkClick();
  ExpectRefused("请选择付款账户!", "btnPayer");

  Type("edtPayAccNo", "1002");  // the authorized payer, typed
  form.TypeAhead(PayerAccNo);
  form.HideDropDown();
  EXPECT_EQ(Text("edtPayAccNo"), "1002");
  EXPECT_EQ(Text("lblPayRight"), "授权");
  form.btnOkClick();
  ExpectRefused("请选择收款账户!", "btnPayee");

  // A payee of the register that is not contracted.
  TPayeeInfo other = Payee("2002", "0");
  prompts.AnswerModal([&](QDialog& dialog) {
    // An authorized payer chooses among the contracted payers.
    auto& select = dynamic_cast<TfmSelectPayer&>(dialog);
    EXPECT_EQ(Child<TMapleGrid>(select, "grdPayer").TotalRowCount(), 1);
    select.btnExitClick();
    return select.result();
  });
  form.btnPayeeClick();
  EXPECT_EQ(prompts.ModalRuns().back().ObjectName, "fmSelectPayer");
  EXPECT_EQ(Text("edtRcvAccNo"), "");

  doc.Payer = *data.FindLastPayer("1002");
  doc.Payee = other;
  form.ShowDocument(doc, "", batch);
  form.btnOkClick();
  ExpectRefused("授权付款账户对应的收款账户必须是签约的!", "btnPayee");

  doc.Payer = data.Payers[0];
  form.ShowDocument(doc, "", batch);
  form.btnOkClick();
  ExpectRefused("请输入用途!", "cmbUsage");
  Usage()->setEditText("货款|预付");
  form.btnOkClick();
  ExpectRefused("请输入正确的金额!", "edtMoney");
  for (const char* slip : {"1e5", "1E5", "0.001", "1,000", "+5", " 5", "12345678901234.00"}) {
    Type("edtMoney", QString::fromUtf8(slip));
    form.btnOkClick();
    ExpectRefused("请输入正确的金额!", "edtMoney");
  }
  Type("edtMoney", "88");
  form.btnOkClick();
  ExpectRefused("用途不能包含字符“|”！", "cmbUsage");
  EXPECT_EQ(doc.Money.Units(), 0);  // nothing stored while refused
  Usage()->setEditText("货款");
  form.btnOkClick();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(doc.Money.ToText(), "88");
  EXPECT_EQ(doc.Payee.RcvAccNo, "2002");
}

TEST_F(DefMoneyTest, anAuthorizedPayerTakesItsPayeeFromTheContractedPayers) {
  form.ShowDocument(doc, "1002", batch);
  prompts.AnswerModal([](QDialog& dialog) {
    auto& select = dynamic_cast<TfmSelectPayer&>(dialog);
    EXPECT_EQ(Child<TMapleGrid>(select, "grdPayer").TotalRowCount(), 1);  // filter "0"
    select.btnSelectClick();
    return select.result();
  });
  form.btnPayeeClick();
  EXPECT_EQ(Text("edtRcvAccNo"), "1001");
  EXPECT_EQ(Text("edtRcvAccName"), "公司1001");
  EXPECT_EQ(Text("edtRcvAccNo"), "1001");
  Usage()->setEditText("调拨");
  Type("edtMoney", "5");
  form.btnOkClick();
  EXPECT_TRUE(prompts.Messages().empty()) << prompts.LastMessage().Text.toStdString();
  EXPECT_EQ(doc.Payee.RcvAccNo, "1001");
}

TEST_F(DefMoneyTest, continueAppendsACompleteDocumentAndKeepsThePayeeRecord) {
  int changes = 0;
  form.BatchChanged = [&] { ++changes; };
  OpenNew("1001");
  Usage()->setEditText("工资");
  Type("edtMoney", "1500.50");
  form.btnContinueClick();

  ASSERT_EQ(batch.Count(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(data.LastPayerAccount, "1001");
  EXPECT_EQ(batch[0].Payer.PayAccName, "公司1001");
  EXPECT_EQ(batch[0].Payee.RcvAccNo, "2001");
  EXPECT_EQ(batch[0].Payee.CounterName, "北京朝阳支行");
  EXPECT_EQ(batch[0].Money.ToText(), "1500.5");
  EXPECT_EQ(batch[0].Usage, "工资");
  // The payee's shown fields and the amount are cleared; payer and usage stay.
  for (const char* name :
       {"edtRcvAccNo", "edtRcvAccName", "edtRcvAlias", "lblRcvCounter", "lblRcvBank", "edtMoney"})
    EXPECT_EQ(Text(name), "") << name;
  EXPECT_EQ(Text("edtPayAccNo"), "1001");
  EXPECT_EQ(Usage()->currentText(), "工资");

  // A click on the screen shows the payee again, and "确定" stores it a second time.
  form.HideDropDown();
  EXPECT_EQ(Text("edtRcvAccNo"), "2001");
  Type("edtMoney", "20");
  form.btnOkClick();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(doc.Payee.RcvAccNo, "2001");
  EXPECT_EQ(doc.Money.ToText(), "20");
  EXPECT_EQ(batch.Count(), 1);  // the confirmed document is the caller's to append

  // The usage went into the register once and was saved.
  EXPECT_EQ(data.Usages.Texts(), QStringList({"工资"}));
  TStartedRegisters reread(app.Path());
  EXPECT_EQ(reread.Usages.Texts(), QStringList({"工资"}));
}

TEST_F(DefMoneyTest, continueRefusesLikeOk) {
  form.BatchChanged = [] { FAIL() << "nothing may be appended"; };
  OpenNew("1001");
  form.btnContinueClick();
  ExpectRefused("请输入用途!", "cmbUsage");
  EXPECT_TRUE(batch.IsEmpty());
  EXPECT_EQ(data.LastPayerAccount, "");
}

TEST_F(DefMoneyTest, executeStoresOnlyOnOk) {
  prompts.AnswerModal([this](QDialog&) {
    Type("edtMoney", "7");
    form.btnCancelClick();
    return form.result();
  });
  EXPECT_FALSE(form.Execute(doc, "1001", batch));
  EXPECT_TRUE(doc.Payer.PayAccNo.isEmpty());

  doc.Payee = Payee("2002", "0");
  prompts.AnswerModal([this](QDialog&) {
    Usage()->setEditText(QString(35, u'款'));
    Type("edtMoney", "12.34");
    form.btnOkClick();
    return form.result();
  });
  EXPECT_TRUE(form.Execute(doc, "1001", batch));
  EXPECT_EQ(doc.Payer.PayAccNo, "1001");
  EXPECT_EQ(doc.Usage.size(), 30);
  EXPECT_EQ(doc.Money.ToText(), "12.34");
}

TEST_F(DefMoneyTest, typeAheadListsCandidatesAndCopiesTheClickedRecord) {
  AddLocal("2003", "0");  // another bank, local only
  AddLocal("2004", "1");  // this bank, local only
  form.ShowDocument(doc, "", batch);

  form.TypeAhead(PayeeAccNo);
  ASSERT_FALSE(DropList().isHidden());
  EXPECT_EQ(DropTexts(), QStringList({"2001", "2002", "2003", "2004"}));

  Type("edtRcvAccNo", "200");
  form.TypeAhead(PayeeAccNo);
  form.DropDownClicked(2);  // the other-bank local entry: FindAnyPayee does not know it
  EXPECT_TRUE(DropList().isHidden());
  EXPECT_EQ(Text("edtRcvAccNo"), "");

  form.TypeAhead(PayeeAccNo);
  form.DropDownClicked(3);
  EXPECT_EQ(Text("edtRcvAccNo"), "2004");
  EXPECT_EQ(Text("lblRcvBank"), "维行账户");

  // The payee's RightType sets the payer filter: only contracted payers now.
  form.TypeAhead(PayerName);
  EXPECT_EQ(DropTexts(), QStringList({"公司1001"}));
  form.DropDownClicked(0);
  EXPECT_EQ(Text("edtPayAccNo"), "1001");
  EXPECT_EQ(Text("lblPayCounter"), "北京西城支行");

  // A payer typed in full is taken at once, a partial one is not.
  Type("edtPayAccNo", "100");
  form.TypeAhead(PayerAccNo);
  form.HideDropDown();
  EXPECT_EQ(Text("edtPayAccNo"), "1001");
}

TEST_F(DefMoneyTest, aMouseClickOnTheScreenHidesTheListAndRedisplays) {
  OpenNew("1001");
  Type("edtRcvAccName", "改");
  form.TypeAhead(PayeeName);
  ASSERT_FALSE(DropList().isHidden());
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(Find<QLabel>("lblNote"), &press);
  EXPECT_TRUE(DropList().isHidden());
  EXPECT_EQ(Text("edtRcvAccName"), "收款人2001");
}

TEST_F(DefMoneyTest, theListOpensWhileTheClerkTypesAndClosesWhenTheFieldIsLeft) {
  OpenNew("1001");
  QLineEdit& field = *Find<QLineEdit>("edtRcvAccNo");

  // The focus passing through, and text set by the program, open nothing.
  QTest::keyRelease(&field, Qt::Key_Tab);
  QTest::keyRelease(&field, Qt::Key_Return);
  field.setText("200");
  EXPECT_TRUE(DropList().isHidden());

  field.clear();
  QTest::keyClicks(&field, "200");
  ASSERT_FALSE(DropList().isHidden());
  EXPECT_EQ(DropTexts(), QStringList({"2001", "2002"}));
  EXPECT_EQ(DropList().focusPolicy(), Qt::NoFocus);  // clicking the list keeps the field

  // Its own context menu keeps the list; moving on closes it and shows the payee again.
  QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
  QCoreApplication::sendEvent(&field, &toMenu);
  EXPECT_FALSE(DropList().isHidden());
  QFocusEvent away(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(&field, &away);
  EXPECT_TRUE(DropList().isHidden());
  EXPECT_EQ(field.text(), "2001");
}

}  // namespace
