#pragma once

#include <QList>
#include <deque>
#include <functional>
#include <vector>

#include "platform/prompts/Prompts.h"

// One message box as the program asked for it, with the answer it got.
struct TScriptedMessage {
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  QString Caption;
  QString Text;
  QMessageBox::StandardButtons Buttons;
  QMessageBox::StandardButton Answer = QMessageBox::NoButton;
  bool Scripted = false;  // false: the queue was empty and the default was taken
};

struct TScriptedFileDialog {
  enum TKind { Open, OpenMany, Save };
  TKind Kind = Open;
  QString Caption;
  QString Path;  // the directory or suggested path the program offered
  QString Filter;
  QStringList Answer;
  bool Scripted = false;
};

struct TScriptedInput {
  QString Caption;
  QString Label;
  QString Initial;
  std::optional<QString> Answer;
  bool Scripted = false;
};

struct TScriptedModal {
  QString ObjectName;
  QString WindowTitle;
  int Result = 0;
  bool Scripted = false;
};

// Prompts for tests: answers come from queues that the test fills, one queue per
// kind of prompt, and every prompt is recorded. Nothing ever blocks: a prompt that
// finds its queue empty gets the default answer (the default button or Ok, cancel
// for file and input dialogs, Rejected for modal runs).
class TScriptedPrompts : public TPrompts {
 public:
  using ModalScript = std::function<int(QDialog&)>;

  void Answer(Button button);
  // The next input box returns text; nothing means the box is cancelled.
  void AnswerText(std::optional<QString> text);
  // The next file dialog returns the path (empty: cancelled).
  void AnswerFile(const QString& path);
  void AnswerFiles(const QStringList& paths);
  // The next modal run calls the script with the dialog (it may fill the dialog's
  // fields) and returns what the script returns.
  void AnswerModal(ModalScript script);
  void AnswerModal(int result);
  void SetOpenUrlResult(bool opened) { openUrlResult_ = opened; }

  const std::vector<TScriptedMessage>& Messages() const { return messages_; }
  QStringList MessageTexts() const;
  // The last message, or an empty record when there was none.
  TScriptedMessage LastMessage() const;
  const std::vector<TScriptedFileDialog>& FileDialogs() const { return fileDialogs_; }
  const std::vector<TScriptedInput>& Inputs() const { return inputs_; }
  const std::vector<TScriptedModal>& ModalRuns() const { return modalRuns_; }
  const QList<QUrl>& OpenedUrls() const { return openedUrls_; }
  const QStringList& StatusTexts() const { return statusTexts_; }
  // Answers queued but not yet used, of all kinds.
  qsizetype PendingAnswers() const;

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
  // Recorded, and passed on to the sink when one is set.
  void ShowStatus(const QString& text) override;

 private:
  QStringList NextFiles(TScriptedFileDialog::TKind kind, const QString& caption,
                        const QString& path, const QString& filter);

  std::deque<Button> buttonAnswers_;
  std::deque<std::optional<QString>> textAnswers_;
  std::deque<QStringList> fileAnswers_;
  std::deque<ModalScript> modalAnswers_;
  bool openUrlResult_ = true;

  std::vector<TScriptedMessage> messages_;
  std::vector<TScriptedFileDialog> fileDialogs_;
  std::vector<TScriptedInput> inputs_;
  std::vector<TScriptedModal> modalRuns_;
  QList<QUrl> openedUrls_;
  QStringList statusTexts_;
};
