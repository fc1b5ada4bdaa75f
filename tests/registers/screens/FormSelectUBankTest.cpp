#include <gtest/gtest.h>

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/codec/Gbk.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "registers/codetables/CodeFileConversion.h"
#include "registers/screens/FormSelectUBank.h"
#include "support/TempAppDir.h"

using codetables::TCodeFile;

namespace {

class FormSelectUBankTest : public testing::Test {
 protected:
  void SetUp() override {
    Write(TCodeFile::Area, "广东省|广州市|5810|\r\n广东省|深圳市|5840|\r\n北京市|北京市|1000|\r\n");
    Write(TCodeFile::Bank, "华东商业银行|102|\r\n南方发展银行|104|\r\n");
    Write(TCodeFile::Branch,
          "102|5810|广州天河支行|102581000013|\r\n102|5810|广州越秀支行|102581000021|\r\n"
          "102|1000|北京西单支行|102100000017|\r\n");
  }

  void Write(TCodeFile kind, const char* lines) {
    const auto table = codetables::ConvertCodeFile(kind, codec::ToGbk(QString::fromUtf8(lines)));
    ASSERT_TRUE(table);
    app.Write("param/" + codetables::TableFileName(kind), *table);
  }

  QString ParamDir() const { return app.File("param"); }

  static QComboBox* List(QDialog& dialog, const char* name) {
    auto* list = dialog.findChild<QComboBox*>(name);
    EXPECT_NE(list, nullptr) << name;
    return list;
  }
  static QPushButton* Button(QDialog& dialog, const char* name) {
    auto* button = dialog.findChild<QPushButton*>(name);
    EXPECT_NE(button, nullptr) << name;
    return button;
  }
  static QStringList Items(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
  }
  // Picks entries as the clerk does: by their texts, in the order given.
  static void Choose(QDialog& dialog, const char* name, const char* text) {
    QComboBox* list = List(dialog, name);
    const int index = list->findText(QString::fromUtf8(text));
    ASSERT_GE(index, 0) << text;
    list->setCurrentIndex(index);
  }

  TempAppDir app;
  TScriptedPrompts prompts;
};

TEST_F(FormSelectUBankTest, showsItsListsInOrderFilledFromTheTables) {
  TFormSelectUBank form(prompts, ParamDir());
  EXPECT_EQ(form.windowTitle(), "联行号选择");
  auto* layout = form.findChild<QFormLayout*>();
  ASSERT_NE(layout, nullptr);
  const char* names[] = {"cmbProvince", "cmbCity", "cmbBank", "cmbBranch"};
  const char* labels[] = {"所属省市：", "所属城市：", "所属银行：", "开户机构："};
  ASSERT_EQ(layout->rowCount(), 4);
  for (int row = 0; row < 4; ++row) {
    auto* label = qobject_cast<QLabel*>(layout->itemAt(row, QFormLayout::LabelRole)->widget());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), labels[row]);
    EXPECT_EQ(layout->itemAt(row, QFormLayout::FieldRole)->widget(), List(form, names[row]));
  }
  EXPECT_EQ(Button(form, "btnOk")->text(), "确定");
  EXPECT_EQ(Button(form, "btnCancel")->text(), "取消");

  EXPECT_EQ(Items(List(form, "cmbProvince")), QStringList({"", "广东省", "北京市"}));
  EXPECT_EQ(List(form, "cmbProvince")->currentIndex(), -1);
  EXPECT_EQ(Items(List(form, "cmbBank")), QStringList({"", "华东商业银行", "南方发展银行"}));
  EXPECT_EQ(List(form, "cmbBank")->currentIndex(), 0);
  EXPECT_EQ(List(form, "cmbCity")->count(), 0);
  EXPECT_EQ(List(form, "cmbBranch")->count(), 0);
  EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(FormSelectUBankTest, theListsCascadeAsTheClerkChooses) {
  TFormSelectUBank form(prompts, ParamDir());
  Choose(form, "cmbProvince", "广东省");
  EXPECT_EQ(Items(List(form, "cmbCity")), QStringList({"", "广州市", "深圳市"}));
  EXPECT_EQ(List(form, "cmbCity")->currentIndex(), -1);  // not the first item
  Choose(form, "cmbCity", "广州市");
  EXPECT_EQ(List(form, "cmbBranch")->count(), 0);
  Choose(form, "cmbBank", "华东商业银行");
  EXPECT_EQ(Items(List(form, "cmbBranch")), QStringList({"广州天河支行", "广州越秀支行"}));
  EXPECT_EQ(List(form, "cmbBranch")->currentIndex(), -1);
  Choose(form, "cmbBranch", "广州越秀支行");
  EXPECT_EQ(List(form, "cmbBranch")->currentText(), "广州越秀支行");

  Choose(form, "cmbProvince", "北京市");
  EXPECT_EQ(List(form, "cmbCity")->currentText(), "北京市");
  EXPECT_EQ(Items(List(form, "cmbBranch")), QStringList({"北京西单支行"}));
  EXPECT_EQ(List(form, "cmbBranch")->currentText(), "北京西单支行");
  form.btnOkClick();
  EXPECT_EQ(form.UBankNo(), "102100000017");

  Choose(form, "cmbBank", "");
  EXPECT_EQ(List(form, "cmbBranch")->count(), 0);
  EXPECT_EQ(List(form, "cmbCity")->currentText(), "北京市");

  form.SelectForShow("102", "广东省", "5810", "102581000013");
  EXPECT_EQ(List(form, "cmbProvince")->currentIndex(), 1);
  EXPECT_EQ(List(form, "cmbCity")->currentText(), "广州市");
  EXPECT_EQ(List(form, "cmbBank")->currentText(), "华东商业银行");
  EXPECT_EQ(List(form, "cmbBranch")->currentText(), "广州天河支行");
}

