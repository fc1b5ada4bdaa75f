#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/codec/Gbk.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "registers/screens/FormUBank.h"
#include "support/TempAppDir.h"

namespace {

const char* const kDone = "文件已更新完成！";
const char* const kBadFile = "文件格式有误，请重新下载更新文件！";

class FormUBankTest : public testing::Test {
 protected:
  FormUBankTest() : form(prompts, app.File("param")) {
    QDir().mkpath(app.File("param"));
    app.Write("AREACODE.TXT", Gbk("浙江省|杭州市|3310|\r\n"));
    app.Write("OTHERBANKCODE.TXT", Gbk("华东商业银行|321|\r\n"));
    app.Write("in/ubankcode.txt", Gbk("321|3310|西湖支行|321331000016|\r\n"));
    app.Write("UBANKCODE.TXT.bak", Gbk("321|3310|西湖支行|321331000016|\r\n"));
    form.show();
  }

  static QByteArray Gbk(const char* utf8) { return codec::ToGbk(QString::fromUtf8(utf8)); }

  // Chooses the kind of file, answers the file dialog with the path (empty:
  // cancelled) and presses "确定".
  void Update(const char* choice, const QString& path) {
    auto* button = form.findChild<QRadioButton*>(choice);
    ASSERT_NE(button, nullptr) << choice;
    button->click();
    prompts.AnswerFile(path);
    QTest::mouseClick(form.findChild<QPushButton*>("btnOk"), Qt::LeftButton);
  }

  // The last message must be the one given, captioned "系统提示", with the icon.
  void ExpectMessage(QMessageBox::Icon icon, const char* text) {
    const TScriptedMessage message = prompts.LastMessage();
    EXPECT_EQ(message.Icon, icon);
    EXPECT_EQ(message.Caption, "系统提示");
    EXPECT_EQ(message.Text, QString::fromUtf8(text));
  }

  TempAppDir app;
  TScriptedPrompts prompts;
  TFormUBank form;
};

TEST_F(FormUBankTest, showsTheNoticeAndTheAreaFileChosen) {
  EXPECT_EQ(form.windowTitle(), "他行信息文件更新");
  EXPECT_EQ(form.findChild<QLabel*>("lblNotice")->text(),
            "友好提示：\n"
            "\n"
            "  ① 更新文件请到维行企业网银服务管理_更新客户端软\n"
            "       件参数下下载。\n"
            "\n"
            "  ② 下载后的更新文件文件为zhlhh_unload.tar.gz压缩文件，\n"
            "       请先使用WinRar或WinZip等解压缩工具进行解压，以\n"
            "       便更新。\n"
            "\n"
            "  ③ 更新文件时需同时更新以下三个文件。");
  EXPECT_EQ(form.findChild<QGroupBox*>()->title(), "请选择需要更新的文件");
  QStringList choices;
  for (const char* name : {"rbArea", "rbBank", "rbBranch"})
    choices << form.findChild<QRadioButton*>(name)->text();
  EXPECT_EQ(choices, QStringList({"省市地区文件更新（AREACODE.TXT）",
                                  "他行信息文件更新（OTHERBANKCODE.TXT）",
                                  "他行网点信息文件更新（UBANKCODE.TXT）"}));
  EXPECT_TRUE(form.findChild<QRadioButton*>("rbArea")->isChecked());
  EXPECT_EQ(form.findChild<QPushButton*>("btnOk")->text(), "确定");
}

TEST_F(FormUBankTest, convertsTheThreeFilesInTurnAndStaysOpen) {
  prompts.AnswerFile(app.File("AREACODE.TXT"));
  form.btnOkClick();  // the area file is chosen at first
  ExpectMessage(QMessageBox::Information, kDone);
  Update("rbBank", app.File("OTHERBANKCODE.TXT"));
  ExpectMessage(QMessageBox::Information, kDone);
  // The name is compared without regard to case.
  Update("rbBranch", app.File("in/ubankcode.txt"));
  ExpectMessage(QMessageBox::Information, kDone);

  EXPECT_EQ(prompts.Messages().size(), 3u);
  EXPECT_EQ(prompts.FileDialogs().size(), 3u);
  EXPECT_TRUE(prompts.FileDialogs().back().Filter.isEmpty());
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(app.Read("param/AreaPeov.xml").contains(Gbk("<![CDATA[杭州市]]>")));
  EXPECT_TRUE(app.Read("param/OtherBank.xml").contains(Gbk("<![CDATA[华东商业银行]]>")));
  EXPECT_TRUE(app.Read("param/UBank.xml").contains(Gbk("<![CDATA[西湖支行]]>")));
}

TEST_F(FormUBankTest, cancellingTheFileDialogDoesNothing) {
  prompts.AnswerFile(QString());
  form.btnOkClick();
  EXPECT_EQ(prompts.FileDialogs().size(), 1u);
  EXPECT_TRUE(prompts.Messages().empty());
  EXPECT_FALSE(QFile::exists(app.File("param/AreaPeov.xml")));
  EXPECT_TRUE(form.isVisible());
}

TEST_F(FormUBankTest, aFileOfAnotherNameOrABadFileIsRefusedAndTheOldTableKept) {
  const QByteArray oldTable = Gbk("<UBankCodesConf/>\r\n");
  app.Write("param/UBank.xml", oldTable);
  app.Write("param/AreaPeov.xml", oldTable);

  Update("rbBranch", app.File("UBANKCODE.TXT.bak"));
  ExpectMessage(QMessageBox::Critical, kBadFile);
  // A good file, but not the kind chosen.
  Update("rbArea", app.File("in/ubankcode.txt"));
  ExpectMessage(QMessageBox::Critical, kBadFile);
  // The right name with a field too many.
  app.Write("AREACODE.TXT", Gbk("浙江省|杭州市|3310|9|\r\n"));
  Update("rbArea", app.File("AREACODE.TXT"));
  ExpectMessage(QMessageBox::Critical, kBadFile);

  EXPECT_EQ(prompts.Messages().size(), 3u);
  EXPECT_EQ(app.Read("param/UBank.xml"), oldTable);
  EXPECT_EQ(app.Read("param/AreaPeov.xml"), oldTable);
  EXPECT_TRUE(form.isVisible());

  // A good file that cannot be written is not blamed on the download.
  QFile::remove(app.File("param/UBank.xml"));
  QDir().mkpath(app.File("param/UBank.xml"));
  Update("rbBranch", app.File("in/ubankcode.txt"));
  ASSERT_EQ(prompts.Messages().size(), 4u);
  EXPECT_TRUE(prompts.Messages().back().Text.startsWith(
      QStringLiteral("代码表未能更新，原来的代码表保持不变。\n无法写入文件")))
      << prompts.Messages().back().Text.toStdString();
}

}  // namespace

