#include "PayFile.h"

#include "UploadLines.h"

TPayFile ReadPayFile(const QByteArray& content, int amountField) {
  TPayFile file;
  file.Lines = UploadedLines(content);
  for (qsizetype i = 0; i < file.Lines.size(); ++i) {
    const QStringList fields = file.Lines[i].split(QLatin1Char('|'));
    const std::optional<qint64> amount =
        amountField <= fields.size() ? ReadAmount(fields[amountField - 1]) : std::nullopt;
    if (!amount) {
      if (file.ErrorLine == 0) file.ErrorLine = int(i) + 1;
      continue;
    }
    file.Amount += *amount;
  }
  return file;
}
