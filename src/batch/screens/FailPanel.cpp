#include "batch/screens/FailPanel.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <numeric>

#include "core/TextHelpers.h"
#include "platform/files/AtomicFile.h"
#include "platform/prompts/Prompts.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/grid/ListModel.h"
#include "widgets/grid/MapleGrid.h"

namespace {

QString FailCell(const TFailBat& fail, int col) {
  switch (col) {
    case 0:
      return fail.SeqNo;
    case 1:
      return fail.PayAccNo;
    case 2:
      return fail.PayAccName;
    case 3:
      return fail.RcvAccNo;
    case 4:
      return fail.RcvAccName;
    case 5:
      return fail.Reason;
    default:
      return {};
  }
}

QPushButton* PanelButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TFailPanel::TFailPanel(TPrompts& prompts, QSplitter& splitter, QWidget* parent)
    : QWidget(parent), prompts_(prompts), splitter_(splitter) {
  setObjectName(QStringLiteral("pnlFail"));
  auto* title = new QLabel(QStringLiteral("批量付款单据无效记录"), this);
  title->setObjectName(QStringLiteral("lblFailTitle"));
  lblSum_ = new QLabel(this);
  lblSum_->setObjectName(QStringLiteral("lblFailSum"));
  QPushButton* btnSaveAs = PanelButton(QStringLiteral("btnSaveAs"), QStringLiteral("另存为"), this);
  QPushButton* btnHide = PanelButton(QStringLiteral("btnHide"), QStringLiteral("隐藏"), this);
  ConnectClick(btnSaveAs, prompts_, [this] { btnSaveAsClick(); });
  ConnectClick(btnHide, prompts_, [this] { btnHideClick(); });

  auto* bar = new QHBoxLayout;
  bar->addWidget(title);
  bar->addSpacing(24);
  bar->addWidget(lblSum_);
  bar->addStretch();
  bar->addWidget(btnSaveAs);
  bar->addWidget(btnHide);

  grid_ = new TMapleGrid(prompts_, this);
  grid_->setObjectName(QStringLiteral("grdFail"));
  grid_->SetFixRowHeight(24);
  model_ = new TRecordListModel<QList<TFailBat>>(
      fails_,
      {{QStringLiteral("顺序号"), 60, TColumnAlignment::Center},
       {QStringLiteral("付款账号"), 160, TColumnAlignment::Left},
       {QStringLiteral("付款账户名称"), 200, TColumnAlignment::Left},
       {QStringLiteral("收款账号"), 160, TColumnAlignment::Left},
       {QStringLiteral("收款账户名称"), 200, TColumnAlignment::Left},
       {QStringLiteral("失败原因"), 260, TColumnAlignment::Left}},
      &FailCell, false, this);
  grid_->SetListModel(model_);
  grid_->OnDblClick = [this](int, int row) {
    if (OpenDocument && row < fails_.size()) OpenDocument(fails_[row].SeqNo.trimmed().toInt());
  };

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 4, 0, 0);
  layout->setSpacing(4);
  layout->addLayout(bar);
  layout->addWidget(grid_, 1);
}

bool TFailPanel::IsOpen() const {
  const int index = splitter_.indexOf(const_cast<TFailPanel*>(this));
  return index >= 0 && splitter_.sizes().value(index) > 0;
}

void TFailPanel::ShowFails(const QList<TFailBat>& fails, const QString& itemNum) {
  lblSum_->setText(QStringLiteral("合计笔数：") + itemNum);
  fails_ = fails;
  Redraw();
  splitter_.setHandleWidth(3);
  setMinimumHeight(60);
  QList<int> sizes = splitter_.sizes();
  const int index = splitter_.indexOf(this);
  if (index < 0) return;
  if (sizes[index] <= 100) {
    const int total = std::accumulate(sizes.begin(), sizes.end(), 0);
    for (int& size : sizes) size = 0;
    sizes[index] = 200;
    sizes[0] = qMax(total - 200, 1);
    splitter_.setSizes(sizes);
  }
}

void TFailPanel::Redraw() {
  model_->Refresh();
}

void TFailPanel::btnHideClick() {
  setMinimumHeight(0);
  QList<int> sizes = splitter_.sizes();
  const int index = splitter_.indexOf(this);
  if (index < 0) return;
  const int total = std::accumulate(sizes.begin(), sizes.end(), 0);
  for (int& size : sizes) size = 0;
  sizes[0] = total;
  splitter_.setSizes(sizes);
}

void TFailPanel::btnSaveAsClick() {
  QString path = prompts_.SaveFileOfKind(TFileKind::Batches, QStringLiteral("另存为"),
                                         QStringLiteral("文本文档 (*.txt)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1String(".txt");
  try {
    WriteFileAtomically(path, FailListFileBytes(fails_));
    prompts_.ShowStatus(ExportedNote(fails_.size()));
  } catch (const TFileError& e) {
    prompts_.Error(
        TPrompts::kErrorCaption,
        QStringLiteral("文件保存失败，可能目标文件已打开或具有只读属性，") + e.Message());
  }
}
