#pragma once

#include <QColor>
#include <QString>

#include "widgets/grid/ColumnDef.h"

class TMapleGrid;

// One column of a TMapleGrid, owned by the grid. The width lives in the view
// (QTableView::columnWidth), so that whatever sets it there, a layout file or
// the clerk dragging the header, and this object agree.
class TMapleColumn {
 public:
  TMapleColumn(TMapleGrid& grid, int index);
  TMapleColumn(const TMapleColumn&) = delete;
  TMapleColumn& operator=(const TMapleColumn&) = delete;

  // Copies what a column shares with another: colour, alignment, title, field.
  void Assign(const TMapleColumn& from);

  int Index() const { return index_; }
  // The title, or "Column" and the index when there is none.
  QString DisplayName() const;

  const QString& Title() const { return title_; }
  void SetTitle(const QString& title);
  // Kept with the column; no data set is bound to a grid in this program.
  const QString& Field() const { return field_; }
  void SetField(const QString& field) { field_ = field; }
  TColumnAlignment Alignment() const { return alignment_; }
  void SetAlignment(TColumnAlignment alignment);
  QColor Color() const { return color_; }
  void SetColor(const QColor& color) { color_ = color; }

  // 0 for a hidden column. A width of 0 or less hides the column, a positive
  // width shows it.
  int Width() const;
  void SetWidth(int width);
  bool Visible() const { return Width() > 0; }
  // Hiding keeps the width in VisibleWidth; showing restores it.
  void SetVisible(bool visible);
  int VisibleWidth() const { return visibleWidth_; }
  void SetVisibleWidth(int width) { visibleWidth_ = width; }

  int Size() const { return size_; }
  void SetSize(int size) { size_ = size; }
  // The title takes the lower half of the header, under a column head.
  bool Half() const { return half_; }
  void SetHalf(bool half);
  // A text too wide for the cell shows as "#" once per GBK byte.
  bool Clip() const { return clip_; }
  void SetClip(bool clip);
  // Widens to the widest text of its cells whenever the rows change.
  bool FitsText() const { return fitsText_; }
  void SetFitsText(bool fits) { fitsText_ = fits; }

 private:
  TMapleGrid& grid_;
  int index_;
  QString title_;
  QString field_;
  TColumnAlignment alignment_ = TColumnAlignment::Center;
  QColor color_ = Qt::white;
  int visibleWidth_ = kDefaultColumnWidth;
  int size_ = 0;
  bool half_ = false;
  bool clip_ = false;
  bool fitsText_ = false;
};
