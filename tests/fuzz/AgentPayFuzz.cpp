#include "FuzzInput.h"
#include "agentpay/records/PayImport.h"
#include "agentpay/records/PayTemplate.h"
#include "agentpay/records/RecordLine.h"
#include "platform/codec/Gbk.h"
#include "xml/XmlFiles.h"

// Reads the bytes as a salary or collection template file, and as the lines of
// a delimited text file imported through the template read (or else one of
// three columns). A template read must write a file that reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = FuzzBytes(data, size);
  TPayTemplate payTemplate;
  payTemplate.Money = 3;
  payTemplate.Columns = {
      {QStringLiteral("户名"), 2}, {QStringLiteral("账号"), 1}, {QStringLiteral("金额"), 3}};
  xml::Document doc;
  if (xml::ParseRegisterBytes(FromDeclaration(bytes), doc)) {
    if (const std::optional<TPayTemplate> read = ReadTemplate(doc)) {
      xml::Document written;
      FuzzRequire(xml::ParseRegisterBytes(TemplateFileBytes(*read), written) &&
                      ReadTemplate(written) == read,
                  "a template read writes a file that reads back the same");
      payTemplate = *read;
    }
  }

  const QStringList lines = codec::FromGbk(bytes).split(u'\n');
  const QString separator = payTemplate.Separator();
  const TPayImport imported =
      ImportTextLines(lines, 1, int(lines.size()), payTemplate.ListSeparator, payTemplate);
  for (const QString& line : imported.Lines) SplitRecordLine(line, separator);
  return 0;
}
