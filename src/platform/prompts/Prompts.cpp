#include "platform/prompts/Prompts.h"

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
