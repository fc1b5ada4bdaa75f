#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <stdexcept>

#include "platform/codec/Gbk.h"
#include "platform/errors/ClerkError.h"
#include "platform/files/FileError.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "shell/FormMain.h"
#include "shell/MenuTreeItem.h"
#include "shell/PlaceholderScreen.h"
#include "support/FakeSession.h"
#include "support/TempAppDir.h"
#include "widgets/base/FormOriginal.h"

namespace {

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

const char* const kMenuDamaged = "系统菜单文件有误，请重新安装客户端程序！";

// A Menu.ini as shipped: GBK bytes, CR LF line ends.
QByteArray MenuIni(const char* utf8) {
  return codec::ToGbk(Text(utf8).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
}

// A screen with state of its own that counts how often it was asked to close
// and to save before the program ends.
class ProbeScreen : public TFormOriginal {
 public:
  explicit ProbeScreen(TScreenServices services)
      : TFormOriginal(std::move(services)), Edit(new QLineEdit(this)) {}
  void BeforeProgramExit() override {
    ++Saves;
    if (SaveFailure) throw TFileError(QString::fromUtf8(SaveFailure));
  }
  QLineEdit* Edit;
  int CloseRequests = 0;
  bool RefuseClose = false;
  int Saves = 0;
  const char* SaveFailure = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override {
    ++CloseRequests;
    if (RefuseClose)
      event->ignore();
    else
      event->accept();
  }
};

class MainWindowTest : public testing::Test {
 protected:
  MainWindowTest() {
    dir.Write(QStringLiteral("param/ClientSys.ini"),
              MenuIni("[B2B]\nURL=http://127.0.0.1:8443\nVerTime=20261201\n"));
  }

  std::unique_ptr<TFormMain> Open(const char* menu) {
    dir.Write(QStringLiteral("param/Menu.ini"), MenuIni(menu));
    auto form = std::make_unique<TFormMain>(dir.Path(), prompts);
    session = std::make_unique<TFakeSession>();
    form->SetSessionControl(session.get());
    return form;
  }

  static QTreeWidget* Tree(TFormMain& form) {
    return form.findChild<QTreeWidget*>(QStringLiteral("TreeMenu"));
  }

  // Selects the leaf with this text and runs the tree's click command.
  static void Choose(TFormMain& form, const char* leaf) {
    const QList<QTreeWidgetItem*> found =
        Tree(form)->findItems(Text(leaf), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1) << leaf;
    Tree(form)->setCurrentItem(found.first());
    form.TreeMenuClick();
  }

  static QString CurrentCaption(const TFormMain& form) {
    return form.CurrentScreen() ? form.CurrentScreen()->windowTitle() : QString();
  }

  static QPushButton* Button(TFormMain& form, const char* name) {
    return form.findChild<QPushButton*>(QString::fromLatin1(name));
  }

  TempAppDir dir;
  TScriptedPrompts prompts;
  std::unique_ptr<TFakeSession> session;
};

}  // namespace

TEST_F(MainWindowTest, menuTreeFollowsTheSectionsAndKeysOfMenuIniInFileOrder) {
  auto form = Open("; 菜单\n[乙组]\n朱镕基金=3\n浏览=0x0A\n\n[甲组]\n制单=abc\n空值=\n");
  QTreeWidget* tree = Tree(*form);
  ASSERT_EQ(tree->topLevelItemCount(), 2);
  const QTreeWidgetItem* first = tree->topLevelItem(0);
  const QTreeWidgetItem* second = tree->topLevelItem(1);
  EXPECT_EQ(first->text(0), Text("乙组"));
  EXPECT_EQ(second->text(0), Text("甲组"));
  EXPECT_EQ(MenuOf(first), nullptr);
  ASSERT_EQ(first->childCount(), 2);
  ASSERT_EQ(second->childCount(), 2);
  EXPECT_EQ(MenuOf(first->child(0))->Caption, Text("朱镕基金"));
  EXPECT_EQ(MenuOf(first->child(0))->Code, 3);
  EXPECT_EQ(MenuOf(first->child(1))->Code, 10);
  EXPECT_EQ(MenuOf(second->child(0))->Caption, Text("制单"));
  EXPECT_EQ(MenuOf(second->child(0))->Code, 0);
  EXPECT_EQ(MenuOf(second->child(1))->Code, 0);
  EXPECT_TRUE(prompts.Messages().empty());

  EXPECT_EQ(form->windowTitle(), Text("维岭银行网银企业客户端V8.4"));
  EXPECT_EQ(form->ServerBaseUrl(), Text("http://127.0.0.1:8443"));
  EXPECT_EQ(form->ClientVersionTime(), Text("20261201"));
  EXPECT_EQ(form->MainPlatV5Path(), Text("/NNVX/NECV5B2BMainPlat"));
  EXPECT_EQ(form->MainPlatV6Path(), Text("/NNVX/NECV6B2BMainPlat"));
  const struct {
    const char* Name;
    const char* Caption;
  } buttons[] = {{"btnEnter", "登陆企业网银"},
                 {"btnQuitWY", "退出企业网银"},
                 {"btnLinkWY", "企业网银链接"},
                 {"btnOperBook", "操作手册"},
                 {"btnExit", "退出客户端"}};
  for (const auto& b : buttons) {
    ASSERT_NE(Button(*form, b.Name), nullptr) << b.Name;
    EXPECT_EQ(Button(*form, b.Name)->text(), Text(b.Caption));
  }
  EXPECT_NE(form->findChild<QStackedWidget*>(QStringLiteral("pnlWork")), nullptr);
  EXPECT_NE(form->findChild<QWidget*>(QStringLiteral("pnlMenus")), nullptr);
}

TEST_F(MainWindowTest, damagedSectionIsReportedAndTheRestOfTheMenuStillLoads) {
  auto form = Open("[转账]\n制单=0\n这一行坏了\n浏览=3\n[名册]\n付款人=9\n");
  EXPECT_EQ(prompts.MessageTexts(), QStringList{Text(kMenuDamaged)});
  QTreeWidget* tree = Tree(*form);
  ASSERT_EQ(tree->topLevelItemCount(), 2);
  EXPECT_EQ(tree->topLevelItem(0)->childCount(), 2);
  EXPECT_EQ(tree->topLevelItem(1)->childCount(), 1);
}

TEST_F(MainWindowTest, menuWithoutSectionsGivesAnEmptyTreeAndTheWindowStillWorks) {
  auto form = Open("; 只有注释\n");
  EXPECT_EQ(Tree(*form)->topLevelItemCount(), 0);
  EXPECT_EQ(prompts.MessageTexts(), QStringList{Text(kMenuDamaged)});
  form->TreeMenuClick();
  EXPECT_EQ(form->CurrentScreen(), nullptr);
}

TEST_F(MainWindowTest, menuCodesOpenTheirScreensAndUnknownCodesNothing) {
  auto form = Open("[组]\n文字=abc\n十六进制=0x0A\n未知=99\n");
  Tree(*form)->setCurrentItem(Tree(*form)->topLevelItem(0));
  form->TreeMenuClick();
  EXPECT_EQ(form->CurrentScreen(), nullptr);

  Choose(*form, "未知");
  EXPECT_EQ(form->CurrentScreen(), nullptr);

  Choose(*form, "文字");
  ASSERT_NE(qobject_cast<TPlaceholderScreen*>(form->CurrentScreen()), nullptr);
  EXPECT_EQ(CurrentCaption(*form), Text("批量制单"));
  EXPECT_EQ(form->CurrentScreen()->findChild<QLabel*>()->text(), Text("批量制单"));
  EXPECT_EQ(form->CurrentScreen()->parentWidget(),
            form->findChild<QStackedWidget*>(QStringLiteral("pnlWork")));

  Choose(*form, "十六进制");
  EXPECT_EQ(CurrentCaption(*form), Text("收款人名册"));

  Choose(*form, "未知");
  EXPECT_EQ(CurrentCaption(*form), Text("收款人名册"));
  EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(MainWindowTest, fillsTheAvailableScreenAndUnbuiltEntriesSaySoOnTheirPage) {
  auto form = Open("[转账]\n明细=3\n[参数]\n更新=5\n");
  form->ShowFillingScreen();
  EXPECT_TRUE(form->isMaximized());
  EXPECT_TRUE(form->frameGeometry().contains(form->screen()->availableGeometry()));

  const QString later = Text("此功能将在后续版本中提供");
  Choose(*form, "明细");
  const auto* note = form->CurrentScreen()->findChild<QLabel*>(QStringLiteral("lblNotYetBuilt"));
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->text(), later);

  session->LogOnSucceeds = true;
  QString dialogNote;
  prompts.AnswerModal([&dialogNote](QDialog& dialog) {
    if (auto* label = dialog.findChild<QLabel*>(QStringLiteral("lblNotYetBuilt")))
      dialogNote = label->text();
    return int(QDialog::Rejected);
  });
  Choose(*form, "更新");
  EXPECT_EQ(prompts.ModalRuns().back().WindowTitle, Text("更新客户端软件参数"));
  EXPECT_EQ(dialogNote, later);
}

TEST_F(MainWindowTest, screensAreKeptAliveAndClosedWhenReplaced) {
  auto form = Open("[名册]\n付款人=9\n收款人=10\n");
  QPointer<ProbeScreen> payers;
  QPointer<ProbeScreen> payees;
  form->Screens().RegisterScreen(9, Text("付款人名册"), [&payers, &form] {
    auto screen = std::make_unique<ProbeScreen>(form->ScreenServices());
    payers = screen.get();
    return screen;
  });
  form->Screens().RegisterScreen(10, Text("收款人名册"), [&payees, &form] {
    auto screen = std::make_unique<ProbeScreen>(form->ScreenServices());
    payees = screen.get();
    return screen;
  });
  form->show();

  Choose(*form, "付款人");
  ASSERT_TRUE(payers);
  EXPECT_EQ(form->CurrentScreen(), payers.data());
  payers->Edit->setText(Text("未保存的输入"));

  // Choosing the screen that is shown changes nothing.
  EXPECT_FALSE(form->ShowScreen(9));
  Choose(*form, "付款人");
  EXPECT_EQ(payers->CloseRequests, 0);
  EXPECT_TRUE(payers->isVisible());

  Choose(*form, "收款人");
  EXPECT_EQ(form->CurrentScreen(), payees.data());
  EXPECT_EQ(payers->CloseRequests, 1);
  ASSERT_TRUE(payers);
  EXPECT_FALSE(payers->isVisible());
  EXPECT_TRUE(payees->isVisible());

  ProbeScreen* first = payers.data();
  Choose(*form, "付款人");
  EXPECT_EQ(form->CurrentScreen(), first);
  EXPECT_EQ(payers->Edit->text(), Text("未保存的输入"));
  EXPECT_TRUE(payers->isVisible());
  EXPECT_EQ(payees->CloseRequests, 1);

  // A screen that closed itself comes back when chosen again.
  payers->close();
  EXPECT_FALSE(payers->isVisible());
  Choose(*form, "付款人");
  EXPECT_TRUE(payers->isVisible());

  // A screen that refuses to close stays in front.
  payers->RefuseClose = true;
  EXPECT_FALSE(form->ShowScreen(10));
  EXPECT_EQ(form->CurrentScreen(), first);
  EXPECT_TRUE(payers->isVisible());
}

TEST_F(MainWindowTest, sessionCodesLogOnFirstAndOpenNothingWithoutASession) {
  auto form = Open("[查询]\n明细联机=6\n参数=5\n");

  Choose(*form, "明细联机");
  EXPECT_EQ(session->LogOnCalls, 1);
  EXPECT_EQ(form->CurrentScreen(), nullptr);

  session->LogOnSucceeds = true;
  Choose(*form, "明细联机");
  EXPECT_EQ(session->LogOnCalls, 2);
  EXPECT_EQ(CurrentCaption(*form), Text("账户明细联机查询"));

  // Logged on: no second logon; dialogs run modally through the prompts.
  prompts.AnswerModal(QDialog::Accepted);
  Choose(*form, "参数");
  EXPECT_EQ(session->LogOnCalls, 2);
  ASSERT_EQ(prompts.ModalRuns().size(), 1u);
  EXPECT_EQ(prompts.ModalRuns()[0].WindowTitle, Text("更新客户端软件参数"));
  EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(MainWindowTest, withoutSessionHooksTheLogonTellsTheClerkAndOpensNothing) {
  auto form = Open("[查询]\n流水联机=7\n");
  form->SetSessionControl(nullptr);
  Choose(*form, "流水联机");
  EXPECT_EQ(form->CurrentScreen(), nullptr);
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_EQ(prompts.LastMessage().Caption, Text("登陆企业网银"));
}

TEST_F(MainWindowTest, sessionButtonsFollowTheSessionState) {
  auto form = Open("[组]\n制单=0\n");

  form->btnQuitWYClick();
  EXPECT_EQ(prompts.LastMessage().Text, Text("未与服务器联机。"));

  session->LoggedOn = true;
  form->btnEnterClick();
  EXPECT_EQ(prompts.LastMessage().Text,
            Text("客户端已与服务器联机，请先退出企业网银再进行登陆操作。"));
  EXPECT_EQ(session->LogOnCalls, 0);

  prompts.Answer(QMessageBox::No);
  form->btnQuitWYClick();
  const TScriptedMessage question = prompts.LastMessage();
  EXPECT_EQ(question.Caption, Text("退出联机"));
  EXPECT_EQ(question.Text, Text("是否需要断开客户端与网银的连接？"));
  EXPECT_EQ(question.Buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_TRUE(session->LoggedOn);
  EXPECT_EQ(session->LogOffCalls, 0);

  prompts.Answer(QMessageBox::Yes);
  form->btnQuitWYClick();
  EXPECT_FALSE(session->LoggedOn);
  EXPECT_EQ(session->LogOffCalls, 1);
  EXPECT_EQ(prompts.PendingAnswers(), 0);
}

TEST_F(MainWindowTest, anErrorOfAButtonCommandIsShownAndTheWindowGoesOn) {
  auto form = Open("[组]\n制单=0\n");
  form->show();
  session->Failure = "网银服务器无响应";
  QTest::mouseClick(Button(*form, "btnEnter"), Qt::LeftButton);
  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Critical);
  EXPECT_EQ(prompts.LastMessage().Text, Text("网银服务器无响应"));
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->isEnabled());
}

TEST_F(MainWindowTest, linkAndManualOpenThroughTheDesktop) {
  auto form = Open("[组]\n制单=0\n");
  form->btnLinkWYClick();
  ASSERT_EQ(prompts.OpenedUrls().size(), 1);
  EXPECT_EQ(prompts.OpenedUrls()[0].scheme(), QStringLiteral("https"));
  EXPECT_TRUE(prompts.OpenedUrls()[0].host().endsWith(QStringLiteral(".example")));

  form->btnOperBookClick();
  EXPECT_EQ(prompts.OpenedUrls().size(), 1);
  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Warning);
  EXPECT_TRUE(prompts.LastMessage().Text.contains(QStringLiteral("help.html")));

