#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "platform/codec/Gbk.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "registers/codetables/CodeFileConversion.h"
#include "registers/screens/FormDefPayee.h"
#include "support/StartedRegisters.h"
#include "support/TempAppDir.h"

using codetables::TCodeFile;
using TMode = TFormDefPayee::TMode;

namespace {

const char* const kBranchXml =
    "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<AreaCodeConf>"
    "<Branch><BranchCode>110</BranchCode><BranchName>北京市分行</BranchName>"
    "<Counter><CounterNo>110001</CounterNo><CounterName>北京西城支行</CounterName>"
    "<UBankNo>313100000011</UBankNo></Counter>"
    "<Counter><CounterNo>110002</CounterNo><CounterName>北京朝阳支行</CounterName>"
    "<UBankNo>313100000028</UBankNo></Counter></Branch>"
    "<Branch><BranchCode>310</BranchCode><BranchName>上海市分行</BranchName>"
    "<Counter><CounterNo>310001</CounterNo><CounterName>上海陆家嘴支行</CounterName>"
    "<UBankNo>313290000017</UBankNo></Counter></Branch></AreaCodeConf>";

class FormDefPayeeTest : public testing::Test {
 protected:
  FormDefPayeeTest() {
    app.Write("param/branch.xml", Gbk(kBranchXml));
    WriteTable(TCodeFile::Area,
               "广东省|广州市|5810|\r\n广东省|深圳市|5840|\r\n北京市|北京市|1000|\r\n");
    WriteTable(TCodeFile::Bank, "华东商业银行|102|\r\n南方发展银行|104|\r\n");
    WriteTable(TCodeFile::Branch,
               "102|5810|广州天河支行|102581000013|\r\n102|5810|广州越秀支行|102581000021|\r\n"
               "102|1000|北京西单支行|102100000017|\r\n104|5840|深圳福田支行|104584000011|\r\n");
  }

  static QByteArray Gbk(const char* utf8) { return codec::ToGbk(QString::fromUtf8(utf8)); }

  void WriteTable(TCodeFile kind, const char* lines) {
    const auto table = codetables::ConvertCodeFile(kind, Gbk(lines));
    ASSERT_TRUE(table);
    app.Write("param/" + codetables::TableFileName(kind), *table);
  }

