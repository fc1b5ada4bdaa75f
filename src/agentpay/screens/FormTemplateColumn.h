#pragma once

#include <QString>
#include <optional>

#include "widgets/base/ClientDialog.h"

class QLineEdit;

// "自定义模板": the name of one template column, with the position it takes.
class TFormTemplateColumn : public TClientDialog {
  Q_OBJECT
 public:
  explicit TFormTemplateColumn(TPrompts& prompts, QWidget* parent = nullptr);

  // Runs modally through the prompts; the name entered, or nothing when cancelled.
  std::optional<QString> Execute(int position, const QString& name);

  // "确定": a blank name is refused with "列名称不能为空" and the dialog stays.
  void btnOkClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* edtPosition_ = nullptr;
  QLineEdit* edtName_ = nullptr;
};
