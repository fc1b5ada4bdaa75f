#include "platform/prompts/Prompts.h"

#include <QDir>

void TPrompts::ShowStatus(const QString& text) {
  if (statusSink_) statusSink_(text);
}

QString TPrompts::OpenFileOfKind(TFileKind kind, const QString& caption, const QString& filter) {
  QString path = OpenFileName(caption, recentFolders_.Folder(kind), filter);
  recentFolders_.Remember(kind, path);
  return path;
}

QString TPrompts::SaveFileOfKind(TFileKind kind, const QString& caption, const QString& filter,
                                 const QString& suggestedName) {
  const QString folder = recentFolders_.Folder(kind);
  const QString suggested = folder.isEmpty() ? suggestedName : QDir(folder).filePath(suggestedName);
  QString path = SaveFileName(caption, suggested, filter);
  recentFolders_.Remember(kind, path);
  return path;
}

void TPrompts::Info(const QString& caption, const QString& text) {
  Message(QMessageBox::Information, caption, text);
}

void TPrompts::Warning(const QString& caption, const QString& text) {
  Message(QMessageBox::Warning, caption, text);
}

void TPrompts::Error(const QString& caption, const QString& text) {
  Message(QMessageBox::Critical, caption, text);
}

bool TPrompts::Ask(const QString& caption, const QString& text) {
  return Message(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                 QMessageBox::Yes) == QMessageBox::Yes;
}

bool TPrompts::Confirm(const QString& caption, const QString& text) {
  return Message(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel) ==
         QMessageBox::Ok;
}
