#include "ResultQuery.h"

#include <QDate>
#include <algorithm>

#include "UploadLines.h"

namespace {

bool ReadDate(const QString& text, QString& date) {
  date = text.trimmed();
  return date.isEmpty() ||
         (date.size() == 8 && QDate::fromString(date, QStringLiteral("yyyyMMdd")).isValid());
}

bool ReadBound(const QString& text, std::optional<qint64>& bound) {
  if (text.trimmed().isEmpty()) return true;
  bound = ReadAmount(text);
  return bound.has_value();
}

}  // namespace

bool TResultFilter::Fits(const TResultDocument& document) const {
  const QString made = document.MadeAt.toString(QStringLiteral("yyyyMMdd"));
  const qint64 amount = ResultTotals(document, {}).Amount;
  return document.Mode == Mode && (!StateFits || StateFits(document.State)) &&
         (FromDate.isEmpty() || made >= FromDate) && (ToDate.isEmpty() || made <= ToDate) &&
         (!Low || amount >= *Low) && (!High || amount <= *High) &&
         (Number.isEmpty() || document.Number == Number) &&
         (AccNo.isEmpty() || document.Item.AccNo == AccNo) &&
         (ItemId.isEmpty() || document.Item.Id == ItemId);
}

std::optional<TResultFilter> ReadConditions(const TFormFields& form, const TConditionKeys& keys) {
  TResultFilter filter;
  if (!ReadDate(form.Text(keys.FromDate), filter.FromDate) ||
      !ReadDate(form.Text(keys.ToDate), filter.ToDate) ||
      !ReadBound(form.Text(keys.Low), filter.Low) ||
      !ReadBound(form.Text(keys.High), filter.High)) {
    return std::nullopt;
  }
  filter.Number = form.Text(keys.Number).trimmed();
  filter.AccNo = form.Text(keys.AccNo).trimmed();
  return filter;
}

std::optional<TResultPage> QueryPage(const QList<TResultDocument>& documents,
                                     const TResultFilter& filter, const QString& page) {
  bool ok = false;
  const int asked = page.toInt(&ok);
  if (!ok || asked < 1) return std::nullopt;
  QList<TResultDocument> fitting;
  for (const TResultDocument& document : documents) {
    if (filter.Fits(document)) fitting.append(document);
  }
  TResultPage result;
  result.Pages = int((fitting.size() + kDocumentsPerPage - 1) / kDocumentsPerPage);
  result.Page = std::min(asked, std::max(result.Pages, 1));
  result.Documents = fitting.mid((result.Page - 1) * kDocumentsPerPage, kDocumentsPerPage);
  return result;
}

TSimReply BadCondition(const TTxContext& tx) {
  return tx.Error(QStringLiteral("EBLN0016"), QStringLiteral("查询条件格式错误"));
}
