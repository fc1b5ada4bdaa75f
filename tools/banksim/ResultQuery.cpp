#include "ResultQuery.h"

#include <algorithm>

#include "QueryFields.h"

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
  if (!ReadDateText(form.Text(keys.FromDate), filter.FromDate) ||
      !ReadDateText(form.Text(keys.ToDate), filter.ToDate) ||
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
  const std::optional<int> asked = ReadPage(page);
  if (!asked) return std::nullopt;
  QList<TResultDocument> fitting;
  for (const TResultDocument& document : documents) {
    if (filter.Fits(document)) fitting.append(document);
  }
  TResultPage result;
  result.Pages = PageCount(fitting.size(), kDocumentsPerPage);
  result.Page = std::min(*asked, std::max(result.Pages, 1));
  result.Documents = fitting.mid((result.Page - 1) * kDocumentsPerPage, kDocumentsPerPage);
  return result;
}
