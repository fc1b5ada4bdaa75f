#include "platform/prompts/QtPrompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
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

QStringList ChosenFiles(QFileDialog& dialog) {
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}
}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QMessageBox::Icon icon, const QString& caption,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton,
                                            QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(icon, caption, WithLineBreaks(text), buttons, parent);
  if (defaultButton != QMessageBox::NoButton) box->setDefaultButton(defaultButton);
  return box;
}

std::unique_ptr<QFileDialog> MakeFileDialog(QFileDialog::AcceptMode acceptMode,
                                            QFileDialog::FileMode fileMode, const QString& caption,
                                            const QString& dir, const QString& filter,
                                            QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent, caption, dir, filter);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(acceptMode);
  dialog->setFileMode(fileMode);
  return dialog;
}

TPrompts::Button TQtPrompts::Message(Icon icon, const QString& caption, const QString& text,
                                     Buttons buttons, Button defaultButton) {
  return static_cast<Button>(
      MakeMessageBox(icon, caption, text, buttons, defaultButton, ActiveWindow())->exec());
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
  return ChosenFiles(*MakeFileDialog(QFileDialog::AcceptOpen, QFileDialog::ExistingFile, caption,
                                     dir, filter, ActiveWindow()))
      .value(0);
}

QStringList TQtPrompts::OpenFileNames(const QString& caption, const QString& dir,
                                      const QString& filter) {
  return ChosenFiles(*MakeFileDialog(QFileDialog::AcceptOpen, QFileDialog::ExistingFiles, caption,
                                     dir, filter, ActiveWindow()));
}

QString TQtPrompts::SaveFileName(const QString& caption, const QString& suggestedPath,
                                 const QString& filter) {
  return ChosenFiles(*MakeFileDialog(QFileDialog::AcceptSave, QFileDialog::AnyFile, caption,
                                     suggestedPath, filter, ActiveWindow()))
      .value(0);
}

int TQtPrompts::RunModal(QDialog& dialog) {
  return dialog.exec();
}

bool TQtPrompts::OpenUrl(const QUrl& url) {
  return QDesktopServices::openUrl(url);
}
