#pragma once

#include <QHeaderView>

class TMapleGrid;

// The column header of a TMapleGrid: titles centred (in the lower half under
// a line for a column with Half set) and the column heads across the upper half.
class TMapleHeader : public QHeaderView {
  Q_OBJECT
 public:
  explicit TMapleHeader(TMapleGrid& grid);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
  void paintEvent(QPaintEvent* event) override;

 private:
  TMapleGrid& grid_;
};
