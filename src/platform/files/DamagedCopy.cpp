#include "platform/files/DamagedCopy.h"

#include <QFile>
#include <QFileInfo>

QString KeepDamagedCopy(const QString& path) {
  QString copy = path + QStringLiteral(".damaged");
  for (int n = 2; QFileInfo::exists(copy); ++n) copy = path + QStringLiteral(".damaged%1").arg(n);
  return QFile::copy(path, copy) ? copy : QString();
}
