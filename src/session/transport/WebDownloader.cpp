#include "session/transport/WebDownloader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <cstring>

#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"
#include "platform/prompts/Prompts.h"
#include "session/transport/ReplyBody.h"
#include "session/transport/TempWbFm.h"
#include "xml/XmlNodes.h"

namespace {

constexpr int kFileLimitMs = 5000;
constexpr int kRequestLimitMs = 90000;
constexpr int kNavigateLimitMs = 3000;
// A file that is still arriving at the time limit is waited for as long as its
// bytes keep coming; it is given up only after this long without any.
constexpr int kFileStallMs = kRequestLimitMs;

QNetworkRequest MakeRequest(const QUrl& url, const QString& headers) {
  QNetworkRequest request(url);
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  for (const QString& line : headers.split(QLatin1Char('\n'))) {
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon <= 0) continue;
    const QString name = line.left(colon).trimmed();
    if (name.isEmpty()) continue;
    request.setRawHeader(name.toLatin1(), codec::ToGbk(line.mid(colon + 1).trimmed()));
  }
  return request;
}

// The connection failed before the reply was complete: refused, reset, dropped
// part way, unknown host, certificate not accepted, proxy trouble. An error
// status of the server (404, 503, ...) is a reply like any other.
bool ConnectionFailed(const QNetworkReply& reply) {
  const QNetworkReply::NetworkError error = reply.error();
  // A connection closed before the reply started, with a body that may not be
  // sent again, ends as a re-send error.
  if (error == QNetworkReply::ContentReSendError) return true;
  return error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
}

// The body of a POST, readable once. The network stack buffers a body it may
// send again, and it silently sends it again when a connection closes before the
// reply starts; a payment must never go twice, so the body cannot be rewound.
class TOneShotBody : public QIODevice {
 public:
  // Reads the caller's bytes where they lie, so that a body carrying a password
  // leaves no copy here; Forget before the caller's bytes go.
  TOneShotBody(QByteArrayView bytes, QObject* parent) : QIODevice(parent), bytes_(bytes) {
    open(QIODevice::ReadOnly);
  }
  bool isSequential() const override { return true; }
  bool reset() override { return false; }
  qint64 bytesAvailable() const override {
    return bytes_.size() - at_ + QIODevice::bytesAvailable();
  }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    const qint64 n = std::min<qint64>(maxSize, bytes_.size() - at_);
    std::memcpy(data, bytes_.constData() + at_, size_t(n));
    at_ += n;
    return n;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 public:
  void Forget() { bytes_ = {}; }

 private:
  QByteArrayView bytes_;
  qint64 at_ = 0;
};

bool IsFileReply(const QNetworkReply& reply) {
  const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (status < 200 || status >= 300) return false;
  return reply::IsFile(reply.rawHeader("Content-Type"), reply.rawHeader("Content-Disposition"));
}

}  // namespace

TWebDownloader::TWebDownloader(TTempWbFm* browser) : browser_(browser) {}

TWebDownloader::~TWebDownloader() = default;

int TWebDownloader::TimeLimitFor(QByteArrayView body) {
  if (body.contains("TXCODE=660702") || body.contains("TXCODE=N18502")) return kFileLimitMs;
  return kRequestLimitMs;
}

void TWebDownloader::PostAndWait(const QString& url, QByteArrayView body, const QString& headers) {
  Exchange(QUrl(url), body, headers, TimeLimitFor(body));
}

void TWebDownloader::NavigateAndWait(const QString& url) {
  Exchange(QUrl(url), {}, {}, kNavigateLimitMs);
}

void TWebDownloader::Exchange(const QUrl& url, QByteArrayView body, const QString& headers,
                              int limitMs) {
  transportFailed_ = false;
  if (!browser_) return;
  QNetworkAccessManager& network = browser_->Network();
  const QNetworkRequest request = MakeRequest(url, headers);
  QPointer<QNetworkReply> reply;
  QPointer<TOneShotBody> device;
  if (body.isEmpty()) {
    reply = network.get(request);
  } else {
    QNetworkRequest post = request;
    post.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    post.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
    device = new TOneShotBody(body, nullptr);
    reply = network.post(post, device);
    device->setParent(reply);
  }

  // The local loop keeps every event of the program flowing while it waits.
  QEventLoop loop;
  bool isFile = false;
  const auto recognise = [&] {
    if (isFile || !reply || !IsFileReply(*reply)) return;
    isFile = true;
    if (browser_) Q_EMIT browser_->DownloadStarted();
  };
  QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, recognise);
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  QObject::connect(reply, &QObject::destroyed, &loop, &QEventLoop::quit);
  QTimer limit;
  limit.setSingleShot(true);
  limit.setTimerType(Qt::PreciseTimer);
  QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
  limit.start(limitMs);
  if (!reply->isFinished()) loop.exec();

  if (reply && !reply->isFinished()) {
    recognise();
    if (isFile) {
      QObject::connect(reply, &QNetworkReply::downloadProgress, &limit,
                       [&limit] { limit.start(kFileStallMs); });
      limit.start(kFileStallMs);
      loop.exec();
    }
  }
  if (!reply) return;  // the browser went away while waiting

  bool timedOut = false;
  QByteArray bytes;
  if (reply->isFinished()) {
    recognise();
    bytes = reply->readAll();
  } else {
    timedOut = true;
    bytes = reply->readAll();
    reply->abort();
  }
  const QByteArray contentType = reply->rawHeader("Content-Type");
  const QByteArray disposition = reply->rawHeader("Content-Disposition");
  const bool failed = ConnectionFailed(*reply);
  const QString failure = reply->errorString();
  const QUrl finalUrl = reply->url();
  if (device) device->Forget();
  reply->deleteLater();
  if (!browser_) return;

  if (!timedOut && failed) {
    transportFailed_ = true;
    browser_->SetDocument(reply::UnreachablePage(failure));
  } else if (isFile) {
    browser_->SetDocument(QString());
    if (!timedOut) SaveFile(bytes, reply::SuggestedFileName(disposition, finalUrl));
  } else {
    browser_->SetDocument(reply::DecodeBody(bytes, contentType));
  }
}

void TWebDownloader::SaveFile(const QByteArray& bytes, const QString& suggestedName) {
  TPrompts& prompts = browser_->Prompts();
  const QString path =
      prompts.SaveFileOfKind(TFileKind::Downloads, QStringLiteral("文件下载"), {}, suggestedName);
  if (path.isEmpty()) return;
  try {
    WriteFileAtomically(path, bytes);
  } catch (const TFileError& e) {
    prompts.Error(TPrompts::kErrorCaption, e.Message());
  }
}

QString TWebDownloader::GetDocumentText() const {
  if (!browser_ || !browser_->HasDocument()) return {};
  return browser_->DocumentText();
}

QString TWebDownloader::GetReplyText() const {
  const QString document = GetDocumentText();
  // An XML reply shown as a tree marks each expandable start tag with "- ".
  // Before an end tag the mark cannot occur, so a value ending in "- " is kept.
  QString text;
  text.reserve(document.size());
  const QString mark = QStringLiteral("- <");
  qsizetype from = 0;
  for (qsizetype at = document.indexOf(mark); at >= 0; at = document.indexOf(mark, at + 1)) {
    const bool beforeEndTag = at + 3 < document.size() && document[at + 3] == QLatin1Char('/');
    if (beforeEndTag) continue;
    text += QStringView(document).mid(from, at - from);
    from = at + 1;
  }
  text += QStringView(document).mid(from);
  return xml::TrimControls(text);
}
