#pragma once

#include "widgets/base/ClientDialog.h"

#include "widgets/grid/GridSearch.h"

class QComboBox;
class QLineEdit;

// The find dialog of the grids ("查找"): the text, the column to search
// ("范围") and the way to compare ("匹配方法"). Controls: edtFind, cmbRange,
// cmbMatch, btnOk, btnCancel.
class TFormSearch : public TClientDialog {
  Q_OBJECT
 public:
  // column -1 (none chosen yet) preselects the third column, or the last one
  // when there are fewer.
  TFormSearch(TPrompts& prompts, const QStringList& columnTitles, const QString& text, int column,
              TMatchMode mode, QWidget* parent = nullptr);

  QString SearchText() const;
  int SearchColumn() const;
  TMatchMode MatchMode() const;

  // Accepts the dialog, unless the text is empty: then says so and stays open.
  void btnOkClick();

 private:
  QLineEdit* edtFind_ = nullptr;
  QComboBox* cmbRange_ = nullptr;
  QComboBox* cmbMatch_ = nullptr;
};

// Runs the find dialog for a grid with these column titles, preset from the
// search, and confirms the new criteria in it. False when cancelled or no
// text was given.
bool AskSearchCriteria(TPrompts& prompts, TGridSearch& search, const QStringList& columnTitles,
                       QWidget* parent);
