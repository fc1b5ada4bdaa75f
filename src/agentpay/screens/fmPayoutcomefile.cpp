#include "agentpay/screens/fmPayoutcomefile.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "agentpay/screens/TemplateOpening.h"
#include "agentpay/screens/TextFileLines.h"
#include "platform/prompts/Prompts.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/base/CommandRow.h"
#include "widgets/grid/MapleGrid.h"

TfmPayoutcomefile::TfmPayoutcomefile(const TPayFileContext& context, QWidget* parent)
    : TFormOriginal(context.Screen, parent), context_(context) {
  setObjectName(QStringLiteral("fmPayoutcomefile"));
  setWindowTitle(QStringLiteral("批量代发代扣交易结果浏览"));
  CreateControls();
  ShowOutcomes();
}

// The grid asks for the rows' texts until it goes, so it goes first.
TfmPayoutcomefile::~TfmPayoutcomefile() {
  delete sgDLtemp_;
}

void TfmPayoutcomefile::CreateControls() {
  TCommandRow commands(*this, Prompts());
  commands.Add("btnView", QStringLiteral("查看代发代扣结果"),
               QStringLiteral("导入批量代发代扣结果文件"), [this] { btnViewClick(); });
  commands.Add("btnOpenTemplate", QStringLiteral("打开模板"),
               QStringLiteral("打开代发代扣模板文件"), [this] { btnOpenTemplateClick(); });

  sgDLtemp_ = new TMapleGrid(Prompts(), this);
  sgDLtemp_->setObjectName(QStringLiteral("sgDLtemp"));
  sgDLtemp_->OnGetCellText = [this](int col, int row, QString& text) {
    text = outcomes_.Rows().value(row).value(col);
  };

  auto* totals = new QGroupBox(this);
  lblSum_ = new QLabel(totals);
  lblSum_->setObjectName(QStringLiteral("lblSum"));
  lblCount_ = new QLabel(totals);
  lblCount_->setObjectName(QStringLiteral("lblCount"));
  auto* totalsRow = new QHBoxLayout(totals);
  totalsRow->addWidget(lblSum_);
  totalsRow->addSpacing(40);
  totalsRow->addWidget(lblCount_);
  totalsRow->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(commands.Layout());
  layout->addWidget(sgDLtemp_, 1);
  layout->addWidget(totals);
}

void TfmPayoutcomefile::ShowOutcomes() {
  QList<TColumnDef> columns;
  for (const QString& caption : outcomes_.Captions())
    columns.append({caption, 100, TColumnAlignment::Left, true});
  sgDLtemp_->SetColumns(columns);
  sgDLtemp_->SetTotalRowCount(int(outcomes_.Rows().size()));
  const TPayTotals totals = outcomes_.Totals();
  lblSum_->setText(QStringLiteral("合计金额：") + totals.SumText());
  lblCount_->setText(QStringLiteral("总记录：") + totals.CountText());
}

void TfmPayoutcomefile::btnViewClick() {
  if (!outcomes_.HasTemplate()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请先打开模板文件！"));
    return;
  }
  const QString path = Prompts().OpenFileOfKind(TFileKind::Downloads, QStringLiteral("打开"),
                                                QStringLiteral("所有文件(*.*)"));
  if (path.isEmpty()) return;
  const std::optional<QStringList> lines = ReadTextFileLines(Prompts(), path);
  if (!lines) return;
  outcomes_.SetLines(*lines);
  ShowOutcomes();
}

void TfmPayoutcomefile::btnOpenTemplateClick() {
  if (const std::optional<TPayTemplate> opened = OpenTemplateFile(Prompts(), context_.DfdkDir))
    UseTemplate(*opened);
}

void TfmPayoutcomefile::UseTemplate(const TPayTemplate& payTemplate) {
  outcomes_.SetTemplate(payTemplate);
  ShowOutcomes();
}

void TfmPayoutcomefile::showEvent(QShowEvent* event) {
  // The main window hides and shows its children with itself; only a screen
  // that was closed loads the template again.
  if (needsLoad_ && !event->spontaneous()) {
    needsLoad_ = false;
    // A template file that cannot be read is passed over without a word.
    const std::optional<TTemplateFileRead> read = ReadActiveTemplate(context_.DfdkDir);
    if (!read)
      UseTemplate(TPayTemplate{});
    else if (read->Template)
      UseTemplate(*read->Template);
  }
  TFormOriginal::showEvent(event);
}

void TfmPayoutcomefile::closeEvent(QCloseEvent* event) {
  TFormOriginal::closeEvent(event);
  if (!event->isAccepted()) return;
  needsLoad_ = true;
  outcomes_.Clear();
  ShowOutcomes();
}
