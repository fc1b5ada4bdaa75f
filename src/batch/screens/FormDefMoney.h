#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "batch/documents/PayMoneyInfo.h"
#include "registers/records/PayeeInfo.h"
#include "registers/records/PayerInfo.h"
#include "registers/screens/RegisterContext.h"
#include "widgets/base/ClientDialog.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The transfer document entry screen ("付款单据"). It works on its own copies of
// a payer and a payee and stores them into the document only on "确定".
class TFormDefMoney : public TClientDialog {
  Q_OBJECT
 public:
  explicit TFormDefMoney(const TRegisterContext& context, QWidget* parent = nullptr);
  ~TFormDefMoney() override;

  // Shows the document (payerAccNo: the last payer for a new document, empty for
  // an edit), runs modally through the prompts; on "确定" with the checks
  // passed stores into doc and answers true. "继续新增" appends complete new
  // documents to batch (and sets the register store's LastPayerAccount) and calls
  // BatchChanged after each; the screen stays open.
  bool Execute(TPayMoneyInfo& doc, const QString& payerAccNo, TBatch& batch);

  // Fills the screen as Execute does, without running it; for tests and Execute.
  void ShowDocument(TPayMoneyInfo& doc, const QString& payerAccNo, TBatch& batch);

  std::function<void()> BatchChanged;

  void btnOkClick();
  void btnCancelClick();
  void btnContinueClick();
  void btnPayerClick();
  void btnPayeeClick();

  // The type-ahead list "lstDrop". TypeAhead(field) is the clerk's edit of the
  // field's text: 0-2 the payer's account, name and alias, 3-5 the payee's. The
  // list closes as HideDropDown does when the focus leaves the field.
  // DropDownClicked is a click on a row of the list.
  void TypeAhead(int field);
  void DropDownClicked(int row);
  // A click elsewhere: hides the list and shows the current payer and payee again.
  void HideDropDown();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class TField { PayerAccNo, PayerName, PayerAlias, PayeeAccNo, PayeeName, PayeeAlias };

  void CreateControls();
  QGroupBox* CreatePayerGroup();
  QGroupBox* CreatePayeeGroup();
  void ShowPayer();
  void ShowPayee();
  void UpdatePayerFilter();
  void Typed(TField field);
  void ShowDropDown(TField field);
  void HideDropDownOnly();
  // Runs the checks; on a failure shows its message and sets the focus.
  bool Checked();
  void StoreInto(TPayMoneyInfo& doc) const;
  QWidget* FocusWidget(int focus) const;
  QLineEdit* FieldEdit(TField field) const;

  TRegisterContext context_;
  TRegisterStore& registers_;
  TPayMoneyInfo* doc_ = nullptr;
  TBatch* batch_ = nullptr;
  TPayerInfo payer_;
  TPayeeInfo payee_;
  QString payerFilter_;
  bool stored_ = false;

  TField dropField_ = TField::PayerAccNo;
  QStringList dropAccounts_;
  QListWidget* lstDrop_ = nullptr;

  QLineEdit* edtPayAccNo_ = nullptr;
  QLineEdit* edtPayAccName_ = nullptr;
  QLineEdit* edtPayAlias_ = nullptr;
  QLabel* lblPayCounter_ = nullptr;
  QLabel* lblPayBranch_ = nullptr;
  QLabel* lblPayRight_ = nullptr;
  QLabel* lblPayBalance_ = nullptr;
  QLabel* lblPayBalanceDate_ = nullptr;
  QPushButton* btnPayer_ = nullptr;
  QLineEdit* edtRcvAccNo_ = nullptr;
  QLineEdit* edtRcvAccName_ = nullptr;
  QLineEdit* edtRcvAlias_ = nullptr;
  QLabel* lblRcvCounter_ = nullptr;
  QLabel* lblRcvBank_ = nullptr;
  QPushButton* btnPayee_ = nullptr;
  QLineEdit* edtMoney_ = nullptr;
  QComboBox* cmbUsage_ = nullptr;
  QPushButton* btnOk_ = nullptr;
  QPushButton* btnCancel_ = nullptr;
  QPushButton* btnContinue_ = nullptr;
};
