#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// How the transport reads the bytes and headers of one reply.
namespace reply {

// The charset named by a Content-Type header value ("text/xml; charset=GBK" ->
// "GBK"), without quotes; empty when none is named.
QByteArray HeaderCharset(const QByteArray& contentType);

// The encoding named by the XML declaration at the start of the bytes; empty
// when there is none. UTF-16 bytes without a byte order mark are recognised by
// the declaration's own layout and named "UTF-16LE" or "UTF-16BE".
QByteArray DeclaredEncoding(const QByteArray& body);

// The reply body as text. A byte order mark decides first, then the charset of
// the Content-Type header, then the XML declaration, then GBK. "GB2312", "GBK",
// "GB18030", "CP936" and unknown names read as GBK; "UTF-8"; "UTF-16" (and
// "unicode", "UTF-16LE", "UTF-16BE"); "ISO-8859-1", "US-ASCII" as Latin-1.
QString DecodeBody(const QByteArray& body, const QByteArray& contentType);

// A reply that is a file to be saved rather than a page: Content-Disposition
// "attachment", or a Content-Type that is neither text/* nor an XML type. A
// reply without Content-Type is a page.
bool IsFile(const QByteArray& contentType, const QByteArray& contentDisposition);

// The name to offer when saving a file reply: the Content-Disposition file name
// (filename*= preferred), else the last segment of the URL path, reduced to a
// plain file name without directories; "download" when nothing usable is left.
QString SuggestedFileName(const QByteArray& contentDisposition, const QUrl& url);

// A name reduced to its last component, with "/" and "\" both taken as
// separators; characters that no file name may hold become "_".
QString PlainFileName(const QString& name);

// The page the document holds when no reply arrived because the connection
// failed: a well-formed page whose text says the page cannot be displayed.
QString UnreachablePage(const QString& reason);

}  // namespace reply
