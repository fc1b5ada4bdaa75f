#include "core/AppPaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString WithSlash(QString dir) {
  if (!dir.endsWith(u'/')) dir += u'/';
  return dir;
}

}  // namespace

TAppPaths::TAppPaths(const QString& appDir) : appDir_(WithSlash(QDir(appDir).absolutePath())) {}

void TAppPaths::MakeWorkingDirs() const {
  const QDir root(appDir_);
  for (const QString& name :
       {QStringLiteral("param"), QStringLiteral("dfdk"), QStringLiteral("BatchLog")}) {
    if (!QFileInfo(root.filePath(name)).isDir()) root.mkdir(name);
  }
}

QString TAppPaths::ParamFile(const QString& name) const {
  return appDir_ + QStringLiteral("param/") + name;
}

QString TAppPaths::DfdkFile(const QString& name) const {
  return appDir_ + QStringLiteral("dfdk/") + name;
}

QString TAppPaths::DfdkDir() const {
  return appDir_ + QStringLiteral("dfdk");
}

QString TAppPaths::BatchLogFile(const QString& name) const {
  return appDir_ + QStringLiteral("BatchLog/") + name;
}

QString TAppPaths::HelpFile() const {
  return ParamFile(QStringLiteral("help.html"));
}

QString TAppPaths::ListFile(const TInfoConfig& config) const {
  return config.InParamDir ? ParamFile(config.FileName) : config.FileName;
}
