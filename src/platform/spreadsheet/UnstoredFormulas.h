#pragma once

#include <QString>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/spreadsheet/Formula.h"
#include "platform/spreadsheet/FormulaValue.h"
#include "platform/spreadsheet/WorkbookData.h"

namespace spreadsheet {

// Formula cells whose results the file does not hold, gathered while a
// workbook is read and worked out once every sheet is in. Sheets are counted
// as the workbook's worksheets, from 0.
class TUnstoredFormulas {
 public:
  // A formula to work out in a cell; a shared formula comes with how far the
  // cell lies from where the formula was written.
  void Add(int sheet, int row, int column, std::shared_ptr<const formula::TFormula> formula,
           int rowShift, int columnShift);
  // A formula of the cell's own; one of the same shape as an earlier one of
  // the sheet is kept once, as a shared formula is.
  void Add(int sheet, int row, int column, formula::TFormula formula);
  // A cell that holds a number, a logical or an error value rather than text
  // (text can read like those): a readers notes every such cell.
  void NoteValueCell(int sheet, int row, int column) {
    Sheet(sheet).Values.push_back(Key(row, column));
  }
  bool IsEmpty() const { return cells_.empty(); }

  // Works out every formula and puts the results into the workbook as a
  // reader gives cells; a cell it cannot work out is marked unreadable with
  // a message that names the sheet and the cell.
  void WorkOut(TWorkbookData& workbook);

 private:
  friend class TWorkingOut;
  enum class EState { Waiting, Working, Done, Unreadable };
  struct TCell {
    int Sheet = 0, Row = 0, Column = 0;
    std::shared_ptr<const formula::TFormula> Formula;
    int RowShift = 0, ColumnShift = 0;
    EState State = EState::Waiting;
    formula::TValue Value;  // when Done
    QString Problem;        // when Unreadable
  };
  struct TSheetCells {
    std::unordered_map<quint64, size_t> Formulas;  // into cells_
    std::vector<quint64> Values;                   // sorted before the working out
    int Rows = 0, Columns = 0;                     // reach of the formula cells
    struct TShape {
      std::shared_ptr<const formula::TFormula> Formula;
      int Row = 0, Column = 0;  // where it was first met
    };
    std::unordered_map<std::string, TShape> Shapes;
  };
  TSheetCells& Sheet(int sheet);
  static quint64 Key(int row, int column) { return quint64(quint32(row)) << 32 | quint32(column); }

  std::vector<TCell> cells_;
  std::vector<TSheetCells> sheets_;
};

}  // namespace spreadsheet
