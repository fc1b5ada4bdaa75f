#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class QDialog;

// Every message box, question, input box, file dialog, modal run of a dialog and
// opening of a URL or a file in the desktop goes through this interface. The
// program hands one to every screen; tests hand in a scripted one that answers
// from queues and records each prompt.
class TPrompts {
 public:
  using Icon = QMessageBox::Icon;
  using Button = QMessageBox::StandardButton;
  using Buttons = QMessageBox::StandardButtons;

  // The captions of the program's own messages.
  static inline const QString kSystemCaption = QStringLiteral("系统提示");
  static inline const QString kNoticeCaption = QStringLiteral("提示");
  static inline const QString kWarningCaption = QStringLiteral("警告");
  static inline const QString kErrorCaption = QStringLiteral("错误");

  virtual ~TPrompts() = default;

  // Shows a message box and returns the button chosen. A defaultButton of
  // NoButton leaves the choice of the default to the box.
  virtual Button Message(Icon icon, const QString& caption, const QString& text,
                         Buttons buttons = QMessageBox::Ok,
                         Button defaultButton = QMessageBox::NoButton) = 0;

  // A one-line text input; nothing when cancelled.
  virtual std::optional<QString> InputText(const QString& caption, const QString& label,
                                           const QString& initial = QString()) = 0;

  // File dialogs; an empty result means cancelled.
  virtual QString OpenFileName(const QString& caption, const QString& dir,
                               const QString& filter = QString()) = 0;
  virtual QStringList OpenFileNames(const QString& caption, const QString& dir,
                                    const QString& filter = QString()) = 0;
  virtual QString SaveFileName(const QString& caption, const QString& suggestedPath,
                               const QString& filter = QString()) = 0;

  // Runs the dialog modally and returns its result code (QDialog::Accepted, ...).
  virtual int RunModal(QDialog& dialog) = 0;

  // Opens a web page, or a local file (QUrl::fromLocalFile) in the desktop's
  // default program. False when nothing could be opened.
  virtual bool OpenUrl(const QUrl& url) = 0;

  void Info(const QString& caption, const QString& text);
  void Warning(const QString& caption, const QString& text);
  void Error(const QString& caption, const QString& text);
  // A yes/no question; true for yes.
  bool Ask(const QString& caption, const QString& text);
  // An OK/Cancel question; true for OK.
  bool Confirm(const QString& caption, const QString& text);
};
