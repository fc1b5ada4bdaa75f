#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "core/SessionControl.h"
#include "shell/NoSessionControl.h"
#include "shell/ScreenCatalogue.h"
#include "widgets/base/ScreenServices.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class TFormOriginal;
class TMenuSplitter;
class TPrompts;

// The main window: the menu tree, the work area with one embedded screen at a
// time, and the five session buttons. It reads param/ClientSys.ini and
// param/Menu.ini of the program directory when it is created. Its messages go
// through the prompts it is given.
class TFormMain : public QMainWindow {
  Q_OBJECT
 public:
  TFormMain(const QString& appDir, TPrompts& prompts, QWidget* parent = nullptr);
  ~TFormMain() override;

  const QString& AppDir() const { return appDir_; }
  const QString& ServerBaseUrl() const { return serverBaseUrl_; }
  const QString& ClientVersionTime() const { return clientVersionTime_; }
  const QString& MainPlatV5Path() const { return mainPlatV5Path_; }
  const QString& MainPlatV6Path() const { return mainPlatV6Path_; }

  TPrompts& Prompts() const { return prompts_; }
  TScreenCatalogue& Screens() { return screens_; }
  // What the screens of this window receive: the prompts and the work area.
  TScreenServices ScreenServices();
  // The session, which must outlive the window; without one (null) nobody is
  // logged on and no logon is possible.
  void SetSessionControl(TSessionControl* session);
  TSessionControl& Session() const { return *session_; }
  void SetHelpFile(const QString& path) { helpFile_ = path; }
  const QString& HelpFile() const { return helpFile_; }
  // The work area in which the screens are shown, in global coordinates.
  QRect WorkAreaRect() const;
  TWorkArea WorkArea() const;

  // The screen now shown in the work area; nullptr before the first one.
  QWidget* CurrentScreen() const { return currentScreen_; }
  // The single instance of the screen of a menu code, created on first use and
  // embedded in the work area but not shown; nullptr for a code without a screen.
  TFormOriginal* ScreenInstance(qint32 code);

  // Shows the window maximised; it fills the screen's available area also
  // where no window manager maximises it.
  void ShowFillingScreen();

  void BuildMenu();
  // Shows the screen of a menu code in the work area. False when it is already
  // the current one, when the current screen refuses to close, or when the code
  // has no screen.
  bool ShowScreen(qint32 code);
  void TreeMenuClick();
  // What choosing a menu leaf with this code does.
  void RunMenuCode(qint32 code);

  void btnEnterClick();
  void btnQuitWYClick();
  void btnLinkWYClick();
  void btnOperBookClick();
  void btnExitClick();
  void ToggleMenuPanel();
  bool IsMenuPanelCollapsed() const;
  int MenuPanelWidth() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Before the window goes, every screen made in the run saves what must
  // outlive it (BeforeProgramExit); when one cannot, the clerk decides.
  // Return or Enter on the menu tree opens the selected leaf, as a click does;
  // a screen that closes itself gives the work area back to the welcome page.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  QPushButton* AddButton(const QString& name, const QString& caption, void (TFormMain::*command)());
  void ReadConfiguration();
  bool EnsureSession();
  void RunDialog(qint32 code);
  // Selects the menu leaf of the screen on view, or no leaf when none is.
  void HighlightShownScreen();
  void UpdateStatus();

  QString appDir_;
  TPrompts& prompts_;
  QString serverBaseUrl_;
  QString clientVersionTime_;
  QString mainPlatV5Path_;
  QString mainPlatV6Path_;
  QString helpFile_;
  int menuPanelWidth_ = 0;

  TScreenCatalogue screens_;
  TNoSessionControl noSession_;
  TSessionControl* session_ = &noSession_;
  QHash<qint32, QPointer<TFormOriginal>> screenInstances_;
  QPointer<QWidget> currentScreen_;

  QWidget* pnlTop_ = nullptr;
  QWidget* pnlMenus_ = nullptr;
  QTreeWidget* treeMenu_ = nullptr;
  QStackedWidget* pnlWork_ = nullptr;
  QWidget* pnlWelcome_ = nullptr;
  TMenuSplitter* splitter_ = nullptr;
  QLabel* lblSession_ = nullptr;
};
