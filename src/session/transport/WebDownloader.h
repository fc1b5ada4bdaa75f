#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QPointer>
#include <QString>
#include <QUrl>

class TTempWbFm;

// Drives the session browser for one exchange: posts a body, waits for the reply
// while the interface stays responsive, and hands the reply back as text.
//
// A reply that is a file (see reply::IsFile) is not cut off by the time limit: once
// its headers have arrived the wait goes on while its bytes keep coming. The
// browser then emits DownloadStarted, the clerk chooses where to save it, and the
// document is left empty.
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
  void PostAndWait(const QString& url, QByteArrayView body, const QString& headers);
  // A plain GET with a 3 s wait: starts the client package download.
  void NavigateAndWait(const QString& url);

  // The reply of the last exchange: GetDocumentText with "- <" replaced by " <"
  // (except before an end tag) and trimmed of white space and control characters.
  QString GetReplyText() const;
  // The text of the document the browser holds now; empty when there is none.
  QString GetDocumentText() const;

  // True when the last exchange got no complete reply because the connection failed
  // (refused, dropped, reset, unknown host, certificate not accepted). The
  // document then is a page whose text contains "无法显示".
  bool TransportFailed() const { return transportFailed_; }

  // 5000 ms for the bodies that answer with a file ("TXCODE=660702" or
  // "TXCODE=N18502" anywhere in the body), 90000 ms for all others.
  static int TimeLimitFor(QByteArrayView body);

 private:
  void Exchange(const QUrl& url, QByteArrayView body, const QString& headers, int limitMs);
  void SaveFile(const QByteArray& bytes, const QString& suggestedName);

  QPointer<TTempWbFm> browser_;
  bool transportFailed_ = false;
};
