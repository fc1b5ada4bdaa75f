#include "SimServer.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>

#include "MultipartForm.h"
#include "PasswordMask.h"
#include "Transactions.h"

namespace {

constexpr int kWorkerThreads = 32;
constexpr char kControlPrefix[] = "/__sim/";

QByteArray Bytes(const std::string& text) {
  return QByteArray(text.data(), qsizetype(text.size()));
}

// The HTTP library reads a multipart body into its own parts and keeps no raw
// bytes, and refuses one without a boundary before any handler sees it. The
// simulator needs the exact body (the request log, its own parser), so before
// routing the Content-Type of such a request is masked and restored when the
// request is logged.
constexpr char kMultipartMask[] = "x-banksim-masked;";

bool HasMultipartType(const std::string& value) {
  return IsMultipartForm(QByteArray::fromStdString(value));
}

void MaskMultipart(const httplib::Request& request) {
  // The library's request object itself is not const; it is only passed as one.
  auto& headers = const_cast<httplib::Headers&>(request.headers);
  for (auto& [name, value] : headers) {
    if (QByteArray::fromStdString(name).compare("Content-Type", Qt::CaseInsensitive) == 0 &&
        HasMultipartType(value)) {
      value.insert(0, kMultipartMask);
    }
  }
}

std::string Unmasked(const std::string& value) {
  return value.rfind(kMultipartMask, 0) == 0 ? value.substr(sizeof(kMultipartMask) - 1) : value;
}

bool IsAddedByServer(const std::string& header) {
  return header == "REMOTE_ADDR" || header == "REMOTE_PORT" || header == "LOCAL_ADDR" ||
         header == "LOCAL_PORT";
}

TLoggedRequest ToLogged(const httplib::Request& request) {
  TLoggedRequest logged;
  logged.Method = Bytes(request.method);
  const QByteArray target = Bytes(request.target);
  const qsizetype question = target.indexOf('?');
  logged.Path = question < 0 ? target : target.left(question);
  logged.Query = question < 0 ? QByteArray() : target.mid(question + 1);
  for (const auto& [name, value] : request.headers) {
    if (!IsAddedByServer(name)) logged.Headers.append({Bytes(name), Bytes(Unmasked(value))});
  }
  logged.Body = Bytes(request.body);
  return logged;
}

// The fields of a request; nothing for a multipart body that cannot be read.
// A field of the body wins over one of the query.
std::optional<TFormFields> FormOf(const TLoggedRequest& request) {
  if (request.Method == "GET") return TFormFields(request.Query);
  const QByteArray contentType = request.Header("Content-Type");
  if (!IsMultipartForm(contentType)) return TFormFields(request.Body + '&' + request.Query);
  const auto parts = ParseMultipart(request.Body, MultipartBoundary(contentType));
  if (!parts) return std::nullopt;
  QList<QPair<QByteArray, QByteArray>> fields;
  for (const TFormPart& part : *parts) fields.append({part.Name, part.Content});
  fields += TFormFields(request.Query).All();
  return TFormFields(std::move(fields));
}

void Write(const TSimReply& reply, httplib::Response& response) {
  response.status = reply.Status;
  for (const auto& [name, value] : reply.Headers) {
    response.set_header(name.toStdString(), value.toStdString());
  }
  response.set_content(reply.Body.constData(), size_t(reply.Body.size()),
                       reply.ContentType.constData());
}

// Sends the headers of a reply and then closes the connection without its body.
void WriteDropped(httplib::Response& response) {
  response.status = 200;
  response.set_content_provider(size_t(1024), "text/xml; charset=GBK",
                                [](size_t, size_t, httplib::DataSink&) { return false; });
}

TSimReply NotFound() {
  return HtmlReply(404, QStringLiteral("<html><head><title>404 Not Found</title></head>"
                                       "<body><h1>404 Not Found</h1></body></html>"));
}

}  // namespace

