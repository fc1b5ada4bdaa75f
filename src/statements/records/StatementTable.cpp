#include "statements/records/StatementTable.h"

#include <stdexcept>

#include "core/TextHelpers.h"
#include "statements/records/RecordOrder.h"

namespace {

constexpr char16_t kAscending = u'▲';
constexpr char16_t kDescending = u'▼';

std::invalid_argument FieldError(const char* what, const QString& name) {
  return std::invalid_argument(std::string(what) + ": " + name.toStdString());
}

}  // namespace

StatementTable::StatementTable(const TRowKind& kind) : kind_(kind) {
  for (const TStatementField& field : kind_.Fields) {
    TSlot slot;
    if (field.Type != TFieldType::Amount) slot.Text = textSlots_++;
    if (field.Type != TFieldType::Text) slot.Amount = amountSlots_++;
    slots_.push_back(slot);
  }
  for (const TGridColumn& column : kind_.Columns) {
    columnFields_.push_back(FieldIndex(column.Field));
    captions_.append(column.Caption);
  }
}

int StatementTable::FieldIndex(const QString& name) const {
  const int index = kind_.FieldIndex(name);
  if (index < 0) throw FieldError("no statement field", name);
  return index;
}

void StatementTable::Empty() {
  texts_.clear();
  ends_.clear();
  amounts_.clear();
  current_ = -1;
  selection_.Clear();
  orderValid_ = false;
}

void StatementTable::Append() {
  texts_.emplace_back();
  ends_.resize(ends_.size() + size_t(textSlots_), 0);
  amounts_.resize(amounts_.size() + size_t(amountSlots_));
  current_ = RowCount() - 1;
  orderValid_ = false;
}

void StatementTable::AppendRow(std::span<const QStringView> texts) {
  if (texts.size() != size_t(kind_.Fields.size()))
    throw std::invalid_argument("a statement row needs a text for every field");
  qsizetype length = 0;
  for (size_t i = 0; i < texts.size(); ++i)
    if (slots_[i].Text >= 0) length += texts[i].size();
  QString row;
  row.reserve(length);
  for (size_t i = 0; i < texts.size(); ++i) {
    if (slots_[i].Text >= 0) {
      row.append(texts[i]);
      ends_.push_back(quint32(row.size()));
    }
    if (slots_[i].Amount >= 0) amounts_.push_back(TAmount::Parse(texts[i]));
  }
  texts_.push_back(std::move(row));
  current_ = RowCount() - 1;
  orderValid_ = false;
}

void StatementTable::First() {
  current_ = RowCount() > 0 ? RecordAt(0) - 1 : -1;
}

bool StatementTable::Next() {
  if (current_ < 0) return false;
  const int next = VisibleRowOf(RecNo()) + 1;
  if (next >= RowCount()) return false;
  current_ = RecordAt(next) - 1;
  return true;
}

bool StatementTable::MoveTo(int recNo) {
  if (recNo < 1 || recNo > RowCount()) return false;
  current_ = recNo - 1;
  return true;
}

void StatementTable::SetText(const QString& field, QStringView text) {
  const int record = Current();
  const TSlot& slot = slots_[size_t(FieldIndex(field))];
  if (slot.Text < 0) throw FieldError("an amount field set as text", field);
  ReplaceText(record, slot.Text, text);
  if (slot.Amount >= 0) AmountOf(record, slot.Amount) = TAmount::Parse(text);
  orderValid_ = false;
}

void StatementTable::SetAmount(const QString& field, TAmount amount) {
  const int record = Current();
  const TSlot& slot = slots_[size_t(FieldIndex(field))];
  if (slot.Text >= 0) throw FieldError("a text field set as an amount", field);
  AmountOf(record, slot.Amount) = amount;
  orderValid_ = false;
}

QString StatementTable::Text(const QString& field) const {
  const int index = FieldIndex(field);
  return current_ < 0 ? QString() : Text(RecNo(), index);
}

QString StatementTable::Text(int recNo, const QString& field) const {
  return Text(recNo, FieldIndex(field));
}

QString StatementTable::Text(int recNo, int field) const {
  const int record = Record(recNo);
  const TSlot& slot = slots_.at(size_t(field));
  if (slot.Text >= 0) return TextView(record, slot.Text).toString();
  const std::optional<TAmount>& amount = AmountOf(record, slot.Amount);
  return amount ? FixTwoDecimals(amount->ToText()) : QString();
}

