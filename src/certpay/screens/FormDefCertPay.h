#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <utility>

#include "certpay/records/UserInput.h"
#include "certpay/screens/CertPayContext.h"
#include "widgets/base/ClientDialog.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;

// "中央财政支付单据": one document of the payment-file editor, in four groups
// (payer, payee, budget information, other), each of the first three filled
// from its register by a selection button. "确定" and "继续新增" check the
// fields in order (CheckUserInput); "继续新增" hands the document to
// DocumentContinued, empties the text fields and stays open. Typing in the
// payee's account, name, branch or interbank number lists the values of that
// field in the payee register (lstDrop).
class TFormDefCertPay : public TClientDialog {
  Q_OBJECT
 public:
  explicit TFormDefCertPay(const TCertPayContext& context, QWidget* parent = nullptr);

  // Shows the document, runs modally through the prompts; true when "确定"
  // stored the fields into it.
  bool Execute(TUserInput& doc);
  // Fills the dialog as Execute does, without running it.
  void ShowDocument(TUserInput& doc);

  // A document stored by "继续新增": the caller appends it to its list.
  std::function<void(const TUserInput& doc)> DocumentContinued;

  void btnOkClick();
  void btnContinueClick();
  void btnPayerClick();
  void btnPayeeClick();
  void btnAddInfoClick();
  // A click on a row of the type-ahead list; HideDropDown a click elsewhere.
  void DropDownClicked(int row);
  void HideDropDown();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using TField = QString TUserInput::*;

  QGroupBox* NewGroup(const char* name, const QString& title, int columns);
  QLineEdit* AddField(QGroupBox* group, const char* name, const QString& label, TField field);
  QComboBox* AddChoice(QGroupBox* group, const char* name, const QString& label,
                       const QStringList& items);
  void AddButton(QGroupBox* group, const char* name, const QString& caption,
                 void (TFormDefCertPay::*click)());
  void CreateControls();
  QLineEdit* Edit(TField field) const;
  // The document as the dialog would store it.
  TUserInput Typed() const;
  // Runs the checks; a failure shows its message and moves the focus.
  bool Checked();
  void ShowDropDown(QLineEdit* edit, QString TCertPayee::*payeeField);

  TCertPayContext context_;
  TUserInput* doc_ = nullptr;
  bool stored_ = false;
  QList<std::pair<TField, QLineEdit*>> fields_;
  QComboBox* cmbPayeeBankFlag_ = nullptr;
  QComboBox* cmbPayeeAccKind_ = nullptr;
  QListWidget* lstDrop_ = nullptr;
  QLineEdit* dropEdit_ = nullptr;  // the field the list belongs to
};
