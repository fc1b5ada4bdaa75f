#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <functional>
#include <memory>

#include "widgets/base/FormOriginal.h"
#include "widgets/base/ScreenServices.h"

// The screens and dialogs that menu codes open. The main window knows only this
// catalogue; the program registers, per menu code, a caption and a factory from
// the libraries that build the screens. A code without a factory gets a
// placeholder with the caption of its menu action.
class TScreenCatalogue {
 public:
  using ScreenFactory = std::function<std::unique_ptr<TFormOriginal>()>;
  using DialogFactory = std::function<std::unique_ptr<QDialog>(QWidget* parent)>;

  // Placeholders get the services.
  explicit TScreenCatalogue(TScreenServices services) : services_(std::move(services)) {}

  // Throw std::invalid_argument for a code whose action is not a screen
  // (respectively a dialog).
  void RegisterScreen(qint32 code, const QString& caption, ScreenFactory factory);
  void RegisterDialog(qint32 code, const QString& caption, DialogFactory factory);

  // The registered caption, else that of the menu action; empty for other codes.
  QString Caption(qint32 code) const;
  bool HasFactory(qint32 code) const;

  std::unique_ptr<TFormOriginal> CreateScreen(qint32 code) const;
  std::unique_ptr<QDialog> CreateDialog(qint32 code, QWidget* parent) const;

 private:
  struct Entry {
    QString Caption;
    ScreenFactory Screen;
    DialogFactory Dialog;
  };
  TScreenServices services_;
  QHash<qint32, Entry> entries_;
};
