#include "platform/prompts/ScriptedPrompts.h"

#include <QDialog>

void TScriptedPrompts::Answer(Button button) {
  buttonAnswers_.push_back(button);
}

void TScriptedPrompts::AnswerText(std::optional<QString> text) {
  textAnswers_.push_back(std::move(text));
}

void TScriptedPrompts::AnswerFile(const QString& path) {
  fileAnswers_.push_back(path.isEmpty() ? QStringList() : QStringList{path});
}

void TScriptedPrompts::AnswerFiles(const QStringList& paths) {
  fileAnswers_.push_back(paths);
}

void TScriptedPrompts::AnswerModal(ModalScript script) {
  modalAnswers_.push_back(std::move(script));
}

void TScriptedPrompts::AnswerModal(int result) {
  modalAnswers_.push_back([result](QDialog&) { return result; });
}

QStringList TScriptedPrompts::MessageTexts() const {
  QStringList texts;
  for (const TScriptedMessage& m : messages_) texts.append(m.Text);
  return texts;
}

TScriptedMessage TScriptedPrompts::LastMessage() const {
  return messages_.empty() ? TScriptedMessage() : messages_.back();
}

qsizetype TScriptedPrompts::PendingAnswers() const {
  const size_t pending =
      buttonAnswers_.size() + textAnswers_.size() + fileAnswers_.size() + modalAnswers_.size();
  return qsizetype(pending);
}

TPrompts::Button TScriptedPrompts::Message(Icon icon, const QString& caption, const QString& text,
                                           Buttons buttons, Button defaultButton) {
  TScriptedMessage record{icon, caption, text, buttons, QMessageBox::NoButton, false};
  if (!buttonAnswers_.empty()) {
    record.Answer = buttonAnswers_.front();
    record.Scripted = true;
    buttonAnswers_.pop_front();
  } else {
    record.Answer = defaultButton != QMessageBox::NoButton ? defaultButton : QMessageBox::Ok;
  }
  messages_.push_back(record);
  return record.Answer;
}

std::optional<QString> TScriptedPrompts::InputText(const QString& caption, const QString& label,
                                                   const QString& initial) {
  TScriptedInput record{caption, label, initial, std::nullopt, false};
  if (!textAnswers_.empty()) {
    record.Answer = textAnswers_.front();
    record.Scripted = true;
    textAnswers_.pop_front();
  }
  inputs_.push_back(record);
  return record.Answer;
}

QStringList TScriptedPrompts::NextFiles(TScriptedFileDialog::TKind kind, const QString& caption,
                                        const QString& path, const QString& filter) {
  TScriptedFileDialog record{kind, caption, path, filter, {}, false};
  if (!fileAnswers_.empty()) {
    record.Answer = fileAnswers_.front();
    record.Scripted = true;
    fileAnswers_.pop_front();
  }
  fileDialogs_.push_back(record);
  return record.Answer;
}

QString TScriptedPrompts::OpenFileName(const QString& caption, const QString& dir,
                                       const QString& filter) {
  const QStringList files = NextFiles(TScriptedFileDialog::Open, caption, dir, filter);
  return files.isEmpty() ? QString() : files.first();
}

QStringList TScriptedPrompts::OpenFileNames(const QString& caption, const QString& dir,
                                            const QString& filter) {
  return NextFiles(TScriptedFileDialog::OpenMany, caption, dir, filter);
}

QString TScriptedPrompts::SaveFileName(const QString& caption, const QString& suggestedPath,
                                       const QString& filter) {
  const QStringList files = NextFiles(TScriptedFileDialog::Save, caption, suggestedPath, filter);
  return files.isEmpty() ? QString() : files.first();
}

int TScriptedPrompts::RunModal(QDialog& dialog) {
  TScriptedModal record{dialog.objectName(), dialog.windowTitle(), QDialog::Rejected, false};
  // Taken off the queue before the script runs, so that a script which itself
  // raises prompts finds the queue in the expected state.
  if (!modalAnswers_.empty()) {
    const ModalScript script = std::move(modalAnswers_.front());
    modalAnswers_.pop_front();
    record.Scripted = true;
    record.Result = script(dialog);
  }
  dialog.setResult(record.Result);
  modalRuns_.push_back(record);
  return record.Result;
}

bool TScriptedPrompts::OpenUrl(const QUrl& url) {
  openedUrls_.append(url);
  return openUrlResult_;
}

void TScriptedPrompts::ShowStatus(const QString& text) {
  statusTexts_.append(text);
  TPrompts::ShowStatus(text);
}
