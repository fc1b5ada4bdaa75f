#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "registers/books/RegisterWorkbook.h"
#include "shell/FormOriginal.h"
#include "shell/OwningList.h"
#include "shell/grid/MapleColumn.h"
#include "shell/grid/MapleGrid.h"

class QLabel;
class QPushButton;
class TDataMain;
class TPayerInfo;
class TPayeeInfo;

// The frame shared by the register screens: a heading, a row of command
// buttons and the grid of the register. The screen answers how many entries
// there are and what each cell shows; the frame numbers the rows ("序号"),
// enables the commands and redraws after every change.
class TRegisterBook : public TFormOriginal {
  Q_OBJECT
 public:
  TMapleGrid& Grid() const { return *grid_; }

 public Q_SLOTS:
  virtual void btnEditClick() = 0;
  void btnFindClick();
  void btnFindNextClick();

 protected:
  TRegisterBook(TDataMain& data, const QString& caption, const QString& heading, QWidget* parent);

  TDataMain& Data() const { return data_; }

  // "序号" first: the frame fills that column with the row numbers.
  void SetColumns(const QList<TColumnSpec>& columns);
  // A command button, appended to the row. Unless alwaysEnabled it works only
  // while the register holds entries.
  QPushButton* AddCommand(const QString& name, const QString& caption,
                          std::function<void()> command, bool alwaysEnabled = false);

  virtual int EntryCount() const = 0;
  // Text of a data column (1 and up) of entry row.
  virtual QString EntryText(int col, int row) const = 0;
  virtual void RemoveEntries(int first, int last) = 0;
  // Writes the register's file; throws TFileError.
  virtual void SaveEntries() const = 0;

  // Asks the question (OK/Cancel); on OK removes the selected entries
  // (all of them when clearAll) and saves.
  void DeleteEntries(const QString& question, bool clearAll);
  // Saves, reporting a failure, and redraws. False when the save failed.
  bool SaveAndRefresh();

  // The row count, the enabled commands and the cells, after any change.
  void Refresh();
  // The current entry, or -1 when the register is empty.
  int CurrentEntry() const;
  void MakeCurrent(int row);
  // The selected entries, first and last; First is -1 when there are none.
  TRowRange SelectedEntries() const;

  // An OK/Cancel question captioned "系统提示"; true for OK.
  static bool Confirm(const QString& question);
  // Runs the save; a file that cannot be written is reported in an error box.
  // False when it failed.
  static bool SaveReported(const std::function<void()>& save);

  // The file chosen to import from; empty when cancelled.
  static QString AskImportFile();
  // The file chosen to export to; empty when cancelled.
  static QString AskExportFile(const QString& filter);
  // Runs write unless the register is empty, reporting that and a failure of
  // the spreadsheet component.
  static void ExportWorkbook(bool empty, const std::function<void()>& write);
  // After a workbook import: false, with the failure reported, unless it read.
  static bool WorkbookRead(TImportResult result);

  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls(const QString& heading);

  TDataMain& data_;
  QLabel* lblHeading_ = nullptr;
  TMapleGrid* grid_ = nullptr;
  QWidget* pnlButtons_ = nullptr;
  QList<QPushButton*> entryCommands_;
};

// The columns and cells shared by the register screens and the list of
// accounts that an import did not update. Column 0 is the row number.
QList<TColumnSpec> PayerColumns();
QString PayerCell(const TPayerInfo& payer, int col);
QList<TColumnSpec> PayeeColumns();
QString PayeeCell(const TPayeeInfo& payee, int col);

template <class T>
void RemoveRange(TOwningList<T>& list, int first, int last) {
  for (int i = last; i >= first; --i) list.Remove(i);
}

// Filters of the file dialogs of the imports and exports.
QString RegisterFileFilter();
QString WorkbookFileFilter();
// A name containing ".xls" in any case (".xlsx" too) is a workbook.
bool IsWorkbookName(const QString& path);