TEST_F(FormSelectUBankTest, pickReturnsTheChosenNumberOnlyOnOkWithABranch) {
  prompts.AnswerModal([](QDialog& dialog) {
    Choose(dialog, "cmbProvince", "广东省");
    Choose(dialog, "cmbCity", "广州市");
    Choose(dialog, "cmbBank", "华东商业银行");
    Choose(dialog, "cmbBranch", "广州天河支行");
    Button(dialog, "btnOk")->click();
    return dialog.result();
  });
  EXPECT_EQ(TFormSelectUBank::Pick(prompts, ParamDir()), "102581000013");
  ASSERT_EQ(prompts.ModalRuns().size(), 1u);
  EXPECT_EQ(prompts.ModalRuns()[0].WindowTitle, "联行号选择");

  // "确定" with two branches and none chosen closes with no number.
  prompts.AnswerModal([](QDialog& dialog) {
    Choose(dialog, "cmbProvince", "广东省");
    Choose(dialog, "cmbCity", "广州市");
    Choose(dialog, "cmbBank", "华东商业银行");
    Button(dialog, "btnOk")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    return dialog.result();
  });
  EXPECT_EQ(TFormSelectUBank::Pick(prompts, ParamDir()), "");

  prompts.AnswerModal([](QDialog& dialog) {
    Choose(dialog, "cmbProvince", "北京市");
    Choose(dialog, "cmbBank", "华东商业银行");  // its single branch is chosen at once
    Button(dialog, "btnCancel")->click();
    return dialog.result();
  });
  EXPECT_EQ(TFormSelectUBank::Pick(prompts, ParamDir()), "");
  EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(FormSelectUBankTest, eachPickReadsTheTablesAgainAndMissingTablesGiveEmptyLists) {
  Write(TCodeFile::Bank, "西北农商银行|105|\r\n");
  Write(TCodeFile::Branch, "105|1000|北京朝阳支行|105100000011|\r\n");
  prompts.AnswerModal([](QDialog& dialog) {
    Choose(dialog, "cmbProvince", "北京市");
    Choose(dialog, "cmbBank", "西北农商银行");
    Button(dialog, "btnOk")->click();
    return dialog.result();
  });
  EXPECT_EQ(TFormSelectUBank::Pick(prompts, ParamDir()), "105100000011");

  QFile::remove(app.File("param/AreaPeov.xml"));
  QFile::remove(app.File("param/UBank.xml"));
  TFormSelectUBank form(prompts, ParamDir());
  EXPECT_EQ(Items(List(form, "cmbProvince")), QStringList({""}));
  EXPECT_EQ(Items(List(form, "cmbBank")), QStringList({"", "西北农商银行"}));
  Choose(form, "cmbBank", "西北农商银行");
  EXPECT_EQ(List(form, "cmbBranch")->count(), 0);
  EXPECT_TRUE(prompts.Messages().empty());
}

}  // namespace
