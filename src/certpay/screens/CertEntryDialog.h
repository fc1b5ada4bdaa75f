#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

#include "certpay/records/CertChecks.h"
#include "widgets/base/ClientDialog.h"

class QFormLayout;
class QLineEdit;

// The frame of the central-finance entry dialogs: a form of text fields, each
// bound to a member of the record, and the buttons "确 定" (btnOk) and
// "取 消" (btnCancel). "确 定" runs the record's checks on the fields as they
// would be stored (a failure shows its message, captioned "系统提示", and moves
// the focus to the field; the dialog stays open), then stores the fields as
// typed and closes.
template <class T>
class TCertEntryDialog : public TClientDialog {
 public:
  using TCheck = std::optional<TCertProblem<T>> (*)(const T&);

  // Fills the fields from the record and runs the dialog through the prompts.
  // True when "确 定" stored the fields into it.
  bool Execute(T& record);
  // Fills the fields from the record without running the dialog.
  void ShowRecord(T& record);

  void btnOkClick();

 protected:
  TCertEntryDialog(TPrompts& prompts, const QString& objectName, const QString& caption,
                   TCheck check, QWidget* parent);

  // A text field for the member, in the next row of the form.
  QLineEdit* AddField(const char* name, const QString& label, QString T::*member);
  void AddRow(const QString& label, QWidget* field);
  // The buttons below the form; called once, after the last row.
  void AddButtons();

  // What the dialog shows besides its text fields (choice lists).
  virtual void ShowChoices(const T& record) { (void)record; }
  virtual void StoreChoices(T& record) const { (void)record; }

 private:
  // The record as the dialog would store it.
  T Typed() const;

  TCheck check_;
  QFormLayout* form_ = nullptr;
  QList<std::pair<QString T::*, QLineEdit*>> fields_;
  T* record_ = nullptr;
  bool stored_ = false;
};
