#pragma once

#include <QByteArray>
#include <QString>

class TTempWbFm;

// Drives the session browser for one exchange: posts a body, waits for the reply
// while the interface stays responsive, and hands the reply back as text.
class TWebDownloader {
 public:
  explicit TWebDownloader(TTempWbFm* browser);
  ~TWebDownloader();
  TWebDownloader(const TWebDownloader&) = delete;
  TWebDownloader& operator=(const TWebDownloader&) = delete;

  // Sends the body bytes unchanged (an empty body makes the request a GET) with
  // the header lines ("Name: value", one per line) and waits until the reply is
  // complete or the time limit passes; a time-out is not an error. Does nothing
  // without a browser.
  void PostAndWait(const QString& url, const QByteArray& body, const QString& headers);
  // A plain GET with a 3 s wait: starts the client package download.
  void NavigateAndWait(const QString& url);

  // The reply of the last exchange: GetDocumentText with "- <" replaced by " <"
  // and trimmed of white space and control characters.
  QString GetReplyText() const;
  // The text of the document the browser holds now; empty when there is none.
  QString GetDocumentText() const;

  // 5000 ms for the bodies that answer with a file ("TXCODE=660702" or
  // "TXCODE=N18502" anywhere in the body), 90000 ms for all others.
  static int TimeLimitFor(const QByteArray& body);

 private:
  TTempWbFm* browser_;
};
