#include "platform/spreadsheet/UnstoredFormulas.h"

#include <algorithm>

#include "platform/spreadsheet/FormulaEvaluator.h"
#include "platform/spreadsheet/FormulaText.h"
#include "platform/spreadsheet/NumberText.h"

namespace spreadsheet {

using formula::TValue;

namespace {

// Formulas reading formulas are worked out one inside the other this deep at
// most; a longer chain is worked out from its far end first.
constexpr int kNesting = 16;
// Cells read by all the formulas of a workbook at most, so that a sheet of
// running totals over a hundred thousand rows does not hold the clerk up for
// minutes; formulas beyond it are left to a spreadsheet program.
constexpr qint64 kCellReads = 50'000'000;

// Thrown to work out the cell first.
struct TWorkOutFirst {
  size_t Cell;
};

// Thrown when a formula reads a cell that cannot be read.
struct TUnreadableCell {
  QString Problem;
};

QString Problem(const QString& sheet, int row, int column, const QString& what) {
  return QStringLiteral(
             "工作表“%1”的单元格 %2 中的公式用到了%3，本程序不能计算，而文件中没有保存"
             "公式的结果。请用电子表格程序打开此文件并保存一次，使结果保存在文件中，然后重试。")
      .arg(sheet, formula::CellName(row, column), what);
}

}  // namespace

class TWorkingOut : public formula::TCellValues {
 public:
  TWorkingOut(TUnstoredFormulas& formulas, const TWorkbookData& workbook)
      : formulas_(formulas), workbook_(workbook), columns_(workbook.Sheets.size(), -1) {}

  void Run() {
    for (size_t i = 0; i < formulas_.cells_.size(); ++i) Resolve(i);
  }

  TValue Value(int sheet, int row, int column) override {
    if (++reads_ > kCellReads) throw formula::TUnsupported{QStringLiteral("过多的单元格引用")};
    if (size_t(sheet) >= workbook_.Sheets.size()) return TValue::OfError("#REF!");
    const TUnstoredFormulas::TSheetCells& cells = formulas_.sheets_[size_t(sheet)];
    const quint64 key = TUnstoredFormulas::Key(row, column);
    const auto formula = cells.Formulas.find(key);
    if (formula == cells.Formulas.end()) {
      const QString text = workbook_.Sheets[size_t(sheet)].Cell(row, column);
      if (text.isEmpty()) return {};
      if (std::binary_search(cells.Values.begin(), cells.Values.end(), key))
        return formula::ValueOfCellText(text);
      return TValue::OfText(text);
    }
    TUnstoredFormulas::TCell& cell = formulas_.cells_[formula->second];
    if (cell.State == EState::Waiting) {
      if (depth_ >= kNesting) throw TWorkOutFirst{formula->second};
      Compute(formula->second);
    }
    switch (cell.State) {
      case EState::Done:
        return cell.Value;
      case EState::Unreadable:
        throw TUnreadableCell{cell.Problem};
      default:  // a formula that reads itself, through other cells or not
        return TValue::OfError("#REF!");
    }
  }

  int Rows(int sheet) override {
    return std::max(int(workbook_.Sheets[size_t(sheet)].Rows.size()),
                    formulas_.sheets_[size_t(sheet)].Rows);
  }

  int Columns(int sheet) override {
    int& columns = columns_[size_t(sheet)];
    if (columns < 0)
      columns = std::max(workbook_.Sheets[size_t(sheet)].ColumnCount(),
                         formulas_.sheets_[size_t(sheet)].Columns);
    return columns;
  }

 private:
  using EState = TUnstoredFormulas::EState;

  // Works out cell, first the cells it waits for that lie too deep.
  void Resolve(size_t cell) {
    std::vector<size_t> work{cell};
    while (!work.empty()) {
      const size_t top = work.back();
      if (formulas_.cells_[top].State != EState::Waiting) {
        work.pop_back();
        continue;
      }
      try {
        Compute(top);
        work.pop_back();
      } catch (const TWorkOutFirst& first) {
        if (std::find(work.begin(), work.end(), first.Cell) == work.end()) {
          work.push_back(first.Cell);
        } else {  // a long circle of formulas
          formulas_.cells_[first.Cell].State = EState::Done;
          formulas_.cells_[first.Cell].Value = TValue::OfError("#REF!");
        }
      }
    }
  }

