#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include "registers/branches/BranchList.h"
#include "registers/codetables/OtherBankTables.h"
#include "registers/codetables/UBankCascade.h"
#include "registers/screens/PayeeDefinition.h"
#include "registers/screens/RegisterContext.h"
#include "widgets/base/ClientDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TUBankChoiceLists;

// Defines a receiving account: at this bank, with branch and counter from the
// branch table, or at another bank, with the branch chosen from the code tables
// or typed. Made once for the screen that owns it; it keeps the tables it read
// and reads a table again when its file has changed since.
class TFormDefPayee : public TClientDialog {
  Q_OBJECT
 public:
  using TMode = TPayeeDefinition::TMode;

  explicit TFormDefPayee(const TRegisterContext& context, QWidget* parent = nullptr);
  ~TFormDefPayee() override;

  // Shows the payee (an empty TPayeeInfo for a new one) modally through Prompts().runModal;
  // on "确定" with every check passed stores the fields into the payee and answers true.
  bool Execute(TPayeeInfo& payee, TMode mode);

  // Fills the controls with the payee without running the dialog; Execute
  // starts with it. The payee must live until the dialog is closed.
  void ShowPayee(TPayeeInfo& payee, TMode mode);

  // "确定": trims the fields, runs the checks and, when all pass, stores the
  // fields into the payee shown and closes.
  void btnOkClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What a table file looked like when it was read.
  struct TFileStamp {
    bool Exists = false;
    QDateTime Modified;
    qint64 Size = 0;
    bool operator==(const TFileStamp&) const = default;
  };
  static TFileStamp StampOf(const QString& path);

  void CreateControls();
  QWidget* CreateOwnBankPage();
  QWidget* CreateOtherBankPage();
  void WatchEnterKey();

  // Reads a table the first time and again when its file changed; true when
  // it was read now (its lists are then filled afresh).
  bool ReadBranchesIfChanged();
  bool ReadCodeTablesIfChanged();
  QList<TFileStamp> CodeTableStamps() const;

  void ClearControls();
  void ShowCategory(bool ownBank);
  void CategoryClicked();
  void FillBranchList();
  void BranchChosen(int index);
  void ShowOwnBankPayee(const TPayeeInfo& payee);
  void ShowOtherBankPayee(const TPayeeInfo& payee);
  void Lock();
  void SetManual(bool manual);
  void BranchTyped(const QString& text);
  void BranchPicked(int index);
  void RestoreTypedBranch();
  void FillNameLists(const TPayeeInfo& payee);

  TPayeeFields Fields() const;
  QWidget* FieldWidget(TPayeeField field) const;

  TRegisterStore& registers_;
  TPayeeDefinition definition_;
  TPayeeInfo* payee_ = nullptr;
  bool stored_ = false;

  TBranchList branches_;
  bool branchesRead_ = false;
  TFileStamp branchStamp_;
  TOtherBankTables tables_;
  TUBankCascade cascade_{tables_};
  bool tablesRead_ = false;
  QList<TFileStamp> tableStamps_;
  TUBankChoiceLists* lists_ = nullptr;
  // The text last typed into the branch box of another bank, lower case.
  QString typedBranch_;
  bool manual_ = false;

  QLineEdit* edtAccNo_ = nullptr;
  QLineEdit* edtAccName_ = nullptr;
  QRadioButton* rbOwnBank_ = nullptr;
  QRadioButton* rbOtherBank_ = nullptr;
  QWidget* ownBankPage_ = nullptr;
  QWidget* otherBankPage_ = nullptr;
  QComboBox* cmbBranch_ = nullptr;
  QComboBox* cmbCounter_ = nullptr;
  QComboBox* cmbBank_ = nullptr;
  QComboBox* cmbProvince_ = nullptr;
  QComboBox* cmbCity_ = nullptr;
  QComboBox* cmbUBank_ = nullptr;
  QLineEdit* edtOldCounter_ = nullptr;
  QRadioButton* rbQuick_ = nullptr;
  QRadioButton* rbManual_ = nullptr;
  QLabel* lblManualNote_ = nullptr;
  QComboBox* cmbSortId_ = nullptr;
  QComboBox* cmbAlias_ = nullptr;
};
