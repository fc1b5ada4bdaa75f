#pragma once

#include "platform/prompts/Prompts.h"

// The prompts of the running program: Qt's message boxes and standard dialogs,
// parented to the active window.
class TQtPrompts : public TPrompts {
 public:
  Button message(Icon icon, const QString& caption, const QString& text, Buttons buttons,
                 Button defaultButton) override;
  std::optional<QString> inputText(const QString& caption, const QString& label,
                                   const QString& initial) override;
  QString openFileName(const QString& caption, const QString& dir, const QString& filter) override;
  QStringList openFileNames(const QString& caption, const QString& dir,
                            const QString& filter) override;
  QString saveFileName(const QString& caption, const QString& suggestedPath,
                       const QString& filter) override;
  int runModal(QDialog& dialog) override;
  bool openUrl(const QUrl& url) override;
};
