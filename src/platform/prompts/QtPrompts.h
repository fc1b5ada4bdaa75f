#pragma once

#include <QFileDialog>
#include <memory>

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

// The message box and the file dialog that TQtPrompts runs, built but not shown.
// The file dialog is Qt's own, not the desktop's, so that it speaks the
// program's language rather than the desktop's.
std::unique_ptr<QMessageBox> MakeMessageBox(QMessageBox::Icon icon, const QString& caption,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton,
                                            QWidget* parent = nullptr);
std::unique_ptr<QFileDialog> MakeFileDialog(QFileDialog::AcceptMode acceptMode,
                                            QFileDialog::FileMode fileMode, const QString& caption,
                                            const QString& dir, const QString& filter,
                                            QWidget* parent = nullptr);
