#include "platform/files/FileProblem.h"

#include <QFileInfo>

QString ReadProblemText(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return QStringLiteral("文件不存在。");
  if (info.isDir()) return QStringLiteral("这是一个文件夹，不是文件。");
  if (!info.isReadable()) return QStringLiteral("没有读取该文件的权限。");
  return QStringLiteral("读取磁盘时出错。");
}

QString WriteProblemText(const QString& path) {
  const QFileInfo folder(QFileInfo(path).absolutePath());
  if (!folder.exists()) return QStringLiteral("文件夹不存在。");
  if (!folder.isDir()) return QStringLiteral("路径中的文件夹是一个文件。");
  if (!folder.isWritable()) return QStringLiteral("没有在该文件夹中写入的权限。");
  if (QFileInfo(path).isDir()) return QStringLiteral("已有同名的文件夹。");
  return QStringLiteral("磁盘已满或无法写入。");
}
