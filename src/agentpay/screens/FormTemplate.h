#pragma once

#include <QString>
#include <memory>

#include "agentpay/records/TemplateDraft.h"
#include "widgets/base/ClientDialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class TMapleGrid;
class TListModel;
class TTemplateUsers;

// "制定代发代扣模板": the column template editor. The columns are changed
// through the column dialog; "保存模板" writes the template file, makes it the
// active one and tells the screens that use it.
class TFormTemplate : public TClientDialog {
  Q_OBJECT
 public:
  // users may be null (no screen uses a template yet).
  TFormTemplate(TPrompts& prompts, QString dfdkDir, TTemplateUsers* users,
                QWidget* parent = nullptr);
  ~TFormTemplate() override;

  const TTemplateDraft& Draft() const { return draft_; }
  bool IsSaved() const { return saved_; }

  void btnOpenClick();
  void btnInsertClick();
  void btnModifyClick();
  void btnDeleteClick();
  void btnSaveClick();

  // Closing an unsaved editor asks first; Cancel keeps it open.
  void done(int result) override;

 private:
  void CreateControls();
  QLineEdit* NewNumberField(const QString& name);
  void ShowTemplate(const TPayTemplate& payTemplate);
  TPayTemplate EditedTemplate() const;
  void AfterChange(int selectRow);
  void Refresh();

  QString dfdkDir_;
  TTemplateUsers* users_;
  TTemplateDraft draft_;
  bool saved_ = true;
  std::unique_ptr<TListModel> model_;
  TMapleGrid* grid_ = nullptr;
  QLineEdit* edtListSeparator_ = nullptr;
  QLineEdit* edtMoney_ = nullptr;
  QLineEdit* edtWorkAround_ = nullptr;
  QLineEdit* edtUbankNo_ = nullptr;
  QCheckBox* chkIfAddEndSign_ = nullptr;
  QList<QPushButton*> columnCommands_;
};
