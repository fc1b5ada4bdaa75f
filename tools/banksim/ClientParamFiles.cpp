#include "ClientParamFiles.h"

#include <archive.h>
#include <archive_entry.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "agentpay/records/PayTemplate.h"
#include "platform/files/AtomicFile.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "registers/books/RegisterWorkbook.h"

namespace {

struct TArchiveCloser {
  void operator()(archive* a) const { archive_write_free(a); }
};

la_ssize_t AppendTo(archive*, void* data, const void* buffer, size_t length) {
  static_cast<QByteArray*>(data)->append(static_cast<const char*>(buffer), qsizetype(length));
  return la_ssize_t(length);
}

}  // namespace

QByteArray RegisterTemplateWorkbook(bool payer) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("template.xls"));
  const TSpreadsheetStarter start = &TSpreadsheetApp::Start;
  if (payer)
    ExportPayersWorkbook(TOwningList<TPayerInfo>(), path, start);
  else
    ExportPayeesWorkbook(TOwningList<TPayeeInfo>(), path, start);
  return ReadWholeFile(path).value_or(QByteArray());
}

QByteArray CodeFilePackage() {
  QByteArray package;
  std::unique_ptr<archive, TArchiveCloser> writer(archive_write_new());
  archive_write_set_format_ustar(writer.get());
  archive_write_add_filter_gzip(writer.get());
  archive_write_open(writer.get(), &package, nullptr, AppendTo, nullptr);
  for (const char* name : {"AREACODE.TXT", "OTHERBANKCODE.TXT", "UBANKCODE.TXT"}) {
    QFile file(QStringLiteral(":/banksim/codefiles/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QByteArray text = file.readAll();
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, (QByteArray("zhlhh_unload/") + name).constData());
    archive_entry_set_size(entry, text.size());
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    archive_write_header(writer.get(), entry);
    archive_write_data(writer.get(), text.constData(), size_t(text.size()));
    archive_entry_free(entry);
  }
  archive_write_close(writer.get());
  return package;
}

QByteArray PayTemplateFile(const TSimPayItem& item) {
  TPayTemplate payTemplate;
  payTemplate.Money = 3;
  payTemplate.Columns = {{QStringLiteral("收款账号"), 1},
                         {QStringLiteral("姓名"), 2},
                         {QStringLiteral("金额"), item.AmountField},
                         {QStringLiteral("备注"), item.AmountField == 4 ? 3 : 4}};
  return TemplateFileBytes(payTemplate);
}
