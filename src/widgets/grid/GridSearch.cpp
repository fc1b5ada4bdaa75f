#include "widgets/grid/GridSearch.h"

#include "platform/codec/Gbk.h"
#include "platform/prompts/Prompts.h"

namespace {

void TellNothingFound(TPrompts& prompts) {
  prompts.Info(TPrompts::kSystemCaption, QStringLiteral("没有查到符合条件的记录"));
}

}  // namespace

QStringList MatchModeTexts() {
  return {QStringLiteral("起始串"), QStringLiteral("包含"), QStringLiteral("精确匹配")};
}

void TGridSearch::Confirm(const QString& text, int column, TMatchMode mode) {
  text_ = text;
  textGbk_ = codec::ToGbk(text);
  column_ = column;
  mode_ = mode;
  wrapped_ = false;
  found_ = false;
}

bool TGridSearch::Matches(const QString& cell) const {
  if (cell.isEmpty()) return false;
  switch (mode_) {
    case TMatchMode::Start:
      // Every character takes at least one byte, so this many characters
      // cover the bytes to compare.
      return codec::ToGbk(QStringView(cell).left(textGbk_.size())).startsWith(textGbk_);
    case TMatchMode::Contains:
      return cell.contains(text_);
    case TMatchMode::Exact:
      return cell == text_;
  }
  return false;
}

std::optional<int> TGridSearch::Scan(const TSearchRows& rows, int from) {
  for (int row = qMax(from, 0); row < rows.Count; ++row) {
    if (Matches(rows.CellText(row))) {
      found_ = true;
      return row;
    }
  }
  return std::nullopt;
}

std::optional<int> TGridSearch::Find(const TSearchRows& rows, TPrompts& prompts) {
  int from = rows.Current;
  for (;;) {
    if (const std::optional<int> row = Scan(rows, from)) return row;
    if (wrapped_) {
      TellNothingFound(prompts);
      return std::nullopt;
    }
    wrapped_ = true;
    from = 0;
  }
}

bool TGridSearch::MayStartAgain(TPrompts& prompts) {
  if (wrapped_ && !found_) {
    TellNothingFound(prompts);
    return false;
  }
  const auto answer = prompts.Message(QMessageBox::Question, TPrompts::kSystemCaption,
                                      QStringLiteral("已经到最后一条,是否从第一条开始查询?"),
                                      QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
  if (answer != QMessageBox::Ok) return false;
  wrapped_ = true;
  return true;
}

std::optional<int> TGridSearch::FindNext(const TSearchRows& rows, TPrompts& prompts) {
  if (text_.isEmpty()) return std::nullopt;
  int from = rows.Current + 1;
  if (rows.Current >= rows.Count - 1) {
    if (!MayStartAgain(prompts)) return std::nullopt;
    from = 0;
  }
  for (;;) {
    if (const std::optional<int> row = Scan(rows, from)) return row;
    if (!MayStartAgain(prompts)) return std::nullopt;
    from = 0;
  }
}
