#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class TPrompts;

// How a cell is compared with the search text: "起始串" the cell begins with
// it (compared on GBK bytes), "包含" the cell contains it, "精确匹配" the cell
// is exactly it.
enum class TMatchMode { Start, Contains, Exact };

// The names of the modes in the order of TMatchMode, as the search dialog lists them.
QStringList MatchModeTexts();

// The rows of the search column as a search sees them.
struct TSearchRows {
  int Count = 0;
  int Current = -1;  // -1: no current row
  std::function<QString(int row)> CellText;
};

// The search state of one grid and the two searches. A search answers the row
// to make current; it tells the clerk itself (through the prompts) when nothing
// was found and asks before starting again from the first row.
class TGridSearch {
 public:
  const QString& Text() const { return text_; }
  // -1 until the clerk has chosen a column.
  int Column() const { return column_; }
  TMatchMode Mode() const { return mode_; }
  bool Wrapped() const { return wrapped_; }
  bool Found() const { return found_; }

  // New criteria from the dialog; the wrapped and found flags start afresh.
  void Confirm(const QString& text, int column, TMatchMode mode);

  // Empty cells never match.
  bool Matches(const QString& cell) const;

  // From the current row on (the current row included), once more from the
  // first row when the end is reached.
  std::optional<int> Find(const TSearchRows& rows, TPrompts& prompts);
  // From the row after the current one; at the end, asks whether to go on
  // from the first row, or says that nothing was found after a fruitless wrap.
  std::optional<int> FindNext(const TSearchRows& rows, TPrompts& prompts);

 private:
  std::optional<int> Scan(const TSearchRows& rows, int from);
  bool MayStartAgain(TPrompts& prompts);

  QString text_;
  QByteArray textGbk_;
  int column_ = -1;
  TMatchMode mode_ = TMatchMode::Contains;
  bool wrapped_ = false;
  bool found_ = false;
};
