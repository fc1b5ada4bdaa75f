#include "platform/prompts/ScriptedPrompts.h"

#include <QDialog>

void TScriptedPrompts::answer(Button button) {
  buttonAnswers_.push_back(button);
}

void TScriptedPrompts::answerText(std::optional<QString> text) {
  textAnswers_.push_back(std::move(text));
}

void TScriptedPrompts::answerFile(const QString& path) {
  fileAnswers_.push_back(path.isEmpty() ? QStringList() : QStringList{path});
}

void TScriptedPrompts::answerFiles(const QStringList& paths) {
  fileAnswers_.push_back(paths);
}

void TScriptedPrompts::answerModal(ModalScript script) {
  modalAnswers_.push_back(std::move(script));
}

void TScriptedPrompts::answerModal(int result) {
  modalAnswers_.push_back([result](QDialog&) { return result; });
}

QStringList TScriptedPrompts::messageTexts() const {
  QStringList texts;
  for (const TScriptedMessage& m : messages_) texts.append(m.text);
  return texts;
}

TScriptedMessage TScriptedPrompts::lastMessage() const {
  return messages_.empty() ? TScriptedMessage() : messages_.back();
}

qsizetype TScriptedPrompts::pendingAnswers() const {
  return qsizetype(buttonAnswers_.size() + textAnswers_.size() + fileAnswers_.size() +
                   modalAnswers_.size());
}

TPrompts::Button TScriptedPrompts::message(Icon icon, const QString& caption, const QString& text,
                                           Buttons buttons, Button defaultButton) {
  TScriptedMessage record{icon, caption, text, buttons, QMessageBox::NoButton, false};
  if (!buttonAnswers_.empty()) {
    record.answer = buttonAnswers_.front();
    record.scripted = true;
    buttonAnswers_.pop_front();
  } else {
    record.answer = defaultButton != QMessageBox::NoButton ? defaultButton : QMessageBox::Ok;
  }
  messages_.push_back(record);
  return record.answer;
}

std::optional<QString> TScriptedPrompts::inputText(const QString& caption, const QString& label,
                                                   const QString& initial) {
  TScriptedInput record{caption, label, initial, std::nullopt, false};
  if (!textAnswers_.empty()) {
    record.answer = textAnswers_.front();
    record.scripted = true;
    textAnswers_.pop_front();
  }
  inputs_.push_back(record);
  return record.answer;
}

QStringList TScriptedPrompts::nextFiles(TScriptedFileDialog::Kind kind, const QString& caption,
                                        const QString& path, const QString& filter) {
  TScriptedFileDialog record{kind, caption, path, filter, {}, false};
  if (!fileAnswers_.empty()) {
    record.answer = fileAnswers_.front();
    record.scripted = true;
    fileAnswers_.pop_front();
  }
  fileDialogs_.push_back(record);
  return record.answer;
}

QString TScriptedPrompts::openFileName(const QString& caption, const QString& dir,
                                       const QString& filter) {
  const QStringList files = nextFiles(TScriptedFileDialog::Open, caption, dir, filter);
  return files.isEmpty() ? QString() : files.first();
}

QStringList TScriptedPrompts::openFileNames(const QString& caption, const QString& dir,
                                            const QString& filter) {
  return nextFiles(TScriptedFileDialog::OpenMany, caption, dir, filter);
}

QString TScriptedPrompts::saveFileName(const QString& caption, const QString& suggestedPath,
                                       const QString& filter) {
  const QStringList files = nextFiles(TScriptedFileDialog::Save, caption, suggestedPath, filter);
  return files.isEmpty() ? QString() : files.first();
}

int TScriptedPrompts::runModal(QDialog& dialog) {
  TScriptedModal record{dialog.objectName(), dialog.windowTitle(), QDialog::Rejected, false};
  // Taken off the queue before the script runs, so that a script which itself
  // raises prompts finds the queue in the expected state.
  if (!modalAnswers_.empty()) {
    const ModalScript script = std::move(modalAnswers_.front());
    modalAnswers_.pop_front();
    record.scripted = true;
    record.result = script(dialog);
  }
  dialog.setResult(record.result);
  modalRuns_.push_back(record);
  return record.result;
}

bool TScriptedPrompts::openUrl(const QUrl& url) {
  openedUrls_.append(url);
  return openUrlResult_;
}