std::optional<TAmount> StatementTable::Amount(int recNo, const QString& field) const {
  const int index = FieldIndex(field);
  if (slots_[size_t(index)].Amount < 0) throw FieldError("a text field read as an amount", field);
  return Amount(recNo, index);
}

std::optional<TAmount> StatementTable::Amount(int recNo, int field) const {
  const int record = Record(recNo);
  const TSlot& slot = slots_.at(size_t(field));
  if (slot.Amount < 0) return std::nullopt;
  return AmountOf(record, slot.Amount);
}

QString StatementTable::CellText(int visibleRow, int column) const {
  return Text(RecordAt(visibleRow), columnFields_.at(size_t(column)));
}

int StatementTable::RecordAt(int visibleRow) const {
  if (visibleRow < 0 || visibleRow >= RowCount())
    throw std::out_of_range("no visible statement row " + std::to_string(visibleRow));
  return (sortField_ < 0 ? visibleRow : Order()[size_t(visibleRow)]) + 1;
}

int StatementTable::VisibleRowOf(int recNo) const {
  const int record = Record(recNo);
  if (sortField_ < 0) return record;
  Order();
  return positions_[size_t(record)];
}

void StatementTable::SortByColumn(int column) {
  const int field = columnFields_.at(size_t(column));
  for (QString& caption : captions_)
    if (caption.startsWith(kAscending) || caption.startsWith(kDescending)) caption.remove(0, 1);
  const QString& name = kind_.Fields[field].Name;
  descending_ = sortField_ >= 0 && !descending_;
  if (descending_ && !indexNames_.contains(u'i' + name)) indexNames_.append(u'i' + name);
  captions_[column] = (descending_ ? kDescending : kAscending) + name;
  sortField_ = field;
  orderValid_ = false;
}

int StatementTable::Record(int recNo) const {
  if (recNo < 1 || recNo > RowCount())
    throw std::out_of_range("no statement record " + std::to_string(recNo));
  return recNo - 1;
}

int StatementTable::Current() const {
  if (current_ < 0) throw std::logic_error("the statement table has no current row");
  return current_;
}

std::optional<TAmount>& StatementTable::AmountOf(int record, int amountSlot) {
  return amounts_[size_t(record) * size_t(amountSlots_) + size_t(amountSlot)];
}

const std::optional<TAmount>& StatementTable::AmountOf(int record, int amountSlot) const {
  return amounts_[size_t(record) * size_t(amountSlots_) + size_t(amountSlot)];
}

QStringView StatementTable::TextView(int record, int textSlot) const {
  const size_t at = size_t(record) * size_t(textSlots_) + size_t(textSlot);
  const quint32 begin = textSlot == 0 ? 0 : ends_[at - 1];
  return QStringView(texts_[size_t(record)]).sliced(begin, ends_[at] - begin);
}

void StatementTable::ReplaceText(int record, int textSlot, QStringView text) {
  const size_t first = size_t(record) * size_t(textSlots_);
  const size_t at = first + size_t(textSlot);
  const quint32 begin = textSlot == 0 ? 0 : ends_[at - 1];
  const quint32 end = ends_[at];
  texts_[size_t(record)].replace(begin, end - begin, text.toString());
  const qint64 delta = text.size() - qint64(end - begin);
  for (size_t s = at; s < first + size_t(textSlots_); ++s) ends_[s] = quint32(ends_[s] + delta);
}

const std::vector<int>& StatementTable::Order() const {
  if (!orderValid_) SortRecords();
  return order_;
}

void StatementTable::SortRecords() const {
  const TSlot& slot = slots_[size_t(sortField_)];
  if (kind_.Fields[sortField_].Type == TFieldType::Text) {
    order_ = OrderByText(
        RowCount(), [this, &slot](int record) { return TextView(record, slot.Text); }, descending_);
  } else {
    order_ = OrderByAmount(
        RowCount(), [this, &slot](int record) { return AmountOf(record, slot.Amount); },
        descending_);
  }
  positions_.assign(order_.size(), 0);
  for (size_t i = 0; i < order_.size(); ++i) positions_[size_t(order_[i])] = int(i);
  orderValid_ = true;
}
