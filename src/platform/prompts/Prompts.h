#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

#include "platform/prompts/RecentFolders.h"

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

  // A short note in the main window's status bar on how a command ended, for
  // commands that close without a message. Goes to the sink the main window
  // sets; nowhere while none is set.
  virtual void ShowStatus(const QString& text);
  void SetStatusSink(std::function<void(const QString&)> sink) { statusSink_ = std::move(sink); }

  // File dialogs for one kind of file: they start in the folder in which a file
  // of that kind was chosen last, and remember the folder of the file chosen
  // now. The save dialog proposes suggestedName in that folder.
  QString OpenFileOfKind(TFileKind kind, const QString& caption, const QString& filter);
  QString SaveFileOfKind(TFileKind kind, const QString& caption, const QString& filter,
                         const QString& suggestedName = QString());
  // Keeps the remembered folders in the file across runs; until this is called
  // they last for the run.
  void KeepRecentFoldersIn(const QString& storePath) { recentFolders_.KeepIn(storePath); }

  void Info(const QString& caption, const QString& text);
  void Warning(const QString& caption, const QString& text);
  void Error(const QString& caption, const QString& text);
  // A yes/no question; true for yes.
  bool Ask(const QString& caption, const QString& text);
  // An OK/Cancel question; true for OK.
  bool Confirm(const QString& caption, const QString& text);

 private:
  std::function<void(const QString&)> statusSink_;
  TRecentFolders recentFolders_;
};
