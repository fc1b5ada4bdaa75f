#include "Reply.h"

#include "platform/codec/Gbk.h"

namespace {

void Write(const TXmlElement& element, QString& out) {
  out += QLatin1Char('<') + element.Name + QLatin1Char('>');
  if (element.Children.isEmpty()) {
    out += element.Text.toHtmlEscaped();
  } else {
    for (const TXmlElement& child : element.Children) Write(child, out);
  }
  out += QStringLiteral("</") + element.Name + QLatin1Char('>');
}

}  // namespace

TXmlElement& TXmlElement::Add(const QString& name, const QString& text) {
  Children.append({name, text, {}});
  return Children.last();
}

TSimReply XmlReply(const TXmlElement& root, TReplyEncoding encoding) {
  const bool utf8 = encoding == TReplyEncoding::Utf8;
  QString document = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n")
                         .arg(utf8 ? QStringLiteral("UTF-8") : QStringLiteral("GBK"));
  Write(root, document);
  TSimReply reply;
  reply.ContentType = utf8 ? "text/xml; charset=UTF-8" : "text/xml; charset=GBK";
  reply.Body = utf8 ? codec::ToUtf8(document) : codec::ToGbk(document);
  return reply;
}

TSimReply ErrorReply(const QString& code, const QString& message, TReplyEncoding encoding) {
  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  TXmlElement& error = root.Add(QStringLiteral("ERROR"));
  error.Add(QStringLiteral("ERRORCODE"), code);
  error.Add(QStringLiteral("ERRORLIST")).Add(QStringLiteral("ERRORMSG"), message);
  return XmlReply(root, encoding);
}

TSimReply HtmlReply(int status, const QString& html) {
  TSimReply reply;
  reply.Status = status;
  reply.ContentType = "text/html; charset=GBK";
  reply.Body = codec::ToGbk(html);
  return reply;
}

TSimReply MissingFileReply() {
  return HtmlReply(200, QStringLiteral("<html><head><title>提示信息</title></head><body>"
                                       "<h3>提示信息</h3><p>您要下载的文件不存在。</p>"
                                       "</body></html>"));
}

TSimReply AttachmentReply(const QByteArray& contentType, const QByteArray& content,
                          const QString& fileName) {
  TSimReply reply;
  reply.ContentType = contentType;
  reply.Body = content;
  reply.Headers.append(
      {"Content-Disposition", "attachment; filename=\"" + fileName.toUtf8() + '"'});
  return reply;
}
