#pragma once

#include "agentpay/records/PayResultText.h"
#include "agentpay/screens/PayFileContext.h"
#include "widgets/base/FormOriginal.h"

class QLabel;
class TMapleGrid;

// "批量代发代扣交易结果浏览": a result file of the bank shown under the active
// template's captions with the outcome of every record, and its totals. It
// never changes the file.
class TfmPayoutcomefile : public TFormOriginal {
  Q_OBJECT
 public:
  explicit TfmPayoutcomefile(const TPayFileContext& context, QWidget* parent = nullptr);
  ~TfmPayoutcomefile() override;

  const TPayOutcomes& Outcomes() const { return outcomes_; }

  // "查看代发代扣结果"
  void btnViewClick();
  // "打开模板"
  void btnOpenTemplateClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void UseTemplate(const TPayTemplate& payTemplate);
  void ShowOutcomes();

  TPayFileContext context_;
  TPayOutcomes outcomes_;
  bool needsLoad_ = true;  // closed (or never shown) since the template was loaded

  TMapleGrid* sgDLtemp_ = nullptr;
  QLabel* lblSum_ = nullptr;
  QLabel* lblCount_ = nullptr;
};
