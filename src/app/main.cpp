#include <QDir>
#include <cstdio>
#include <memory>

#include "core/AppDir.h"
#include "core/AppInfo.h"
#include "platform/process/HugePageHeap.h"
#include "platform/prompts/QtPrompts.h"
#include "shell/ClientApplication.h"
#include "shell/ClientProgram.h"
#include "widgets/base/CommandGuard.h"

int main(int argc, char** argv) {
  UseHugePagesForHeap();
  TClientApplication app(argc, argv);
  TQtPrompts prompts;
  app.SetPrompts(prompts);

  QString appDir;
  try {
    appDir = ResolveAppDir(QApplication::arguments(), QApplication::applicationDirPath());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\nusage: b2bclient [--appdir DIR]\n", e.what());
    return 2;
  }
  if (!QDir(appDir).exists()) {
    prompts.Error(AppTitle(),
                  QStringLiteral("程序目录 %1 不存在。").arg(QDir::toNativeSeparators(appDir)));
    return 1;
  }

  std::unique_ptr<TClientProgram> program;
  try {
    program = std::make_unique<TClientProgram>(appDir, prompts);
  } catch (...) {
    ShowCurrentException(prompts);
    return 1;
  }
  program->ReportDamagedFiles();
  program->MainWindow().ShowFillingScreen();
  return app.exec();
}