namespace {

// A package made by tar from the files of the program directory given.
QString Pack(TempAppDir& app, const char* name, const QStringList& files) {
  QProcess tar;
  tar.setWorkingDirectory(app.Path());
  tar.start("tar", QStringList{"czf", QString::fromUtf8(name)} + files);
  EXPECT_TRUE(tar.waitForFinished(30000));
  EXPECT_EQ(tar.exitCode(), 0) << tar.readAllStandardError().toStdString();
  return app.File(QString::fromUtf8(name));
}

TEST_F(FormUBankTest, theBanksPackageUpdatesAllThreeTablesOrNone) {
  app.Write("pkg/sub/AREACODE.TXT", Gbk("浙江省|杭州市|3310|\r\n"));
  app.Write("pkg/OTHERBANKCODE.TXT", Gbk("华东商业银行|321|\r\n"));
  app.Write("pkg/UBANKCODE.TXT", Gbk("321|3310|西湖支行|321331000016|\r\n"));
  app.Write("pkg/bad/AREACODE.TXT", Gbk("江苏省|南京市|3201|\r\n"));
  app.Write("pkg/bad/UBANKCODE.TXT", Gbk("321|3310|西湖\x01支行|\r\n"));

  // Entries are found by their file names wherever they stand in the package.
  prompts.AnswerFile(Pack(app, "zhlhh_unload.tar.gz",
                          {"pkg/sub/AREACODE.TXT", "pkg/OTHERBANKCODE.TXT", "pkg/UBANKCODE.TXT"}));
  form.btnOkClick();
  ExpectMessage(QMessageBox::Information, kDone);
  EXPECT_TRUE(app.Read("param/AreaPeov.xml").contains(Gbk("<![CDATA[杭州市]]>")));
  EXPECT_TRUE(app.Read("param/UBank.xml").contains(Gbk("<![CDATA[西湖支行]]>")));
  EXPECT_FALSE(QFile::exists(app.File("param/pkg")));

  // A file missing or one that does not convert changes no table.
  const QByteArray tables = app.Read("param/AreaPeov.xml") + app.Read("param/OtherBank.xml") +
                            app.Read("param/UBank.xml");
  prompts.AnswerFile(Pack(app, "two.tar.gz", {"pkg/bad/AREACODE.TXT", "pkg/OTHERBANKCODE.TXT"}));
  form.btnOkClick();
  ExpectMessage(QMessageBox::Critical, "更新包中缺少文件UBANKCODE.TXT，请重新下载更新文件！");
  prompts.AnswerFile(Pack(
      app, "bad.tgz", {"pkg/bad/AREACODE.TXT", "pkg/OTHERBANKCODE.TXT", "pkg/bad/UBANKCODE.TXT"}));
  form.btnOkClick();
  ExpectMessage(QMessageBox::Critical, "更新包中的文件UBANKCODE.TXT格式有误，请重新下载更新文件！");
  app.Write("broken.tar.gz", "not a package");
  prompts.AnswerFile(app.File("broken.tar.gz"));
  form.btnOkClick();
  EXPECT_TRUE(prompts.LastMessage().Text.startsWith("无法读取更新包"));

  EXPECT_EQ(app.Read("param/AreaPeov.xml") + app.Read("param/OtherBank.xml") +
                app.Read("param/UBank.xml"),
            tables);
}

}  // namespace
