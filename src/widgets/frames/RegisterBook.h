#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "widgets/base/FormOriginal.h"
#include "widgets/grid/ColumnDef.h"
#include "widgets/grid/MapleGrid.h"

class QLabel;
class TListModel;
class QPushButton;

// The frame shared by the register screens: a heading, a row of command
// buttons and the grid, which shows the table model of the register. The frame
// enables the commands and refreshes the model after every change.
class TRegisterBook : public TFormOriginal {
  Q_OBJECT
 public:
  virtual void btnEditClick() = 0;
  void btnFindClick();
  void btnFindNextClick();

 protected:
  TMapleGrid& Grid() const { return *grid_; }
  TRegisterBook(TScreenServices services, const QString& caption, const QString& heading,
                QWidget* parent);

  // The model of the register's list, which the grid shows; it must outlive the screen.
  void SetModel(TListModel* model);
  // A command button, appended to the row; its click runs through the command
  // boundary. Unless alwaysEnabled it works only while the register holds entries.
  QPushButton* AddCommand(const QString& name, const QString& caption,
                          std::function<void()> command, bool alwaysEnabled = false);

  int EntryCount() const;
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
  bool Confirm(const QString& question) const;
  // Runs the save; a file that cannot be written is reported in an error box.
  // False when it failed.
  bool SaveReported(const std::function<void()>& save) const;

  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls(const QString& heading);

  QLabel* lblHeading_ = nullptr;
  TMapleGrid* grid_ = nullptr;
  TListModel* model_ = nullptr;
  QWidget* pnlButtons_ = nullptr;
  QList<QPushButton*> entryCommands_;
};
