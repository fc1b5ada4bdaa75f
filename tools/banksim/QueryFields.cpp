#include "QueryFields.h"

#include <QDate>

#include "UploadLines.h"
#include "platform/codec/Gbk.h"

bool ReadDateText(const QString& text, QString& date) {
  date = text.trimmed();
  return date.isEmpty() ||
         (date.size() == 8 && QDate::fromString(date, QStringLiteral("yyyyMMdd")).isValid());
}

bool ReadBound(const QString& text, std::optional<qint64>& bound) {
  if (text.trimmed().isEmpty()) return true;
  bound = ReadAmount(text);
  return bound.has_value();
}

std::optional<QString> ReadStrictText(const TFormFields& form, const QByteArray& key, bool utf8) {
  const QByteArray bytes = form.Bytes(key);
  if (utf8) {
    const QString text = codec::FromUtf8(bytes);
    if (codec::ToUtf8(text) != bytes) return std::nullopt;
    return text.trimmed();
  }
  const std::optional<QString> text = codec::FromGbkStrict(bytes);
  if (!text) return std::nullopt;
  return text->trimmed();
}

std::optional<int> ReadPage(const QString& text) {
  bool ok = false;
  const int page = text.toInt(&ok);
  if (!ok || page < 1) return std::nullopt;
  return page;
}

int PageCount(qsizetype rows, int perPage) {
  return int((rows + perPage - 1) / perPage);
}

TSimReply BadCondition(const TTxContext& tx) {
  return tx.Error(QStringLiteral("EBLN0016"), QStringLiteral("查询条件格式错误"));
}
