#include <QDir>
#include <cstdio>

#include "core/AppDir.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "screenshots/Screenshots.h"
#include "shell/ClientApplication.h"
#include "shell/ClientProgram.h"

// Writes the pictures of the documentation: the program on a program directory,
// its prompts answered by script, the pictures named on the command line.
int main(int argc, char** argv) {
  TClientApplication app(argc, argv);
  TScriptedPrompts prompts;
  app.SetPrompts(prompts);
  const TScreenshotOptions options = ParseScreenshotOptions(QApplication::arguments());
  if (!options.Any()) {
    std::fprintf(stderr, "usage: screenshots --appdir DIR --screenshot FILE ...\n");
    return 2;
  }
  const QString appDir =
      ResolveAppDir(QApplication::arguments(), QApplication::applicationDirPath());
  TClientProgram program(appDir, prompts);
  TakeScreenshots(program, prompts, options);
  return app.exec();
}
