#pragma once

#include <QDialog>

class QPlainTextEdit;

// The client announcement window: the bank's message to its clients, read-only.
class TFormShowUpdateMsg : public QDialog {
  Q_OBJECT
 public:
  explicit TFormShowUpdateMsg(QWidget* parent = nullptr);

  void SetMessage(const QString& text);
  QString Message() const;

 private:
  QPlainTextEdit* memMsg_;
};