  void Compute(size_t index) {
    TUnstoredFormulas::TCell& cell = formulas_.cells_[index];
    cell.State = EState::Working;
    ++depth_;
    try {
      const TValue value =
          formula::Evaluate(*cell.Formula, cell.Sheet, cell.RowShift, cell.ColumnShift, *this);
      cell.Value = value.Type == TValue::EType::Blank ? TValue::OfNumber(0) : value;
      cell.State = EState::Done;
    } catch (const formula::TUnsupported& unsupported) {
      cell.State = EState::Unreadable;
      cell.Problem = Problem(workbook_.Sheets[size_t(cell.Sheet)].Name, cell.Row, cell.Column,
                             unsupported.What);
    } catch (const TUnreadableCell& unreadable) {
      cell.State = EState::Unreadable;
      cell.Problem = unreadable.Problem;
    } catch (...) {
      cell.State = EState::Waiting;
      --depth_;
      throw;
    }
    --depth_;
  }

  TUnstoredFormulas& formulas_;
  const TWorkbookData& workbook_;
  std::vector<int> columns_;
  int depth_ = 0;
  qint64 reads_ = 0;
};

TUnstoredFormulas::TSheetCells& TUnstoredFormulas::Sheet(int sheet) {
  if (size_t(sheet) >= sheets_.size()) sheets_.resize(size_t(sheet) + 1);
  return sheets_[size_t(sheet)];
}

void TUnstoredFormulas::Add(int sheet, int row, int column,
                            std::shared_ptr<const formula::TFormula> formula, int rowShift,
                            int columnShift) {
  TSheetCells& cells = Sheet(sheet);
  const auto [at, added] = cells.Formulas.try_emplace(Key(row, column), cells_.size());
  if (!added) return;
  TCell& cell = cells_.emplace_back();
  cell.Sheet = sheet;
  cell.Row = row;
  cell.Column = column;
  cell.Formula = std::move(formula);
  cell.RowShift = rowShift;
  cell.ColumnShift = columnShift;
  cells.Rows = std::max(cells.Rows, row + 1);
  cells.Columns = std::max(cells.Columns, column + 1);
}

void TUnstoredFormulas::Add(int sheet, int row, int column, formula::TFormula formula) {
  const auto [shape, added] =
      Sheet(sheet).Shapes.try_emplace(formula::ShapeOf(formula, row, column));
  if (added)
    shape->second = {std::make_shared<const formula::TFormula>(std::move(formula)), row, column};
  Add(sheet, row, column, shape->second.Formula, row - shape->second.Row,
      column - shape->second.Column);
}

void TUnstoredFormulas::WorkOut(TWorkbookData& workbook) {
  if (cells_.empty()) return;
  sheets_.resize(std::max(sheets_.size(), workbook.Sheets.size()));
  for (TSheetCells& sheet : sheets_) std::sort(sheet.Values.begin(), sheet.Values.end());
  TWorkingOut(*this, workbook).Run();
  for (const TCell& cell : cells_) {
    TSheetData& sheet = workbook.Sheets[size_t(cell.Sheet)];
    if (cell.State == EState::Unreadable) {
      // The cell counts in the used range, and whoever takes its text
      // without asking sees no value rather than an empty cell.
      sheet.SetCell(cell.Row, cell.Column, QStringLiteral("#N/A"));
      sheet.MarkUnreadable(cell.Row, cell.Column, cell.Problem);
      continue;
    }
    sheet.SetCell(cell.Row, cell.Column, formula::TextOf(cell.Value));
    if (cell.Value.Type == TValue::EType::Number && IsInexactNumber(cell.Value.Number))
      sheet.MarkInexactNumber(cell.Row, cell.Column);
  }
}

}  // namespace spreadsheet
