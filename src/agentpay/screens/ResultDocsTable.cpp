#include "agentpay/screens/ResultDocsTable.h"

#include <algorithm>
#include <array>

#include "core/Amount.h"

namespace {

const std::array<const char*, 11> kCaptions = {
    "凭证号码",       "项目",     "用途",     "代发代扣文件名", "总金额（元）", "总笔数",
    "成功金额（元）", "成功笔数", "票据状态", "制单时间",       "可下载内容"};

bool IsNumberColumn(int column) {
  return column >= 4 && column <= 7;
}

}  // namespace

void TResultDocsTable::SetDocs(QList<TPayResultDoc> docs) {
  docs_ = std::move(docs);
  sortColumn_ = -1;
  descending_ = false;
}

int TResultDocsTable::ColumnCount() {
  return int(kCaptions.size());
}

QString TResultDocsTable::CellText(const TPayResultDoc& doc, int column) {
  switch (column) {
    case 0:
      return doc.CreditNo;
    case 1:
      return doc.Item;
    case 2:
      return doc.Use;
    case 3:
      return doc.FileName;
    case 4:
      return doc.TotalAmount;
    case 5:
      return doc.TotalNum;
    case 6:
      return doc.SuccAmount;
    case 7:
      return doc.SuccNum;
    case 8:
      return doc.StateText;
    case 9:
      return doc.MadeAt;
    case 10:
      return doc.Contents;
    default:
      return {};
  }
}

QStringList TResultDocsTable::Captions() const {
  QStringList captions;
  for (int column = 0; column < ColumnCount(); ++column) {
    QString caption = QString::fromUtf8(kCaptions[std::size_t(column)]);
    if (column == sortColumn_) caption.prepend(descending_ ? u'▼' : u'▲');
    captions << caption;
  }
  return captions;
}

void TResultDocsTable::SortBy(int column) {
  if (column < 0 || column >= ColumnCount()) return;
  descending_ = sortColumn_ >= 0 && !descending_;
  sortColumn_ = column;
  const auto before = [column](const TPayResultDoc& a, const TPayResultDoc& b) {
    const QString left = CellText(a, column);
    const QString right = CellText(b, column);
    if (IsNumberColumn(column)) {
      const TAmount zero;
      return TAmount::Parse(left).value_or(zero) < TAmount::Parse(right).value_or(zero);
    }
    return left < right;
  };
  if (descending_)
    std::stable_sort(docs_.begin(), docs_.end(),
                     [&](const TPayResultDoc& a, const TPayResultDoc& b) { return before(b, a); });
  else
    std::stable_sort(docs_.begin(), docs_.end(), before);
}