  dir.Write(QStringLiteral("param/help.html"), "<html></html>");
  form->btnOperBookClick();
  ASSERT_EQ(prompts.OpenedUrls().size(), 2);
  EXPECT_EQ(prompts.OpenedUrls()[1],
            QUrl::fromLocalFile(dir.File(QStringLiteral("param/help.html"))));
  EXPECT_EQ(prompts.Messages().size(), 1u);

  // The desktop cannot open them: the clerk is told what and why.
  prompts.SetOpenUrlResult(false);
  form->btnLinkWYClick();
  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Warning);
  EXPECT_TRUE(prompts.LastMessage().Text.startsWith("无法打开企业网银网站 " +
                                                    prompts.OpenedUrls()[0].toString()));
  form->btnOperBookClick();
  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Warning);
  EXPECT_TRUE(prompts.LastMessage().Text.startsWith("无法打开操作手册文件 "));
  EXPECT_EQ(prompts.Messages().size(), 3u);
}

TEST_F(MainWindowTest, notesOfTheScreensShowInTheStatusBarBesideTheSessionState) {
  auto form = Open("[组]\n制单=0\n");
  prompts.ShowStatus("已导出 3 条记录");
  EXPECT_EQ(form->statusBar()->currentMessage(), "已导出 3 条记录");
  EXPECT_TRUE(form->findChild<QLabel*>("lblSession")->isVisibleTo(form.get()));
  form.reset();
  prompts.ShowStatus("已导出 4 条记录");  // the window is gone: nowhere, and no crash
}

