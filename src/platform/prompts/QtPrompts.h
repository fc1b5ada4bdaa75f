#pragma once

#include "platform/prompts/Prompts.h"

// The prompts of the running program: Qt's message boxes and standard dialogs,
// parented to the active window.
class TQtPrompts : public TPrompts {
 public:
  Button Message(Icon icon, const QString& caption, const QString& text, Buttons buttons,
                 Button defaultButton) override;
  std::optional<QString> InputText(const QString& caption, const QString& label,
                                   const QString& initial) override;
  QString OpenFileName(const QString& caption, const QString& dir, const QString& filter) override;
  QStringList OpenFileNames(const QString& caption, const QString& dir,
                            const QString& filter) override;
  QString SaveFileName(const QString& caption, const QString& suggestedPath,
                       const QString& filter) override;
  int RunModal(QDialog& dialog) override;
  bool OpenUrl(const QUrl& url) override;
};