  template <class W>
  W* Find(const char* name) {
    auto* widget = form.findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QComboBox* List(const char* name) { return Find<QComboBox>(name); }
  QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
  QRadioButton* Radio(const char* name) { return Find<QRadioButton>(name); }
  // The text of the label the dialog's layout shows beside the field.
  QString LabelOf(const char* field) {
    QWidget* widget = form.findChild<QWidget*>(field);
    for (QFormLayout* layout : form.findChildren<QFormLayout*>())
      if (auto* label = qobject_cast<QLabel*>(layout->labelForField(widget))) return label->text();
    return "(none)";
  }
  static QStringList Items(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
  }
  // Picks an entry by its text, as the clerk does.
  void Choose(const char* name, const char* text) {
    QComboBox* list = List(name);
    const int index = list->findText(QString::fromUtf8(text));
    ASSERT_GE(index, 0) << text;
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
  }
  void Type(const char* name, const char* text) { Edit(name)->setText(QString::fromUtf8(text)); }
  // Key presses carrying each character, as typing them (QTest::keyClicks takes Latin-1 only).
  static void KeyIn(QWidget* widget, const QString& text) {
    for (QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(widget, &press);
    }
  }

  // A new own-bank payee, filled completely.
  void FillNewOwnBankPayee(const char* accNo) {
    Type("edtAccNo", accNo);
    Type("edtAccName", "华北机电有限公司");
    Choose("cmbBranch", "北京市分行");
    Choose("cmbCounter", "北京朝阳支行");
  }

  static TPayeeInfo OtherBankPayee() {
    TPayeeInfo payee;
    payee.RcvAccNo = "4400123";
    payee.RcvAccName = "广州天河贸易公司";
    payee.IsNVX = "0";
    payee.BankCode = "102";
    payee.AreaProv = "广东省";
    payee.AreaCode = "5810";
    payee.UbankNo = "102581000021";
    payee.CounterName = "广州越秀支行";
    payee.ExchangeNo = "EX1";
    payee.RightType = "0";
    return payee;
  }

  void ExpectRefused(const char* message, QWidget* focus) {
    ASSERT_FALSE(prompts.Messages().empty());
    const TScriptedMessage& shown = prompts.Messages().back();
    EXPECT_EQ(shown.Icon, QMessageBox::Information);
    EXPECT_EQ(shown.Caption, "提示");
    EXPECT_EQ(shown.Text, QString::fromUtf8(message));
    EXPECT_EQ(form.focusWidget(), focus) << message;
    EXPECT_NE(form.result(), QDialog::Accepted);
  }

  TempAppDir app;
  TScriptedPrompts prompts;
  TStartedRegisters data{app.Path()};
  TFormDefPayee form{TRegisterContext{{prompts, {}}, data, &TSpreadsheetApp::Start}};
};

TEST_F(FormDefPayeeTest, aNewPayeeOpensAsOwnBankWithEmptyFieldsAndTheirLimits) {
  TPayeeInfo payee;
  form.ShowPayee(payee, TMode::Local);
  EXPECT_EQ(form.windowTitle(), "定义收款帐户");
  const std::pair<const char*, const char*> labels[] = {
      {"edtAccNo", "收款账号："},   {"edtAccName", "账户名称："}, {"cmbBranch", "一级分行："},
      {"cmbCounter", "开户机构："}, {"cmbBank", "所属银行："},    {"cmbProvince", "所属省市："},
      {"cmbCity", "所属城市："},    {"cmbUBank", "开户机构："},   {"edtOldCounter", "原开户机构："},
      {"cmbSortId", "分组名称："},  {"cmbAlias", "账户别名："}};
  for (const auto& [field, label] : labels) EXPECT_EQ(LabelOf(field), label) << field;
  EXPECT_EQ(Radio("rbOwnBank")->text(), "维行账户");
  EXPECT_EQ(Radio("rbOtherBank")->text(), "他行账户");
  EXPECT_EQ(Radio("rbQuick")->text(), "快速选择");
  EXPECT_EQ(Radio("rbManual")->text(), "手工输入");
  EXPECT_EQ(Find<QPushButton>("btnOk")->text(), "确定");
  EXPECT_EQ(Find<QPushButton>("btnCancel")->text(), "取消");

  EXPECT_TRUE(Radio("rbOwnBank")->isChecked());
  EXPECT_TRUE(Radio("rbQuick")->isChecked());
  EXPECT_TRUE(List("cmbBranch")->isVisibleTo(&form));
  EXPECT_FALSE(List("cmbBank")->isVisibleTo(&form));
  EXPECT_EQ(Items(List("cmbBranch")), QStringList({"北京市分行", "上海市分行"}));
  EXPECT_EQ(List("cmbBranch")->currentIndex(), -1);
  EXPECT_EQ(List("cmbCounter")->count(), 0);
  EXPECT_EQ(form.focusWidget(), Edit("edtAccNo"));

  EXPECT_EQ(Edit("edtAccNo")->maxLength(), 32);
  EXPECT_EQ(Edit("edtAccName")->maxLength(), 60);
  EXPECT_EQ(List("cmbSortId")->lineEdit()->maxLength(), 20);
  EXPECT_EQ(List("cmbAlias")->lineEdit()->maxLength(), 20);

  // Choosing a branch lists its counters with none chosen.
  Choose("cmbBranch", "北京市分行");
  EXPECT_EQ(Items(List("cmbCounter")), QStringList({"北京西城支行", "北京朝阳支行"}));
  EXPECT_EQ(List("cmbCounter")->currentIndex(), -1);

  // The other part shows when chosen, with the code tables read then.
  Radio("rbOtherBank")->click();
  EXPECT_TRUE(List("cmbBank")->isVisibleTo(&form));
  EXPECT_EQ(Items(List("cmbBank")), QStringList({"", "华东商业银行", "南方发展银行"}));
  EXPECT_EQ(Items(List("cmbProvince")), QStringList({"", "广东省", "北京市"}));
  EXPECT_FALSE(Find<QLabel>("lblManualNote")->isVisibleTo(&form));
}

TEST_F(FormDefPayeeTest, storesANewOwnBankPayeeOnOk) {
  data.Payees.Append(std::make_unique<TPayeeInfo>()).SortID = "供应商";
  data.LocalPayees.Append(std::make_unique<TPayeeInfo>()).SortID = "客户";
  data.LocalPayees.Append(std::make_unique<TPayeeInfo>()).SortID = "供应商";
  data.LocalPayees.Append(std::make_unique<TPayeeInfo>()).AccAlias = "华北";

  TPayeeInfo payee;
  prompts.AnswerModal([&](QDialog&) {
    EXPECT_EQ(Items(List("cmbSortId")), QStringList({"供应商", "客户"}));
    EXPECT_EQ(Items(List("cmbAlias")), QStringList({"华北"}));
    FillNewOwnBankPayee("  6222 0001 ");
    List("cmbSortId")->setEditText("供应商");
    form.btnOkClick();
    return form.result();
  });
  EXPECT_TRUE(form.Execute(payee, TMode::Local));
  EXPECT_TRUE(prompts.Messages().empty());
  EXPECT_EQ(payee.RcvAccNo, "6222 0001");
  EXPECT_EQ(payee.RcvAccName, "华北机电有限公司");
  EXPECT_EQ(payee.IsNVX, "1");
  EXPECT_EQ(payee.BranchCode, "110");
  EXPECT_EQ(payee.BranchName, "北京市分行");
  EXPECT_EQ(payee.CounterNo, "110002");
  EXPECT_EQ(payee.CounterName, "北京朝阳支行");
  EXPECT_EQ(payee.UbankNo, "313100000028");
  EXPECT_EQ(payee.SortID, "供应商");

  // "取消" leaves the payee as it was.
  const TPayeeInfo before = payee;
  prompts.AnswerModal([&](QDialog&) {
    Type("edtAccName", "改过的名称");
    Find<QPushButton>("btnCancel")->click();
    return form.result();
  });
  EXPECT_FALSE(form.Execute(payee, TMode::Local));
  EXPECT_EQ(payee.RcvAccName, before.RcvAccName);
}

TEST_F(FormDefPayeeTest, okRefusesWithTheMessageAndFocusOfTheFirstFailedCheck) {
  data.Payees.Append(std::make_unique<TPayeeInfo>()).RcvAccNo = "6222001";
  TPayeeInfo payee;
  form.ShowPayee(payee, TMode::Local);

  Type("edtAccNo", "   ");
  form.btnOkClick();
  ExpectRefused("收款账号：不能空，请填写！", Edit("edtAccNo"));
  EXPECT_EQ(Edit("edtAccNo")->text(), "");  // trimmed in the field

  Type("edtAccNo", "6222001");
  form.btnOkClick();
  ExpectRefused("账户名称：不能空，请填写！", Edit("edtAccName"));
  Type("edtAccName", "甲公司");
  form.btnOkClick();
  ExpectRefused("一级分行：不能空，请选择！", List("cmbBranch"));
  Choose("cmbBranch", "上海市分行");
  form.btnOkClick();
  ExpectRefused("开户机构：不能空，请选择！", List("cmbCounter"));
  Choose("cmbCounter", "上海陆家嘴支行");
  form.btnOkClick();
  ExpectRefused("账号[6222001]在收款名册中已经存在！", Edit("edtAccNo"));
  EXPECT_EQ(Edit("edtAccNo")->selectedText(), "6222001");

  // The same number for another bank is accepted.
  Radio("rbOtherBank")->click();
  form.btnOkClick();
  ExpectRefused("开户机构：不能空，请选择！", List("cmbUBank"));
  Radio("rbManual")->click();
  form.btnOkClick();
  ExpectRefused("开户机构：不能空，请输入！", List("cmbUBank"));
  KeyIn(List("cmbUBank")->lineEdit(), "  某支行 ");
  form.btnOkClick();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(payee.RcvAccNo, "6222001");
  EXPECT_EQ(payee.IsNVX, "0");
  EXPECT_EQ(payee.CounterName, "某支行");
  EXPECT_EQ(prompts.Messages().size(), 7u);
}

TEST_F(FormDefPayeeTest, registerModeLocksNumberNameAndCategoryOfAnExistingPayee) {
  TPayeeInfo payee;
  payee.RcvAccNo = "6222555";
  payee.RcvAccName = "上海远洋运输有限公司";
  payee.IsNVX = "1";
  payee.BranchCode = "310";
  payee.BranchName = "上海市分行";
  payee.CounterNo = "310001";
  payee.CounterName = "上海陆家嘴支行";
  data.Payees.Append(std::make_unique<TPayeeInfo>(payee));

  form.ShowPayee(payee, TMode::Register);
  EXPECT_TRUE(Edit("edtAccNo")->isReadOnly());
  EXPECT_TRUE(Edit("edtAccName")->isReadOnly());
  EXPECT_TRUE(Radio("rbOwnBank")->isEnabled());
  EXPECT_FALSE(Radio("rbOtherBank")->isEnabled());
  EXPECT_FALSE(List("cmbBranch")->isEnabled());
  EXPECT_FALSE(List("cmbCounter")->isEnabled());
  EXPECT_EQ(List("cmbBranch")->currentText(), "上海市分行");
  EXPECT_EQ(List("cmbCounter")->currentText(), "上海陆家嘴支行");
  List("cmbAlias")->setEditText("远洋");
  form.btnOkClick();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(payee.AccAlias, "远洋");
  EXPECT_EQ(payee.UbankNo, "313290000017");

  // Branch and counter the table does not know are shown as the payee has them, and kept.
  payee.BranchCode = "999";
  payee.BranchName = "已撤并分行";
  payee.CounterName = "已撤并支行";
  payee.UbankNo = "999";
  form.ShowPayee(payee, TMode::Register);
  EXPECT_EQ(List("cmbBranch")->currentText(), "已撤并分行");
  EXPECT_EQ(List("cmbCounter")->currentText(), "已撤并支行");
  form.btnOkClick();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(payee.BranchCode, "999");
  EXPECT_EQ(payee.CounterName, "已撤并支行");
  EXPECT_EQ(payee.UbankNo, "999");

  // The same dialog, reused in local mode, locks nothing and shows no unknown branch.
  form.ShowPayee(payee, TMode::Local);
  EXPECT_FALSE(Edit("edtAccNo")->isReadOnly());
  EXPECT_FALSE(Edit("edtAccName")->isReadOnly());
  EXPECT_TRUE(Radio("rbOtherBank")->isEnabled());
  EXPECT_TRUE(List("cmbBranch")->isEnabled());
  EXPECT_EQ(List("cmbBranch")->currentText(), "");
  form.btnOkClick();
  ExpectRefused("一级分行：不能空，请选择！", List("cmbBranch"));
}

TEST_F(FormDefPayeeTest, anExistingOtherBankPayeeOpensWithItsChoices) {
  TPayeeInfo payee = OtherBankPayee();
  form.ShowPayee(payee, TMode::Register);
  EXPECT_TRUE(Radio("rbOtherBank")->isChecked());
  EXPECT_FALSE(Radio("rbOwnBank")->isEnabled());
  EXPECT_TRUE(List("cmbBank")->isEnabled());
  EXPECT_EQ(List("cmbProvince")->currentText(), "广东省");
  EXPECT_EQ(List("cmbCity")->currentText(), "广州市");
  EXPECT_EQ(List("cmbBank")->currentText(), "华东商业银行");
  EXPECT_EQ(List("cmbUBank")->currentText(), "广州越秀支行");
  EXPECT_EQ(Edit("edtOldCounter")->text(), "广州越秀支行");
  EXPECT_TRUE(Radio("rbQuick")->isChecked());

  // A new branch chosen: number and name of the chosen one.
  Choose("cmbUBank", "广州天河支行");
  form.btnOkClick();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(payee.UbankNo, "102581000013");
  EXPECT_EQ(payee.CounterName, "广州天河支行");
  EXPECT_EQ(payee.AreaProv, "广东省");
  EXPECT_EQ(payee.AreaCode, "5810");
  EXPECT_EQ(payee.BankCode, "102");
  EXPECT_EQ(payee.ExchangeNo, "EX1");

  // A branch the tables do not hold: typed by hand, starting from the old name.
  payee = OtherBankPayee();
  payee.UbankNo = "000";
  payee.CounterName = "ABC Bank 广州分行";
  form.ShowPayee(payee, TMode::Register);
  EXPECT_TRUE(Radio("rbManual")->isChecked());
  EXPECT_TRUE(Find<QLabel>("lblManualNote")->isVisibleTo(&form));
  EXPECT_EQ(
      Find<QLabel>("lblManualNote")->text(),
      "提示：尊敬的客户，为加快您的账务处理速度，建议您在快速选择中重新选择收款账户开户行信息。");
  EXPECT_EQ(Edit("edtOldCounter")->text(), "ABC Bank 广州分行");
  EXPECT_EQ(List("cmbUBank")->currentText(), "abc bank 广州分行");
  EXPECT_EQ(List("cmbBank")->currentText(), "华东商业银行");
  form.btnOkClick();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(payee.CounterName, "abc bank 广州分行");
  EXPECT_EQ(payee.UbankNo, "");
  EXPECT_EQ(payee.BankCode, "102");
}

TEST_F(FormDefPayeeTest, theTypedBranchIsLowerCaseAndOutlivesRefillsAndSwitches) {
  TPayeeInfo payee;
  form.ShowPayee(payee, TMode::Local);
  Radio("rbOtherBank")->click();
  Radio("rbManual")->click();
  EXPECT_TRUE(Find<QLabel>("lblManualNote")->isVisibleTo(&form));
  QLineEdit* typed = List("cmbUBank")->lineEdit();
  ASSERT_NE(typed, nullptr);
  KeyIn(typed, "XY支行A");
  EXPECT_EQ(List("cmbUBank")->currentText(), "xy支行a");

  // Choices that refill the branch list keep the typed text.
  Choose("cmbProvince", "北京市");
  EXPECT_EQ(List("cmbCity")->currentText(), "北京市");  // the province's only city
  Choose("cmbBank", "华东商业银行");
  EXPECT_EQ(Items(List("cmbUBank")), QStringList({"北京西单支行"}));
  EXPECT_EQ(List("cmbUBank")->currentText(), "xy支行a");

  // Back to the list: its only branch was chosen at once; typing again brings the text back.
  Radio("rbQuick")->click();
  EXPECT_FALSE(Find<QLabel>("lblManualNote")->isVisibleTo(&form));
  EXPECT_EQ(List("cmbUBank")->currentText(), "北京西单支行");
  EXPECT_FALSE(List("cmbUBank")->isEditable());
  Radio("rbManual")->click();
  EXPECT_EQ(List("cmbUBank")->currentText(), "xy支行a");
}

TEST_F(FormDefPayeeTest, readOnlyFieldsLookGreyAndTheHiddenManualNoteLeavesNoGap) {
  TPayeeInfo payee = OtherBankPayee();
  form.ShowPayee(payee, TMode::Register);
  form.show();
  const QColor grey = form.palette().color(QPalette::Window);
  const QColor white = form.palette().color(QPalette::Base);
  ASSERT_NE(grey, white);
  EXPECT_EQ(Edit("edtAccNo")->palette().color(QPalette::Base), grey);
  EXPECT_EQ(Edit("edtOldCounter")->palette().color(QPalette::Base), grey);
  EXPECT_EQ(List("cmbAlias")->lineEdit()->palette().color(QPalette::Base), white);

  // Showing or hiding the note lays out its part first, then the dialog.
  const auto heightLaidOut = [this] {
    for (int round = 0; round < 2; ++round) QApplication::sendPostedEvents();
    return form.height();
  };
  const int quickHeight = heightLaidOut();
  Radio("rbManual")->click();
  EXPECT_GT(heightLaidOut(), quickHeight);
  Radio("rbQuick")->click();
  EXPECT_EQ(heightLaidOut(), quickHeight);

  form.ShowPayee(payee, TMode::Local);  // nothing locked: writable and white again
  EXPECT_EQ(Edit("edtAccNo")->palette().color(QPalette::Base), white);
}

TEST_F(FormDefPayeeTest, tablesAreReadAgainAfterTheirFilesChanged) {
  TPayeeInfo fresh;
  form.ShowPayee(fresh, TMode::Local);
  EXPECT_EQ(List("cmbBranch")->count(), 2);
  Radio("rbOtherBank")->click();
  EXPECT_EQ(List("cmbBank")->count(), 3);

  WriteTable(TCodeFile::Bank, "华东商业银行|102|\r\n南方发展银行|104|\r\n西部农村银行|402|\r\n");
  WriteTable(TCodeFile::Branch, "102|5810|广州珠江新城支行|102581000099|\r\n");
  app.Write("param/branch.xml",
            Gbk("<?xml version=\"1.0\" "
                "encoding=\"GB2312\"?><AreaCodeConf><Branch><BranchCode>440</BranchCode>"
                "<BranchName>广东省分行</BranchName></Branch></AreaCodeConf>"));
  TPayeeInfo payee = OtherBankPayee();
  form.ShowPayee(payee, TMode::Local);
  EXPECT_EQ(Items(List("cmbBank")),
            QStringList({"", "华东商业银行", "南方发展银行", "西部农村银行"}));
  EXPECT_EQ(Items(List("cmbUBank")), QStringList({"广州珠江新城支行"}));
  EXPECT_TRUE(Radio("rbManual")->isChecked());  // its old branch is gone
  Radio("rbOwnBank")->click();
  EXPECT_EQ(Items(List("cmbBranch")), QStringList({"广东省分行"}));

  // A table removed meanwhile leaves only the empty entry.
  QFile::remove(app.File("param/OtherBank.xml"));
  Radio("rbOtherBank")->click();
  EXPECT_EQ(Items(List("cmbBank")), QStringList({""}));
}

TEST_F(FormDefPayeeTest, enterMovesToTheNextField) {
  TPayeeInfo payee;
  form.ShowPayee(payee, TMode::Local);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  // Of the two category buttons only the chosen one takes the focus, as with Tab.
  const char* order[] = {"edtAccNo",   "edtAccName", "rbOwnBank", "cmbBranch",
                         "cmbCounter", "cmbSortId",  "cmbAlias"};
  Edit("edtAccNo")->setFocus();
  for (const char* name : order) {
    QWidget* expected = form.findChild<QWidget*>(name);
    ASSERT_EQ(form.focusWidget(), expected) << name;
    QTest::keyClick(form.focusWidget(), Qt::Key_Return);
  }
  EXPECT_EQ(form.focusWidget(), form.findChild<QWidget*>("btnOk"));
  EXPECT_NE(form.result(), QDialog::Accepted);
  EXPECT_TRUE(prompts.Messages().empty());
}

}  // namespace
