#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// An element of a reply document: a name with either text or children.
struct TXmlElement {
  QString Name;
  QString Text;
  QList<TXmlElement> Children;

  // Appends a child and returns it, so that lists can be filled in place.
  TXmlElement& Add(const QString& name, const QString& text = {});
};

enum class TReplyEncoding { Gbk, Utf8 };

// One HTTP answer as the simulator sends it.
struct TSimReply {
  int Status = 200;
  QByteArray ContentType;
  QByteArray Body;
  QList<QPair<QByteArray, QByteArray>> Headers;
};

// `<?xml version="1.0" encoding="GBK"?>` and the document, as GBK bytes with the
// charset in the Content-Type (or all of it in UTF-8).
TSimReply XmlReply(const TXmlElement& root, TReplyEncoding encoding);
// ROOT/ERROR with ERRORCODE and an ERRORLIST whose first child holds the message.
TSimReply ErrorReply(const QString& code, const QString& message, TReplyEncoding encoding);
// An HTML page in GBK.
TSimReply HtmlReply(int status, const QString& html);
// The notice page ("提示信息") the bank answers a request for a file it does not have.
TSimReply MissingFileReply();
// A file to be saved under that name (Content-Disposition "attachment").
TSimReply AttachmentReply(const QByteArray& contentType, const QByteArray& content,
                          const QString& fileName);
