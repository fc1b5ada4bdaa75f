#include <gtest/gtest.h>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

#include "platform/prompts/ChineseTranslation.h"
#include "platform/prompts/QtPrompts.h"

namespace {

// A button's text as read on screen, without its keyboard accelerator: "是(&Y)" reads 是.
QString Shown(const QAbstractButton* button) {
  if (!button) return QStringLiteral("<no such button>");
  QString text = button->text();
  text.remove(QRegularExpression(QStringLiteral("\\(&\\w\\)$")));
  return text.remove(QLatin1Char('&'));
}

// Qt's own texts on a system whose locale is English. The translation is taken
// out again afterwards, so that other tests see Qt as it comes.
class ChineseTranslation : public testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_TRUE(InstallChineseTranslation(*qApp))
        << "qtbase_zh_CN.qm is missing from "
        << QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString()
        << "; scripts/setup installs it with the package qt6-translations-l10n";
  }
  void TearDown() override {
    qDeleteAll(qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly));
    QLocale::setDefault(system_);
  }

 private:
  const QLocale system_ = QLocale::system();
};

TEST_F(ChineseTranslation, messageBoxButtonsAndLocaleAreChinese) {
  EXPECT_EQ(QLocale().name(), "zh_CN");

  const auto box = MakeMessageBox(QMessageBox::Question, "询问", "是否继续？",
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok |
                                      QMessageBox::Cancel | QMessageBox::Close,
                                  QMessageBox::Yes);
  EXPECT_EQ(Shown(box->button(QMessageBox::Yes)), "是");
  EXPECT_EQ(Shown(box->button(QMessageBox::No)), "否");
  EXPECT_EQ(Shown(box->button(QMessageBox::Ok)), "确定");
  EXPECT_EQ(Shown(box->button(QMessageBox::Cancel)), "取消");
  EXPECT_EQ(Shown(box->button(QMessageBox::Close)), "关闭");
}

TEST_F(ChineseTranslation, fileDialogsAreQtsOwnWithChineseButtons) {
  QTemporaryDir dir;
  const auto open = MakeFileDialog(QFileDialog::AcceptOpen, QFileDialog::ExistingFile, "导入",
                                   dir.path(), "Excel 文件 (*.xls)");
  const auto* openButtons = open->findChild<QDialogButtonBox*>();
  ASSERT_NE(openButtons, nullptr) << "not Qt's own file dialog";
  EXPECT_EQ(Shown(openButtons->button(QDialogButtonBox::Open)), "打开");
  EXPECT_EQ(Shown(openButtons->button(QDialogButtonBox::Cancel)), "取消");

  const QString suggested = dir.filePath("批量.xls");
  const auto save = MakeFileDialog(QFileDialog::AcceptSave, QFileDialog::AnyFile, "导出", suggested,
                                   "Excel 文件 (*.xls)");
  const auto* saveButtons = save->findChild<QDialogButtonBox*>();
  ASSERT_NE(saveButtons, nullptr) << "not Qt's own file dialog";
  EXPECT_EQ(Shown(saveButtons->button(QDialogButtonBox::Save)), "保存");
  EXPECT_EQ(Shown(saveButtons->button(QDialogButtonBox::Cancel)), "取消");
  EXPECT_EQ(save->selectedFiles(), QStringList{suggested});
}

}  // namespace
