#include "platform/prompts/QtPrompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>

namespace {
QWidget* ActiveWindow() {
  return QApplication::activeWindow();
}

// Server messages break lines with a bare carriage return, which a label does not
// show as a line break.
QString WithLineBreaks(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}
}  // namespace

TPrompts::Button TQtPrompts::Message(Icon icon, const QString& caption, const QString& text,
                                     Buttons buttons, Button defaultButton) {
  QMessageBox box(icon, caption, WithLineBreaks(text), buttons, ActiveWindow());
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  return static_cast<Button>(box.exec());
}

std::optional<QString> TQtPrompts::InputText(const QString& caption, const QString& label,
                                             const QString& initial) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(ActiveWindow(), caption, label, QLineEdit::Normal, initial, &ok);
  if (!ok) return std::nullopt;
  return text;
}

QString TQtPrompts::OpenFileName(const QString& caption, const QString& dir,
                                 const QString& filter) {
  return QFileDialog::getOpenFileName(ActiveWindow(), caption, dir, filter);
}

QStringList TQtPrompts::OpenFileNames(const QString& caption, const QString& dir,
                                      const QString& filter) {
  return QFileDialog::getOpenFileNames(ActiveWindow(), caption, dir, filter);
}

QString TQtPrompts::SaveFileName(const QString& caption, const QString& suggestedPath,
                                 const QString& filter) {
  return QFileDialog::getSaveFileName(ActiveWindow(), caption, suggestedPath, filter);
}

int TQtPrompts::RunModal(QDialog& dialog) {
  return dialog.exec();
}

bool TQtPrompts::OpenUrl(const QUrl& url) {
  return QDesktopServices::openUrl(url);
}
