#include "agentpay/screens/PaySubmitPanel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "core/Amount.h"
#include "core/SessionControl.h"
#include "platform/prompts/Prompts.h"
#include "session/transport/GetData.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/base/WindowsDisabled.h"

TPaySubmitPanel::TPaySubmitPanel(TPrompts& prompts, TSessionControl& session, QWidget* parent)
    : QWidget(parent), prompts_(prompts), session_(session) {
  setObjectName(QStringLiteral("pnlSubmitPanel"));
  CreateControls();
  session_.AddLogoffHook([panel = QPointer<TPaySubmitPanel>(this)] {
    if (panel) panel->Reset();
  });
}

void TPaySubmitPanel::CreateControls() {
  auto* modes = new QGroupBox(this);
  modes->setObjectName(QStringLiteral("rgIsPayMode"));
  rgIsPayMode_ = new QButtonGroup(this);
  auto* modeRow = new QHBoxLayout(modes);
  for (const QString& caption : {QStringLiteral("批量代发"), QStringLiteral("批量代扣")}) {
    auto* button = new QRadioButton(caption, modes);
    rgIsPayMode_->addButton(button, int(rgIsPayMode_->buttons().size()));
    modeRow->addWidget(button);
  }
  connect(rgIsPayMode_, &QButtonGroup::idClicked, this,
          Guarded(prompts_, [this](int index) { rgIsPayModeClick(index); }));

  cmbItem_ = new QComboBox(this);
  cmbItem_->setObjectName(QStringLiteral("cmbItem"));
  connect(cmbItem_, &QComboBox::activated, this, Guarded(prompts_, [this] { cmbItemChange(); }));
  cmbUse_ = new QComboBox(this);
  cmbUse_->setObjectName(QStringLiteral("cmbUse"));
  connect(cmbUse_, &QComboBox::activated, this, Guarded(prompts_, [this] { cmbUseChange(); }));

  pnlJiami_ = new QWidget(this);
  pnlJiami_->setObjectName(QStringLiteral("pnlJiami"));
  edtTotalNum_ = new QLineEdit(pnlJiami_);
  edtTotalNum_->setObjectName(QStringLiteral("edtTotalNum"));
  edtTotalNum_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), edtTotalNum_));
  edtTotalAmount_ = new QLineEdit(pnlJiami_);
  edtTotalAmount_->setObjectName(QStringLiteral("edtTotalAmount"));
  edtTotalAmount_->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[\\d.]*")), edtTotalAmount_));
  auto* totals = new QHBoxLayout(pnlJiami_);
  totals->setContentsMargins(0, 0, 0, 0);
  totals->addWidget(new QLabel(QStringLiteral("总笔数："), pnlJiami_));
  totals->addWidget(edtTotalNum_);
  totals->addWidget(new QLabel(QStringLiteral("笔"), pnlJiami_));
  totals->addWidget(new QLabel(QStringLiteral("总金额："), pnlJiami_));
  totals->addWidget(edtTotalAmount_);
  totals->addWidget(new QLabel(QStringLiteral("元"), pnlJiami_));
  pnlJiami_->hide();

  btnSubmit_ = new QPushButton(QStringLiteral("提交代发代扣"), this);
  btnSubmit_->setObjectName(QStringLiteral("btnSubmit"));

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(modes, 0, 0, 2, 1);
  layout->addWidget(new QLabel(QStringLiteral("项目名称："), this), 0, 1);
  layout->addWidget(cmbItem_, 0, 2);
  layout->addWidget(new QLabel(QStringLiteral("用途："), this), 1, 1);
  layout->addWidget(cmbUse_, 1, 2);
  layout->addWidget(pnlJiami_, 0, 3, 2, 1);
  layout->addWidget(btnSubmit_, 0, 4, 2, 1);
  layout->setColumnStretch(2, 1);
}

int TPaySubmitPanel::PayMode() const {
  return rgIsPayMode_->checkedId();
}

const TPayModeLists& TPaySubmitPanel::ModeLists() const {
  return lists_->Of(PayMode() == 1 ? TPayMode::Collect : TPayMode::Pay);
}

