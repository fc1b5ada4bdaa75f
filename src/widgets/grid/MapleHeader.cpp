#include "widgets/grid/MapleHeader.h"

#include <QPainter>
#include <QStyleOptionHeader>

#include "widgets/grid/MapleGrid.h"

namespace {

constexpr int kTextMargin = 2;

}  // namespace

TMapleHeader::TMapleHeader(TMapleGrid& grid) : QHeaderView(Qt::Horizontal, &grid), grid_(grid) {
  setSectionsClickable(false);
  setHighlightSections(false);
  setDefaultAlignment(Qt::AlignCenter);
  // A head spans several sections; its caption is centred on all of them, so
  // a change of any section moves it.
  connect(this, &QHeaderView::sectionResized, viewport(), qOverload<>(&QWidget::update));
}

void TMapleHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  if (!rect.isValid()) return;
  QStyleOptionHeader option;
  initStyleOptionForIndex(&option, logicalIndex);
  option.rect = rect;
  option.text.clear();
  painter->save();
  style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);

  QRect textRect = rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
  if (grid_.Column(logicalIndex).Half()) {
    const int middle = rect.top() + rect.height() / 2;
    painter->setPen(option.palette.color(QPalette::Mid));
    painter->drawLine(rect.left(), middle, rect.right(), middle);
    textRect.setTop(middle);
  }
  painter->setPen(option.palette.color(QPalette::ButtonText));
  painter->drawText(textRect, Qt::AlignCenter, grid_.ColumnText(logicalIndex));
  painter->restore();
}

void TMapleHeader::paintEvent(QPaintEvent* event) {
  QHeaderView::paintEvent(event);
  QPainter painter(viewport());
  for (int head = 0; head < grid_.ColumnHeads().size(); ++head) {
    const std::optional<QRect> rect = grid_.ColumnHeadRect(head);
    if (!rect) continue;
    painter.fillRect(*rect, palette().button());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect->adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect->adjusted(kTextMargin, 0, -kTextMargin, 0), Qt::AlignCenter,
                     grid_.ColumnHeadText(head));
  }
}