TSimServer::TSimServer(TSimData data, bool verbose, bool control)
    : verbose_(verbose), control_(control), data_(std::move(data)) {
  server_.new_task_queue = [] { return new httplib::ThreadPool(kWorkerThreads); };
  const auto handler = [this](const httplib::Request& request, httplib::Response& response) {
    Handle(request, response);
  };
  server_.set_pre_routing_handler([](const httplib::Request& request, httplib::Response&) {
    MaskMultipart(request);
    return httplib::Server::HandlerResponse::Unhandled;
  });
  server_.Get(".*", handler);
  server_.Post(".*", handler);
  server_.Put(".*", handler);
  server_.Delete(".*", handler);
  server_.Patch(".*", handler);
  server_.Options(".*", handler);
}

int TSimServer::Bind(int port) {
  if (port == 0) return server_.bind_to_any_port("127.0.0.1");
  return server_.bind_to_port("127.0.0.1", port) ? port : -1;
}

bool TSimServer::Listen() {
  return server_.listen_after_bind();
}

void TSimServer::Handle(const httplib::Request& request, httplib::Response& response) {
  const TLoggedRequest logged = ToLogged(request);
  if (logged.Path.startsWith(kControlPrefix)) {
    if (control_)
      Write(Control(logged), response);
    else
      response.status = 404;
    return;
  }
  if (control_) {
    TLoggedRequest recorded = logged;
    if (!recordPasswords_) recorded.Body = MaskPasswords(recorded.Body);
    log_.Add(std::move(recorded));
  }
  const QByteArray txCode = FormOf(logged).value_or(TFormFields()).Bytes("TXCODE");
  if (verbose_) {
    std::fprintf(stderr, "%s %s %s\n", logged.Method.constData(), logged.Path.constData(),
                 txCode.constData());
  }
  const std::optional<TFault> fault = faults_.Take(txCode);
  if (fault && fault->Mode == QLatin1String("drop")) {
    WriteDropped(response);
    return;
  }
  if (fault && fault->Mode == QLatin1String("slow")) {
    std::this_thread::sleep_for(std::chrono::milliseconds(fault->DelayMs));
  } else if (fault) {
    std::lock_guard lock(mutex_);
    Write(FaultReply(*fault, encoding_), response);
    return;
  }
  Write(Answer(logged), response);
}

TSimReply TSimServer::Answer(const TLoggedRequest& request) {
  std::lock_guard lock(mutex_);
  if (TransactionPaths().contains(request.Path)) {
    if (request.Method == "POST" || (request.Method == "GET" && !request.Query.isEmpty())) {
      return BankRequest(request);
    }
    return NotFound();
  }
  if (request.Method == "GET") return Download(request.Path);
  return NotFound();
}

TSimReply TSimServer::BankRequest(const TLoggedRequest& request) {
  const std::optional<TFormFields> parsed = FormOf(request);
  if (!parsed) {
    return ErrorReply(QStringLiteral("EBLN9997"), QStringLiteral("上传数据格式错误"), encoding_);
  }
  const TFormFields& form = *parsed;
  TTxContext tx{request,       form,       data_,        sessions_,
                payDocuments_, transfers_, printCounts_, encoding_};
  const TTransaction* transaction = FindTransaction(form.Bytes("TXCODE"), request.Path);
  if (!transaction) return tx.Error(QStringLiteral("EBLN9999"), QStringLiteral("交易码不支持"));
  if (!transaction->Paths.contains(request.Path)) {
    return tx.Error(QStringLiteral("EBLN9998"), QStringLiteral("交易码与访问路径不符"));
  }
  if (transaction->NeedsSession) {
    const TSimSession* session = sessions_.Find(form.Text("SKEY"));
    if (!session || session->CustomerId != form.Text("CUSTOMERID") ||
        session->UserId != form.Text("USERID")) {
      return tx.Error(QStringLiteral("EBLN0003"), QStringLiteral("会话已失效，请重新登录"));
    }
    tx.Session = session;
  }
  return transaction->Handler(tx);
}

TSimReply TSimServer::Download(const QByteArray& path) {
  const QString relative = QString::fromUtf8(QByteArray::fromPercentEncoding(path.mid(1)));
  const TSimDownload* download = data_.FindDownload(relative);
  if (!download) return NotFound();
  return AttachmentReply(download->ContentType, download->Content,
                         relative.section(QLatin1Char('/'), -1));
}
