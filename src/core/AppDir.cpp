#include "core/AppDir.h"

#include <QDir>
#include <stdexcept>

QString ResolveAppDir(const QStringList& arguments, const QString& executableDir) {
  const QString option = QStringLiteral("--appdir");
  const QString withValue = option + QLatin1Char('=');
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    QString dir;
    if (arguments[i] == option) {
      if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
        throw std::invalid_argument("--appdir needs a directory");
      dir = arguments[i + 1];
    } else if (arguments[i].startsWith(withValue)) {
      dir = arguments[i].mid(withValue.size());
      if (dir.isEmpty()) throw std::invalid_argument("--appdir needs a directory");
    } else {
      continue;
    }
    return QDir::cleanPath(QDir::current().absoluteFilePath(dir));
  }
  return QDir::cleanPath(executableDir);
}
