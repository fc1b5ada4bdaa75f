#pragma once

#include <QStyledItemDelegate>

class QFontMetrics;
class TMapleGrid;

constexpr int kCellMargin = 4;

// The text a cell shows on one line in a space textWidth pixels wide. A text
// that does not fit ends in "…", or in a clipped column shows as "#" once per
// GBK byte of the text.
QString ShownCellText(const QString& text, bool clip, int textWidth, const QFontMetrics& metrics);

// The room for the text in a column that wide: the margins and the grid line
// are taken off.
int CellTextWidth(int columnWidth, bool gridLines);
// The width a column needs to show the text whole.
int ColumnWidthFor(const QString& text, bool gridLines, const QFontMetrics& metrics);

// Paints the data cells of a TMapleGrid: the grid colour (or the highlight for
// selected cells), the text with margins on one line, centred vertically and
// aligned by its column.
class TMapleCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit TMapleCellDelegate(TMapleGrid& grid);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  TMapleGrid& grid_;
};
