#include "shell/FormMain.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <optional>

#include "core/AppInfo.h"
#include "core/IniFile.h"
#include "platform/prompts/Prompts.h"
#include "shell/MenuActions.h"
#include "shell/MenuCode.h"
#include "shell/MenuSplitter.h"
#include "shell/MenuTreeItem.h"
#include "shell/NoSessionControl.h"
#include "shell/WelcomePage.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/base/FormOriginal.h"

namespace {

constexpr int kMenuPanelWidth = 240;
constexpr int kStatusNoteMilliseconds = 15000;

QString MenuFileDamagedText() {
  return QStringLiteral("系统菜单文件有误，请重新安装客户端程序！");
}

}  // namespace

TFormMain::TFormMain(const QString& appDir, TPrompts& prompts, QWidget* parent)
    : QMainWindow(parent),
      appDir_(appDir),
      prompts_(prompts),
      mainPlatV5Path_(QStringLiteral("/NNVX/NECV5B2BMainPlat")),
      mainPlatV6Path_(QStringLiteral("/NNVX/NECV6B2BMainPlat")),
      helpFile_(QDir(appDir).filePath(QStringLiteral("param/help.html"))),
      screens_(ScreenServices()),
      noSession_(prompts) {
  setObjectName(QStringLiteral("FormMain"));
  setWindowTitle(MainWindowCaption());
  CreateControls();
  menuPanelWidth_ = kMenuPanelWidth;
  ReadConfiguration();
  BuildMenu();
  UpdateStatus();
}

TFormMain::~TFormMain() {
  prompts_.SetStatusSink({});
}

void TFormMain::CreateControls() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("pnlMain"));
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(4, 4, 4, 0);
  layout->setSpacing(4);

  pnlTop_ = new QWidget(central);
  pnlTop_->setObjectName(QStringLiteral("pnlTop"));
  auto* top = new QHBoxLayout(pnlTop_);
  top->setContentsMargins(0, 0, 0, 0);
  AddButton(QStringLiteral("btnEnter"), QStringLiteral("登陆企业网银"), &TFormMain::btnEnterClick);
  AddButton(QStringLiteral("btnQuitWY"), QStringLiteral("退出企业网银"),
            &TFormMain::btnQuitWYClick);
  AddButton(QStringLiteral("btnLinkWY"), QStringLiteral("企业网银链接"),
            &TFormMain::btnLinkWYClick);
  AddButton(QStringLiteral("btnOperBook"), QStringLiteral("操作手册"),
            &TFormMain::btnOperBookClick);
  AddButton(QStringLiteral("btnExit"), QStringLiteral("退出客户端"), &TFormMain::btnExitClick);
  top->addStretch();
  layout->addWidget(pnlTop_);

  splitter_ = new TMenuSplitter(central);
  splitter_->setObjectName(QStringLiteral("splMenus"));

  pnlMenus_ = new QWidget(splitter_);
  pnlMenus_->setObjectName(QStringLiteral("pnlMenus"));
  auto* menus = new QVBoxLayout(pnlMenus_);
  menus->setContentsMargins(0, 0, 0, 0);
  treeMenu_ = new QTreeWidget(pnlMenus_);
  treeMenu_->setObjectName(QStringLiteral("TreeMenu"));
  treeMenu_->setHeaderHidden(true);
  treeMenu_->setColumnCount(1);
  treeMenu_->setSelectionMode(QAbstractItemView::SingleSelection);
  menus->addWidget(treeMenu_);
  connect(treeMenu_, &QTreeWidget::itemClicked, this,
          Guarded(prompts_, [this] { TreeMenuClick(); }));
  treeMenu_->installEventFilter(this);

  pnlWork_ = new QStackedWidget(splitter_);
  pnlWork_->setObjectName(QStringLiteral("pnlWork"));
  pnlWelcome_ = new TWelcomePage(pnlWork_);
  pnlWork_->addWidget(pnlWelcome_);

  splitter_->addWidget(pnlMenus_);
  splitter_->addWidget(pnlWork_);
  splitter_->setCollapsible(1, false);
  splitter_->setStretchFactor(0, 0);
  splitter_->setStretchFactor(1, 1);
  splitter_->setSizes({kMenuPanelWidth, 1000});
  connect(splitter_, &TMenuSplitter::ToggleRequested, this,
          Guarded(prompts_, [this] { ToggleMenuPanel(); }));
  connect(splitter_, &QSplitter::splitterMoved, this,
          [this] { splitter_->SetCollapsedLook(IsMenuPanelCollapsed()); });
  layout->addWidget(splitter_, 1);

  setCentralWidget(central);
  lblSession_ = new QLabel(this);
  lblSession_->setObjectName(QStringLiteral("lblSession"));
  // Permanent, so that the notes of the screens show beside it, not over it.
  statusBar()->addPermanentWidget(lblSession_);
  prompts_.SetStatusSink(
      [this](const QString& text) { statusBar()->showMessage(text, kStatusNoteMilliseconds); });
}

