#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "session/transport/GetData.h"
#include "session/transport/TempWbFm.h"
#include "session/transport/WebDownloader.h"
#include "xml/XmlNodes.h"

namespace {

const char* const kCertificateErrorCode = "0130Z1108005";

// The text of the first child of ERRORLIST, trimmed, without tabs, ending in "。".
std::optional<QString> ErrorMessage(const pugi::xml_node& error) {
  const pugi::xml_node first = error.child("ERRORLIST").first_child();
  if (!first) return std::nullopt;
  QString message = xml::TrimControls(DocumentTextContent(first));
  message.remove(QLatin1Char('\t'));
  const QString fullStop = QStringLiteral("。");
  if (!message.endsWith(fullStop)) message += fullStop;
  return message;
}

QString ErrorDetail(const pugi::xml_node& error) {
  if (DocumentTextContent(error).contains(QLatin1String(kCertificateErrorCode))) {
    return QStringLiteral("证书不正确，请重新登录！");
  }
  const pugi::xml_node code = error.child("ERRORCODE");
  const std::optional<QString> message = ErrorMessage(error);
  if (!code || !message) return {};
  return QStringLiteral("\r") + *message + QStringLiteral("(") + DocumentTextContent(code) +
         QStringLiteral(")");
}

// Replies come from outside: the text is gathered without recursion, so that
// no nesting can exhaust the stack, and only so much of it is kept.
constexpr size_t kTextContentLimit = 1 << 20;

void AppendTextContent(const pugi::xml_node& top, std::string& out) {
  pugi::xml_node node = top;
  while (node && out.size() < kTextContentLimit) {
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
      out.append(node.value(), std::min(std::strlen(node.value()), kTextContentLimit - out.size()));
    } else if (node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node != top && !node.next_sibling()) node = node.parent();
    if (node == top) break;
    node = node.next_sibling();
  }
}

}  // namespace

void TGetData::Send(RSend2Srv& srv) {
  TWebDownloader downloader(TTempWbFm::Current());
  try {
    downloader.PostAndWait(srv.Url, srv.PostData, srv.Headers);
    srv.Response = downloader.GetReplyText();
  } catch (const std::exception&) {
    throw MakeTransportError(downloader.GetReplyText());
  }
  if (downloader.TransportFailed()) throw MakeTransportError(srv.Response);
}

QString TGetData::Post(const QString& url, QByteArrayView body, const QString& headers) {
  RSend2Srv srv;
  srv.Url = url;
  srv.Headers = headers;
  srv.PostData = QByteArray::fromRawData(body.data(), body.size());  // not a copy
  Send(srv);
  return srv.Response;
}

bool TGetData::CheckReply(const pugi::xml_document& doc) {
  const pugi::xml_node root = doc.child("ROOT");
  if (!root) throw MakeTransportError(DocumentTextContent(doc));
  const pugi::xml_node error = root.child("ERROR");
  if (!error) return false;
  throw EResponseError(QStringLiteral("信息提示\r") + ErrorDetail(error));
}

EResponseError TGetData::MakeTransportError(const QString& text) {
  if (text.contains(QStringLiteral("两次提交时间间隔太短"))) {
    return EResponseError(QStringLiteral("用户两次提交时间间隔太短，请稍后提交！"));
  }
  if (text.contains(QStringLiteral("无法显示")) ||
      text.contains(QLatin1String("503Service Unavailable"))) {
    return EResponseError(QStringLiteral(
        "返回信息为服务器暂时不能访问,原因可能是网银服务器忙或网络故障,请稍后再试!"));
  }
  return EResponseError(QStringLiteral("网络通讯故障，请稍后再试！"));
}

void LoadReply(pugi::xml_document& doc, const QString& text) {
  doc.reset();
  // The text is already decoded: whatever encoding its declaration names, the
  // parser reads the UTF-8 form.
  const QByteArray utf8 = text.toUtf8();
  const pugi::xml_parse_result result = doc.load_buffer(utf8.constData(), size_t(utf8.size()),
                                                        pugi::parse_default, pugi::encoding_utf8);
  if (!result) doc.reset();
}

QString DocumentTextContent(const pugi::xml_node& node) {
  std::string text;
  AppendTextContent(node, text);
  return QString::fromStdString(text);
}

QString RequiredText(const pugi::xml_node& parent, const char* name) {
  const pugi::xml_node child = parent.child(name);
  if (!child) throw EResponseError(QStringLiteral("服务器返回信息不完整，请稍后再试！"));
  return xml::TrimControls(DocumentTextContent(child));
}

int RequiredNumber(const pugi::xml_node& parent, const char* name) {
  const QString text = RequiredText(parent, name);
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok)
    throw EResponseError(
        QStringLiteral("服务器返回的%1“%2”不是整数。").arg(QString::fromLatin1(name), text));
  return value;
}

QString OptionalText(const pugi::xml_node& parent, const char* name) {
  const pugi::xml_node child = parent.child(name);
  return child ? xml::TrimControls(DocumentTextContent(child)) : QString();
}

pugi::xml_node ReplyRoot(const pugi::xml_document& doc) {
  return doc.child("ROOT");
}
