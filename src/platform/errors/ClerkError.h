#pragma once

#include <QByteArray>
#include <QString>
#include <exception>
#include <utility>

// An error meant for the clerk: its message says in Chinese what went wrong and
// can be shown as it is. Every error that a command may show derives from it;
// the command boundary shows any other exception as one fixed message.
class TClerkError : public std::exception {
 public:
  // An empty caption leaves the choice of caption to whoever shows the error.
  explicit TClerkError(QString message, QString caption = QString())
      : message_(std::move(message)), caption_(std::move(caption)), utf8_(message_.toUtf8()) {}

  const QString& Message() const { return message_; }
  const QString& Caption() const { return caption_; }
  const char* what() const noexcept override { return utf8_.constData(); }

 private:
  QString message_;
  QString caption_;
  QByteArray utf8_;
};
