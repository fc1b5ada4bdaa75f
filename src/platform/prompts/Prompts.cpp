#include "platform/prompts/Prompts.h"

#include "platform/prompts/QtPrompts.h"

namespace {
TPrompts* installed = nullptr;
}

void TPrompts::info(const QString& caption, const QString& text) {
  message(QMessageBox::Information, caption, text);
}

void TPrompts::warning(const QString& caption, const QString& text) {
  message(QMessageBox::Warning, caption, text);
}

void TPrompts::error(const QString& caption, const QString& text) {
  message(QMessageBox::Critical, caption, text);
}

bool TPrompts::ask(const QString& caption, const QString& text) {
  return message(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                 QMessageBox::Yes) == QMessageBox::Yes;
}

TPrompts& Prompts() {
  if (installed) return *installed;
  static TQtPrompts qtPrompts;
  return qtPrompts;
}

TPromptsScope::TPromptsScope(TPrompts& prompts) : previous_(installed) {
  installed = &prompts;
}

TPromptsScope::~TPromptsScope() {
  installed = previous_;
}