TEST_F(MainWindowTest, closingLetsEveryScreenSaveAndAFailedSaveLetsTheClerkChoose) {
  auto form = Open("[组]\n制单=0\n名册=9\n");
  QPointer<ProbeScreen> batch;
  form->Screens().RegisterScreen(0, Text("批量制单"), [&batch, &form] {
    auto screen = std::make_unique<ProbeScreen>(form->ScreenServices());
    batch = screen.get();
    return screen;
  });
  form->show();
  form->btnExitClick();  // no screen made yet: nothing to save
  EXPECT_FALSE(form->isVisible());

  form->show();
  ASSERT_TRUE(form->ShowScreen(0));
  ASSERT_TRUE(form->ShowScreen(9));  // the batch screen is hidden, not gone
  form->btnExitClick();
  EXPECT_EQ(batch->Saves, 1);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(prompts.Messages().empty());

  batch->SaveFailure = "无法写入文件 Batch.txt：磁盘已满";
  form->show();
  prompts.Answer(QMessageBox::No);
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(prompts.LastMessage().Text.contains(QStringLiteral("磁盘已满")));
  EXPECT_TRUE(prompts.LastMessage().Text.startsWith(Text("批量制单")));

  prompts.Answer(QMessageBox::Yes);
  EXPECT_TRUE(form->close());
  EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowTest, menuPanelToggleCollapsesAndRestoresTheStartWidth) {
  auto form = Open("[组]\n制单=0\n");
  form->resize(1000, 700);
  form->show();
  const int startWidth = form->MenuPanelWidth();
  EXPECT_GT(startWidth, 0);
  form->ToggleMenuPanel();
  EXPECT_TRUE(form->IsMenuPanelCollapsed());
  EXPECT_EQ(form->MenuPanelWidth(), 0);
  form->ToggleMenuPanel();
  EXPECT_FALSE(form->IsMenuPanelCollapsed());
  EXPECT_EQ(form->MenuPanelWidth(), startWidth);
}

