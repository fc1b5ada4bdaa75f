#include <QUrl>

#include "FuzzInput.h"
#include "session/transport/GetData.h"
#include "session/transport/ReplyBody.h"

// Reads the bytes as a reply of the bank: the first line as its Content-Type
// and Content-Disposition headers, the rest as its body, decoded, loaded and
// checked as every exchange does. An error reply may only end in EResponseError.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray input = FuzzBytes(data, size);
  const qsizetype lineEnd = input.indexOf('\n');
  const QByteArray header = lineEnd < 0 ? QByteArray() : input.left(lineEnd);
  const QByteArray body = input.mid(lineEnd + 1);

  reply::IsFile(header, header);
  reply::SuggestedFileName(header, QUrl(QStringLiteral("http://bank.test/NNVX/file.txt")));
  reply::DeclaredEncoding(body);
  const QString text = reply::DecodeBody(body, header);

  pugi::xml_document doc;
  LoadReply(doc, text);
  try {
    TGetData::CheckReply(doc);
    RequiredText(ReplyRoot(doc), "OPENTYPE");
  } catch (const EResponseError&) {
  }
  return 0;
}
