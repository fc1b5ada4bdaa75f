#include "shell/ScreenCatalogue.h"

#include <stdexcept>

#include "shell/MenuActions.h"
#include "shell/PlaceholderDialog.h"
#include "shell/PlaceholderScreen.h"

namespace {

void RequireKind(qint32 code, bool dialog) {
  const std::optional<TMenuAction> action = MenuActionFor(code);
  if (!action || action->IsDialog != dialog)
    throw std::invalid_argument(dialog ? "menu code does not open a dialog"
                                       : "menu code does not open a screen");
}

}  // namespace

void TScreenCatalogue::RegisterScreen(qint32 code, const QString& caption, ScreenFactory factory) {
  RequireKind(code, false);
  entries_.insert(code, Entry{caption, std::move(factory), {}});
}

void TScreenCatalogue::RegisterDialog(qint32 code, const QString& caption, DialogFactory factory) {
  RequireKind(code, true);
  entries_.insert(code, Entry{caption, {}, std::move(factory)});
}

QString TScreenCatalogue::Caption(qint32 code) const {
  const auto it = entries_.constFind(code);
  if (it != entries_.cend() && !it->Caption.isEmpty()) return it->Caption;
  const std::optional<TMenuAction> action = MenuActionFor(code);
  return action ? action->Caption : QString();
}

bool TScreenCatalogue::HasFactory(qint32 code) const {
  const auto it = entries_.constFind(code);
  return it != entries_.cend() && (it->Screen || it->Dialog);
}

std::unique_ptr<TFormOriginal> TScreenCatalogue::CreateScreen(qint32 code) const {
  const auto it = entries_.constFind(code);
  std::unique_ptr<TFormOriginal> screen;
  if (it != entries_.cend() && it->Screen) screen = it->Screen();
  if (!screen) screen = std::make_unique<TPlaceholderScreen>(services_, Caption(code));
  if (screen->windowTitle().isEmpty()) screen->setWindowTitle(Caption(code));
  return screen;
}

std::unique_ptr<QDialog> TScreenCatalogue::CreateDialog(qint32 code, QWidget* parent) const {
  const auto it = entries_.constFind(code);
  std::unique_ptr<QDialog> dialog;
  if (it != entries_.cend() && it->Dialog) dialog = it->Dialog(parent);
  if (!dialog)
    dialog = std::make_unique<TPlaceholderDialog>(services_.Prompts, Caption(code), parent);
  return dialog;
}
