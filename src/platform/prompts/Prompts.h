#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class QDialog;

// Every message box, question, input box, file dialog, modal run of a dialog and
// opening of a URL or a file in the desktop goes through this interface, so that
// tests can answer them from a script and assert on each one.
class TPrompts {
 public:
  using Icon = QMessageBox::Icon;
  using Button = QMessageBox::StandardButton;
  using Buttons = QMessageBox::StandardButtons;

  virtual ~TPrompts() = default;

  // Shows a message box and returns the button chosen. A defaultButton of
  // NoButton leaves the choice of the default to the box.
  virtual Button message(Icon icon, const QString& caption, const QString& text,
                         Buttons buttons = QMessageBox::Ok,
                         Button defaultButton = QMessageBox::NoButton) = 0;

  // A one-line text input; nothing when cancelled.
  virtual std::optional<QString> inputText(const QString& caption, const QString& label,
                                           const QString& initial = QString()) = 0;

  // File dialogs; an empty result means cancelled.
  virtual QString openFileName(const QString& caption, const QString& dir,
                               const QString& filter = QString()) = 0;
  virtual QStringList openFileNames(const QString& caption, const QString& dir,
                                    const QString& filter = QString()) = 0;
  virtual QString saveFileName(const QString& caption, const QString& suggestedPath,
                               const QString& filter = QString()) = 0;

  // Runs the dialog modally and returns its result code (QDialog::Accepted, ...).
  virtual int runModal(QDialog& dialog) = 0;

  // Opens a web page, or a local file (QUrl::fromLocalFile) in the desktop's
  // default program. False when nothing could be opened.
  virtual bool openUrl(const QUrl& url) = 0;

  void info(const QString& caption, const QString& text);
  void warning(const QString& caption, const QString& text);
  void error(const QString& caption, const QString& text);
  // A yes/no question; true for yes.
  bool ask(const QString& caption, const QString& text);
};

// The installed prompts: the innermost live TPromptsScope's, else the Qt one.
TPrompts& Prompts();

// Installs prompts for its lifetime and restores the previous ones afterwards.
class TPromptsScope {
 public:
  explicit TPromptsScope(TPrompts& prompts);
  ~TPromptsScope();
  TPromptsScope(const TPromptsScope&) = delete;
  TPromptsScope& operator=(const TPromptsScope&) = delete;

 private:
  TPrompts* previous_;
};
