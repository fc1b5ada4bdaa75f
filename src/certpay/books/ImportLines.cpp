#include "certpay/books/ImportLines.h"

#include "core/TextHelpers.h"
#include "platform/codec/Gbk.h"
#include "xml/XmlNodes.h"

QStringList ImportLines(const QByteArray& fileBytes, int skipped) {
  const QStringList all = TextLines(codec::FromGbk(fileBytes));
  QStringList lines;
  for (qsizetype i = skipped; i < all.size(); ++i) {
    QString line = xml::TrimControls(all[i]);
    if (line.isEmpty()) break;
    lines << std::move(line);
  }
  return lines;
}