QPushButton* TFormMain::AddButton(const QString& name, const QString& caption,
                                  void (TFormMain::*command)()) {
  auto* button = new QPushButton(caption, pnlTop_);
  button->setObjectName(name);
  button->setMinimumWidth(112);
  button->setMinimumHeight(32);
  pnlTop_->layout()->addWidget(button);
  ConnectClick(button, prompts_, [this, command] { (this->*command)(); });
  return button;
}

void TFormMain::ReadConfiguration() {
  const TIniFile config(QDir(appDir_).filePath(QStringLiteral("param/ClientSys.ini")));
  const QString section = QStringLiteral("B2B");
  serverBaseUrl_ = config.ReadString(section, QStringLiteral("URL"));
  clientVersionTime_ = config.ReadString(section, QStringLiteral("VerTime"));
}

void TFormMain::SetSessionControl(TSessionControl* session) {
  session_ = session ? session : &noSession_;
  UpdateStatus();
}

void TFormMain::UpdateStatus() {
  const QString state =
      session_->IsLoggedOn() ? QStringLiteral("已与网银联机") : QStringLiteral("未联机");
  lblSession_->setText(
      QStringLiteral("%1    服务器：%2    版本：%3")
          .arg(state, serverBaseUrl_.isEmpty() ? QStringLiteral("（未设置）") : serverBaseUrl_,
               clientVersionTime_));
}

