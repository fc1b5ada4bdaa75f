#pragma once

#include <QList>
#include <functional>
#include <optional>

#include "agentpay/online/Pay661Outcome.h"
#include "agentpay/online/PayOutcome.h"
#include "widgets/base/ClientDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "代发代扣确认": the bank's summary of an uploaded salary or collection file,
// the reviewer of the next level where the bank asks for one, and the
// transaction password that turns the upload into a document.
class TfmDfdkqr : public TClientDialog {
  Q_OBJECT
 public:
  // Sends the confirmation with the password (GBK) and the chosen reviewer
  // (null when none is asked for). Returns the success message when the bank
  // made the document, nothing when the submission ended otherwise (what
  // ended it has been shown); either way the dialog closes.
  using TConfirm = std::function<std::optional<QString>(const TSecretBytes& password,
                                                        const TPayReviewer* reviewer)>;

  TfmDfdkqr(TPrompts& prompts, TConfirm confirm, QWidget* parent = nullptr);
  ~TfmDfdkqr() override;

  // The newer interface's summary; 收款人 wording when TRAN_TYPE is "1".
  void ShowN17(const TQueryFileResultResult& upload);
  // The older interface's summary; collect: 批量代扣.
  void Show661(const TPay661Upload& upload, bool collect);

  // "确定": the reviewer, then the password (6 to 12 characters) checked,
  // then the confirmation sent once; the password is wiped after the attempt.
  // A failed exchange is shown and closes the dialog: the upload waits at the
  // bank unconfirmed.
  void btnOkClick();

 private:
  void CreateControls();
  void SetPartyWording(bool collect);
  void SetReviewers(const QList<TPayReviewer>& reviewers, bool shown);

  TConfirm confirm_;
  QList<TPayReviewer> reviewers_;
  QList<QLabel*> partyLabels_;
  QList<QWidget*> accountRows_;
  QLineEdit* edtAccName_ = nullptr;
  QLineEdit* edtAccNo_ = nullptr;
  QLineEdit* edtBank_ = nullptr;
  QLineEdit* edtCount_ = nullptr;
  QLabel* lblTime_ = nullptr;
  QLineEdit* edtTime_ = nullptr;
  QLineEdit* edtAmount_ = nullptr;
  QLineEdit* edtAmtNum_ = nullptr;
  QLineEdit* edtUse_ = nullptr;
  QLineEdit* edtMaker_ = nullptr;
  QLabel* lblReviewer_ = nullptr;
  QComboBox* cmbReviewer_ = nullptr;
  QLineEdit* edtPassword_ = nullptr;
  QPushButton* btnOk_ = nullptr;
};
