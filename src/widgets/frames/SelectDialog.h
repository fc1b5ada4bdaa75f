#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "widgets/base/ClientDialog.h"
#include "widgets/grid/ColumnDef.h"

class QHBoxLayout;
class QPushButton;
class TListModel;
class TMapleGrid;

// The frame of the selection screens: a row of command buttons above a list.
// "选中", a double click or Enter choose the current row; "退出" and Escape
// close without a choice; "查询" and "查询下一个" search the list.
class TSelectDialog : public TClientDialog {
  Q_OBJECT
 public:
  // The row chosen, or -1.
  int ChosenRow() const { return chosen_; }
  // The size that shows every column of the list whole; the dialog opens at
  // this size, cut to the screen's available area.
  QSize WholeListSize() const;

  void btnSelectClick();
  void btnExitClick();
  void btnFindClick();
  void btnFindNextClick();

 protected:
  TMapleGrid& Grid() const { return *grid_; }
  TSelectDialog(TPrompts& prompts, const QString& objectName, const QString& caption,
                const QString& gridName, QWidget* parent);

  // The model of the list to choose from, which the grid shows; it must outlive the dialog.
  void SetModel(TListModel* model);
  TListModel* Model() const { return model_; }
  int EntryCount() const;

  // A command button, appended to the row above the list; its click runs
  // through the command boundary.
  QPushButton* AddButton(const QString& name, const QString& caption, std::function<void()> click);
  // "选中", "查询", "查询下一个" and "退出" as the screen places them.
  QPushButton* AddSelectButton();
  void AddFindButtons();
  QPushButton* AddExitButton();

  void ClearChoice() { chosen_ = -1; }

  bool eventFilter(QObject* watched, QEvent* event) override;
  // The list opens scrolled to its first column.
  void showEvent(QShowEvent* event) override;

 private:
  QHBoxLayout* buttons_ = nullptr;
  TMapleGrid* grid_ = nullptr;
  TListModel* model_ = nullptr;
  int chosen_ = -1;
};