TEST_F(MainWindowTest, theMenuHighlightFollowsTheScreenOnView) {
  auto form = Open("[组]\n付款人=9\n收款人=10\n明细联机=6\n");
  form->show();
  const auto highlighted = [&form] {
    QStringList texts;
    for (const QTreeWidgetItem* item : Tree(*form)->selectedItems()) texts << item->text(0);
    if (Tree(*form)->currentItem()) texts << "current:" + Tree(*form)->currentItem()->text(0);
    return texts;
  };
  Choose(*form, "付款人");
  EXPECT_EQ(highlighted(), QStringList({"付款人", "current:付款人"}));

  // A logon started from a menu entry and cancelled: back on the screen still on view.
  Choose(*form, "明细联机");
  EXPECT_EQ(session->LogOnCalls, 1);
  EXPECT_EQ(highlighted(), QStringList({"付款人", "current:付款人"}));

  // The screen closes itself, as Escape does: the welcome page, and no highlight.
  form->CurrentScreen()->close();
  EXPECT_EQ(form->CurrentScreen(), nullptr);
  EXPECT_EQ(form->findChild<QStackedWidget*>("pnlWork")->currentWidget()->objectName(),
            "pnlWelcome");
  EXPECT_TRUE(highlighted().isEmpty());
  Choose(*form, "明细联机");
  EXPECT_TRUE(highlighted().isEmpty());

  Choose(*form, "收款人");
  EXPECT_EQ(highlighted(), QStringList({"收款人", "current:收款人"}));
  form->hide();  // the window hiding does not close the screen on view
  form->show();
  EXPECT_EQ(highlighted(), QStringList({"收款人", "current:收款人"}));
  EXPECT_TRUE(form->CurrentScreen()->isVisible());
}

TEST_F(MainWindowTest, returnKeyOnTheTreeOpensTheSelectedLeaf) {
  auto form = Open("[组]\n收款=10\n");
  form->show();
  QTreeWidget* tree = Tree(*form);
  tree->setCurrentItem(tree->topLevelItem(0)->child(0));
  tree->setFocus();
  QTest::keyClick(tree, Qt::Key_Return);
  EXPECT_EQ(CurrentCaption(*form), Text("收款人名册"));
}
