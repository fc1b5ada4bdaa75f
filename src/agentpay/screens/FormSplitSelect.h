#pragma once

#include <QString>

#include "widgets/base/ClientDialog.h"

class QLineEdit;

// "设置文件分隔符": the separator a text result file is cut at when it is
// converted into a workbook.
class TFormSplitSelect : public TClientDialog {
  Q_OBJECT
 public:
  explicit TFormSplitSelect(TPrompts& prompts, QWidget* parent = nullptr);

  // Runs modally through the prompts with the field preset to the separator
  // ("|" when it is empty): what was typed ("|" for nothing) after "确 定",
  // the separator as it was after "取 消".
  QString Execute(const QString& separator);

 private:
  QLineEdit* edtSeparator_ = nullptr;
};
