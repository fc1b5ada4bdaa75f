#include "widgets/grid/MapleCellDelegate.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/codec/Gbk.h"
#include "widgets/grid/MapleGrid.h"

QString ShownCellText(const QString& text, bool clip, int textWidth, const QFontMetrics& metrics) {
  if (metrics.horizontalAdvance(text) <= textWidth) return text;
  if (clip) return QString(codec::GbkLength(text), QLatin1Char('#'));
  return metrics.elidedText(text, Qt::ElideRight, textWidth);
}

int CellTextWidth(int columnWidth, bool gridLines) {
  return columnWidth - 2 * kCellMargin - (gridLines ? 1 : 0);
}

int ColumnWidthFor(const QString& text, bool gridLines, const QFontMetrics& metrics) {
  return metrics.horizontalAdvance(text) + 2 * kCellMargin + (gridLines ? 1 : 0);
}

TMapleCellDelegate::TMapleCellDelegate(TMapleGrid& grid)
    : QStyledItemDelegate(&grid), grid_(grid) {}

void TMapleCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  const int col = index.column();
  const int row = index.row();
  const TMapleColumn& column = grid_.Column(col);
  // The active colours also when the grid has lost the focus, so that the
  // selection stays plain to see while a command works on it.
  const bool highlighted = grid_.DrawSelectColor() && (option.state & QStyle::State_Selected);
  const QPalette& palette = option.palette;

  painter->save();
  painter->setClipRect(option.rect);
  painter->fillRect(option.rect, highlighted ? palette.color(QPalette::Active, QPalette::Highlight)
                                             : grid_.CellColor(col, row));
  painter->setPen(highlighted ? palette.color(QPalette::Active, QPalette::HighlightedText)
                              : palette.color(QPalette::Active, QPalette::Text));
  painter->setFont(option.font);
  const QRect textRect = option.rect.adjusted(kCellMargin, 0, -kCellMargin, 0);
  const QString text =
      ShownCellText(grid_.CellText(col, row), column.Clip(), textRect.width(), option.fontMetrics);
  const int flags =
      static_cast<int>(ToQtAlignment(column.Alignment()) | Qt::AlignVCenter) | Qt::TextSingleLine;
  painter->drawText(textRect, flags, text);
  painter->restore();
}
