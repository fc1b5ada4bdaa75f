#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The error of a failed exchange with the bank or of an error reply. It carries
// only the message the clerk reads.
class EResponseError : public std::exception {
 public:
  explicit EResponseError(QString message)
      : message_(std::move(message)), utf8_(message_.toUtf8()) {}
  const QString& Message() const { return message_; }
  const char* what() const noexcept override { return utf8_.constData(); }

 private:
  QString message_;
  QByteArray utf8_;
};