void TPaySubmitPanel::ClearPayMode() {
  // A group that allows no empty choice would keep the button checked.
  rgIsPayMode_->setExclusive(false);
  for (QAbstractButton* button : rgIsPayMode_->buttons()) button->setChecked(false);
  rgIsPayMode_->setExclusive(true);
}

void TPaySubmitPanel::rgIsPayModeClick(int index) {
  TWindowsDisabled disabled(*this);
  if (!lists_) {
    if (!session_.IsLoggedOn() && !session_.LogOn(window())) {
      ClearPayMode();
      return;
    }
    try {
      TGetData::QueryTradeType(session_.Server(), session_.User(), prompts_);
      lists_ = FetchPayLists(session_.User(), session_.Server());
    } catch (...) {
      ClearPayMode();
      throw;
    }
  }
  if (rgIsPayMode_->checkedId() != index) rgIsPayMode_->button(index)->setChecked(true);
  cmbItem_->clear();
  for (const TPayItem& item : ModeLists().Items) cmbItem_->addItem(item.ItemCaption);
  cmbItem_->setCurrentIndex(cmbItem_->count() > 0 ? 0 : -1);
  cmbItemChange();
}

void TPaySubmitPanel::cmbItemChange() {
  cmbUse_->clear();
  shownUses_.clear();
  if (!lists_ || ModeLists().Items.isEmpty()) {
    pnlJiami_->hide();
    prompts_.Warning(TPrompts::kSystemCaption,
                     QStringLiteral("对不起，您没有可以选择的当前代发代扣项目！"));
    return;
  }
  const int item = cmbItem_->currentIndex();
  if (item < 0) return;
  shownUses_ = ModeLists().UsesOf(ModeLists().Items[item]);
  for (const TPayUse& use : std::as_const(shownUses_)) cmbUse_->addItem(use.UseCaption);
  cmbUse_->setCurrentIndex(cmbUse_->count() > 0 ? 0 : -1);
  cmbUseChange();
}

bool TPaySubmitPanel::ShowsTotals() const {
  const int use = cmbUse_->currentIndex();
  return !UsesN17(session_.User()) && use >= 0 && use < shownUses_.size() &&
         shownUses_[use].Locked == u"1";
}

void TPaySubmitPanel::cmbUseChange() {
  pnlJiami_->setVisible(ShowsTotals());
}

void TPaySubmitPanel::Reset() {
  ClearPayMode();
  lists_.reset();
  shownUses_.clear();
  cmbItem_->clear();
  cmbUse_->clear();
  pnlJiami_->hide();
}

std::optional<TPaySubmission> TPaySubmitPanel::CheckedChoice() {
  if (PayMode() < 0 || !lists_) {
    prompts_.Info(TPrompts::kNoticeCaption, QStringLiteral("请选择批量代发或批量代扣选项。"));
    return std::nullopt;
  }
  const int item = cmbItem_->currentIndex();
  if (item < 0 || item >= ModeLists().Items.size()) {
    prompts_.Warning(TPrompts::kSystemCaption, QStringLiteral("请选择项目名称。"));
    return std::nullopt;
  }
  const int use = cmbUse_->currentIndex();
  if (use < 0 || use >= shownUses_.size()) {
    prompts_.Warning(TPrompts::kSystemCaption, QStringLiteral("请选择用途。"));
    return std::nullopt;
  }
  TPaySubmission choice;
  if (ShowsTotals()) {
    bool whole = false;
    edtTotalNum_->text().toLongLong(&whole);
    if (!whole) {
      prompts_.Warning(TPrompts::kSystemCaption, QStringLiteral("请输入正确的总笔数。"));
      edtTotalNum_->setFocus();
      return std::nullopt;
    }
    if (!TAmount::ParsePayment(edtTotalAmount_->text())) {
      prompts_.Warning(TPrompts::kSystemCaption, QStringLiteral("请输入正确的总金额。"));
      edtTotalAmount_->setFocus();
      return std::nullopt;
    }
    choice.TotalCount = edtTotalNum_->text();
    choice.TotalAmount = edtTotalAmount_->text();
  }
  choice.Mode = PayMode() == 1 ? TPayMode::Collect : TPayMode::Pay;
  choice.Item = ModeLists().Items[item];
  choice.Use = shownUses_[use];
  choice.ItemText = cmbItem_->currentText();
  choice.UseText = cmbUse_->currentText();
  return choice;
}
