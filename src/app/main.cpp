#include <QDir>
#include <QFontDatabase>
#include <cstdio>
#include <memory>

#include "app/ClientApplication.h"
#include "app/ScreenRegistry.h"
#include "app/Screenshots.h"
#include "batch/screens/BatchScreen.h"
#include "platform/process/HugePages.h"
#include "platform/prompts/Prompts.h"
#include "session/BankSession.h"
#include "session/TempWbFm.h"
#include "shell/AppDir.h"
#include "shell/AppInfo.h"
#include "shell/CommandGuard.h"
#include "shell/DataMain.h"
#include "shell/MainWindow.h"

namespace {

// Chinese text is drawn with a CJK font of simplified glyph forms where one is
// installed, not with whichever CJK font the font fallback happens to pick.
void UseSimplifiedChineseFont() {
  for (const char* family : {"Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Micro Hei"}) {
    if (QFontDatabase::hasFamily(QString::fromUtf8(family))) {
      QFont font = QApplication::font();
      font.setFamily(QString::fromUtf8(family));
      QApplication::setFont(font);
      return;
    }
  }
}

QString DamagedFileNotice(const QString& path, const QString& copy) {
  const QString file = QDir::toNativeSeparators(path);
  if (copy.isEmpty())
    return QStringLiteral("文件 %1 已损坏，无法读取，该名册暂为空。请先备份此文件，再修改名册。")
        .arg(file);
  return QStringLiteral("文件 %1 已损坏，无法读取，该名册暂为空。原文件已另存为 %2。")
      .arg(file, QDir::toNativeSeparators(copy));
}

}  // namespace

int main(int argc, char** argv) {
  RestartWithHugePageHeap(argv);
  TClientApplication app(argc, argv);
  QApplication::setApplicationName(AppTitle());
  UseSimplifiedChineseFont();

  QString appDir;
  try {
    appDir = ResolveAppDir(QApplication::arguments(), QApplication::applicationDirPath());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\nusage: b2bclient [--appdir DIR]\n", e.what());
    return 2;
  }
  if (!QDir(appDir).exists()) {
    Prompts().error(AppTitle(),
                    QStringLiteral("程序目录 %1 不存在。").arg(QDir::toNativeSeparators(appDir)));
    return 1;
  }

  // Declared before the main window: its screens keep a reference to the data
  // module and use it while they are destroyed (the batch screen saves its
  // column widths), so the data module must outlive them.
  std::unique_ptr<TDataMain> dataMain;
  TFormMain formMain(appDir);
  try {
    dataMain = std::make_unique<TDataMain>(appDir);
  } catch (...) {
    ShowCurrentException();
    return 1;
  }
  formMain.SetHelpFile(dataMain->HelpFile());
  for (const TDataMain::TDamagedFile& damaged : dataMain->DamagedFiles())
    Prompts().warning(QStringLiteral("系统提示"), DamagedFileNotice(damaged.Path, damaged.Copy));
  RegisterScreens(formMain.Screens(), *dataMain);
  // The open batch outlives the run in its working copy, whether or not its
  // screen is open when the program ends.
  formMain.SetCloseHook([&formMain] {
    if (auto* batch = qobject_cast<TFormBatch*>(formMain.ScreenInstance(0)))
      batch->SaveWorkingCopyIfShown();
  });

  // The session browser lives for the whole run; every exchange goes through it.
  TTempWbFm browser;
  const auto session = std::make_shared<TBankSession>(
      TServerConfig{formMain.ServerBaseUrl(), formMain.ClientVersionTime(),
                    QDir(appDir).filePath(QStringLiteral("param/ClientSys.ini"))});
  formMain.SetSessionControl(session);

  const TScreenshotOptions screenshots = ParseScreenshotOptions(QApplication::arguments());
  if (screenshots.Any())
    TakeScreenshots(formMain, *session, *dataMain, screenshots);
  else
    formMain.showMaximized();
  return app.exec();
}
