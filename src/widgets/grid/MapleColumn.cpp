#include "widgets/grid/MapleColumn.h"

#include "widgets/grid/MapleGrid.h"

Qt::Alignment ToQtAlignment(TColumnAlignment alignment) {
  switch (alignment) {
    case TColumnAlignment::Left:
      return Qt::AlignLeft;
    case TColumnAlignment::Right:
      return Qt::AlignRight;
    case TColumnAlignment::Center:
      break;
  }
  return Qt::AlignHCenter;
}

TMapleColumn::TMapleColumn(TMapleGrid& grid, int index) : grid_(grid), index_(index) {}

void TMapleColumn::Assign(const TMapleColumn& from) {
  color_ = from.color_;
  alignment_ = from.alignment_;
  title_ = from.title_;
  field_ = from.field_;
  grid_.ColumnChanged(index_);
}

QString TMapleColumn::DisplayName() const {
  return title_.isEmpty() ? QStringLiteral("Column") + QString::number(index_) : title_;
}

void TMapleColumn::SetTitle(const QString& title) {
  title_ = title;
  grid_.ColumnChanged(index_);
}

void TMapleColumn::SetAlignment(TColumnAlignment alignment) {
  alignment_ = alignment;
  grid_.ColumnChanged(index_);
}

int TMapleColumn::Width() const {
  return grid_.isColumnHidden(index_) ? 0 : grid_.columnWidth(index_);
}

void TMapleColumn::SetWidth(int width) {
  if (width <= 0) {
    SetVisible(false);
    return;
  }
  grid_.setColumnHidden(index_, false);
  grid_.setColumnWidth(index_, width);
}

void TMapleColumn::SetVisible(bool visible) {
  if (visible == Visible()) return;
  if (visible) {
    SetWidth(visibleWidth_ > 0 ? visibleWidth_ : kDefaultColumnWidth);
    return;
  }
  if (Width() > 0) visibleWidth_ = Width();
  grid_.setColumnHidden(index_, true);
  grid_.ColumnHidden(index_);
}

void TMapleColumn::SetHalf(bool half) {
  half_ = half;
  grid_.ColumnChanged(index_);
}

void TMapleColumn::SetClip(bool clip) {
  clip_ = clip;
  grid_.ColumnChanged(index_);
}