void TFormMain::BuildMenu() {
  treeMenu_->clear();
  const TIniFile menuFile(QDir(appDir_).filePath(QStringLiteral("param/Menu.ini")));
  const QStringList sections = menuFile.Sections();
  // Without a menu the clerk would face an empty tree and no clue why.
  if (sections.isEmpty()) prompts_.Error(AppTitle(), MenuFileDamagedText());

  for (const QString& section : sections) {
    auto* node = new QTreeWidgetItem(treeMenu_, QStringList{section});
    QFont groupFont = node->font(0);
    groupFont.setBold(true);
    node->setFont(0, groupFont);
    for (const QString& key : menuFile.Keys(section))
      new TMenuTreeItem(node, TMenu{key, ParseMenuCode(menuFile.ReadString(section, key))});
    if (menuFile.IsDamaged(section)) prompts_.Error(AppTitle(), MenuFileDamagedText());
  }
  treeMenu_->expandAll();
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
  // A screen that closes itself (Escape) leaves the welcome page on view. Only
  // an explicit hide counts: the window hiding hides the screen with it.
  if (event->type() == QEvent::Hide && watched == currentScreen_ && currentScreen_->isHidden()) {
    currentScreen_ = nullptr;
    pnlWork_->setCurrentWidget(pnlWelcome_);
    HighlightShownScreen();
  }
  if (watched == treeMenu_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      RunCommand(prompts_, [this] { TreeMenuClick(); });
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TFormMain::TreeMenuClick() {
  // Whatever the choice leads to (a dialog, a cancelled or failed logon, a
  // screen that will not close), the highlight ends on the screen on view.
  const auto highlight = qScopeGuard([this] { HighlightShownScreen(); });
  const TMenu* menu = MenuOf(treeMenu_->currentItem());
  if (!menu) return;
  RunMenuCode(menu->Code);
}

void TFormMain::RunMenuCode(qint32 code) {
  const std::optional<TMenuAction> action = MenuActionFor(code);
  if (!action) return;
  if (action->NeedsSession && !EnsureSession()) return;
  if (action->IsDialog)
    RunDialog(code);
  else
    ShowScreen(code);
}

void TFormMain::HighlightShownScreen() {
  std::optional<qint32> shown;
  for (auto it = screenInstances_.cbegin(); it != screenInstances_.cend(); ++it) {
    if (currentScreen_ && it.value().data() == currentScreen_.data()) shown = it.key();
  }
  // Of two leaves with the same code, the one the clerk chose stays highlighted.
  const TMenu* highlighted = MenuOf(treeMenu_->currentItem());
  if (shown && highlighted && highlighted->Code == *shown && treeMenu_->currentItem()->isSelected())
    return;
  treeMenu_->clearSelection();
  treeMenu_->setCurrentItem(nullptr);
  if (!shown) return;
  for (QTreeWidgetItemIterator it(treeMenu_); *it; ++it) {
    const TMenu* menu = MenuOf(*it);
    if (menu && menu->Code == *shown) {
      treeMenu_->setCurrentItem(*it);
      return;
    }
  }
}

bool TFormMain::EnsureSession() {
  if (!session_->IsLoggedOn()) btnEnterClick();
  return session_->IsLoggedOn();
}

void TFormMain::RunDialog(qint32 code) {
  const std::unique_ptr<QDialog> dialog = screens_.CreateDialog(code, this);
  prompts_.RunModal(*dialog);
}

QRect TFormMain::WorkAreaRect() const {
  return QRect(pnlWork_->mapToGlobal(QPoint(0, 0)), pnlWork_->size());
}

TWorkArea TFormMain::WorkArea() const {
  return {WorkAreaRect(), frameGeometry().left()};
}

TScreenServices TFormMain::ScreenServices() {
  return {prompts_, [this]() -> std::optional<TWorkArea> {
            if (!pnlWork_) return std::nullopt;
            return WorkArea();
          }};
}

TFormOriginal* TFormMain::ScreenInstance(qint32 code) {
  const std::optional<TMenuAction> action = MenuActionFor(code);
  if (!action || action->IsDialog) return nullptr;
  QPointer<TFormOriginal>& slot = screenInstances_[code];
  if (!slot) {
    std::unique_ptr<TFormOriginal> screen = screens_.CreateScreen(code);
    // A screen is hidden when another one replaces it, never destroyed.
    screen->setAttribute(Qt::WA_DeleteOnClose, false);
    screen->hide();
    screen->installEventFilter(this);
    pnlWork_->addWidget(screen.get());
    slot = screen.release();
  }
  return slot;
}

bool TFormMain::ShowScreen(qint32 code) {
  QWidget* screen = ScreenInstance(code);
  if (!screen) return false;
  if (screen == currentScreen_) {
    // A screen that closed itself (Escape) is shown again.
    if (!screen->isHidden()) return false;
  } else if (currentScreen_ && !currentScreen_->close()) {
    // A screen may refuse to close (for example when the clerk cancels leaving
    // unsaved work); it then stays in front.
    return false;
  }
  currentScreen_ = screen;
  pnlWork_->setCurrentWidget(screen);
  screen->show();
  HighlightShownScreen();
  return true;
}

void TFormMain::btnEnterClick() {
  if (session_->IsLoggedOn()) {
    prompts_.Info(AppTitle(),
                  QStringLiteral("客户端已与服务器联机，请先退出企业网银再进行登陆操作。"));
    return;
  }
  // The logon dialog is modal, which keeps the window from taking input meanwhile.
  try {
    session_->LogOn(this);
  } catch (...) {
    UpdateStatus();
    throw;
  }
  UpdateStatus();
}

void TFormMain::btnQuitWYClick() {
  if (!session_->IsLoggedOn()) {
    prompts_.Info(AppTitle(), QStringLiteral("未与服务器联机。"));
    return;
  }
  if (!prompts_.Ask(QStringLiteral("退出联机"), QStringLiteral("是否需要断开客户端与网银的连接？")))
    return;
  try {
    session_->LogOff();
  } catch (...) {
    UpdateStatus();
    throw;
  }
  UpdateStatus();
}

void TFormMain::btnLinkWYClick() {
  if (!prompts_.OpenUrl(BankSiteUrl()))
    prompts_.Warning(AppTitle(), QStringLiteral("无法打开企业网银网站 %1。\n"
                                                "请检查本机是否设置了默认浏览器，"
                                                "或将此地址复制到浏览器中打开。")
                                     .arg(BankSiteUrl().toString()));
}

void TFormMain::btnOperBookClick() {
  if (!QFileInfo::exists(helpFile_)) {
    prompts_.Warning(AppTitle(), QStringLiteral("找不到操作手册文件 %1，请重新安装客户端程序。")
                                     .arg(QDir::toNativeSeparators(helpFile_)));
    return;
  }
  if (!prompts_.OpenUrl(QUrl::fromLocalFile(helpFile_)))
    prompts_.Warning(AppTitle(),
                     QStringLiteral("无法打开操作手册文件 %1。\n请检查本机是否设置了默认浏览器。")
                         .arg(QDir::toNativeSeparators(helpFile_)));
}

void TFormMain::btnExitClick() {
  close();
}

void TFormMain::ToggleMenuPanel() {
  const QList<int> sizes = splitter_->sizes();
  const int total = sizes.value(0) + sizes.value(1);
  if (IsMenuPanelCollapsed())
    splitter_->setSizes({menuPanelWidth_, qMax(0, total - menuPanelWidth_)});
  else
    splitter_->setSizes({0, total});
  splitter_->SetCollapsedLook(IsMenuPanelCollapsed());
}

bool TFormMain::IsMenuPanelCollapsed() const {
  return splitter_->sizes().value(0) == 0;
}

int TFormMain::MenuPanelWidth() const {
  return splitter_->sizes().value(0);
}

void TFormMain::closeEvent(QCloseEvent* event) {
  for (const QPointer<TFormOriginal>& screen : std::as_const(screenInstances_)) {
    if (!screen) continue;
    try {
      screen->BeforeProgramExit();
    } catch (...) {
      // Files are replaced atomically, so a failed save leaves the last saved
      // state intact; the clerk decides whether to leave without this one.
      const QString text = QStringLiteral("%1的数据未能保存：\n%2\n\n是否仍然退出客户端？")
                               .arg(screen->windowTitle(), CurrentExceptionText());
      if (prompts_.Message(QMessageBox::Critical, AppTitle(), text,
                           QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::Yes) != QMessageBox::Yes) {
        event->ignore();
        return;
      }
    }
  }
  event->accept();
}

void TFormMain::ShowFillingScreen() {
  setGeometry(screen()->availableGeometry());
  showMaximized();
}
