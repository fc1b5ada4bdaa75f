#include "agentpay/records/PayExport.h"

#include <QFileInfo>

#include "agentpay/records/RecordLine.h"
#include "platform/codec/Gbk.h"
#include "xml/XmlFiles.h"

namespace {

// A caption as an element name: characters a name cannot hold become "_", and
// one that cannot begin a name gets "_" before it.
QByteArray ElementName(const QString& caption) {
  QString name;
  for (const QChar c : caption)
    name += c.isLetterOrNumber() || c == u'_' || c == u'-' || c == u'.' ? c : QChar(u'_');
  if (name.isEmpty() || !(name[0].isLetter() || name[0] == u'_')) name.prepend(u'_');
  return name.toUtf8();
}

}  // namespace

QByteArray PayTextFileBytes(const QStringList& lines, const TPayTemplate& payTemplate) {
  QStringList written;
  for (const QString& line : lines)
    if (!line.trimmed().isEmpty())
      written.append(LineWithEndSign(line, payTemplate.Separator(), payTemplate.IfAddEndSign));
  return codec::ToGbk(written.join(QStringLiteral("\r\n")));
}

TWorkbookData PayWorkbook(const QList<QStringList>& records) {
  TWorkbookData workbook;
  workbook.Sheets.emplace_back(QStringLiteral("Sheet1"),
                               std::vector<QStringList>(records.begin(), records.end()));
  return workbook;
}

QByteArray PayRecordsXmlBytes(const QStringList& captions, const QList<QStringList>& records) {
  std::vector<QByteArray> names;
  for (const QString& caption : captions) names.push_back(ElementName(caption));
  xml::Document doc;
  xml::Node root = doc.append_child("Templates");
  for (const QStringList& cells : records) {
    xml::Node record = root.append_child("Record");
    for (size_t c = 0; c < names.size(); ++c) {
      const QString text = qsizetype(c) < cells.size() ? cells[qsizetype(c)] : QString();
      record.append_child(names[c].constData()).text().set(text.toUtf8().constData());
    }
  }
  return xml::RegisterFileBytes(doc);
}

QString PayRecordsXmlPath(const QString& dfdkDir, const QString& exportPath) {
  return dfdkDir + u'/' + QFileInfo(exportPath).completeBaseName() + QStringLiteral(".xml");
}
