#pragma once

#include <QStyledItemDelegate>

class QFontMetrics;
class TMapleGrid;

constexpr int kCellMargin = 4;

// The text a cell shows in a space textWidth pixels wide: a clipped column
// shows a text that does not fit as "#" once per GBK byte of the text.
QString ShownCellText(const QString& text, bool clip, int textWidth, const QFontMetrics& metrics);

// Paints the data cells of a TMapleGrid: the grid colour (or the highlight for
// selected cells), the text with margins, word-wrapped, centred vertically and
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
