#pragma once

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

// One box of a row: its width and its text, set as the alignment says.
struct TPrintCell {
  qreal Width = 0;
  QString Text;
  Qt::Alignment Alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// What a band draws with: texts wrapped inside boxes, frames and lines, in the
// layout's tenths of a millimetre. While a band is measured nothing reaches the
// page, but every height comes out as when it is drawn.
class TBandPainter {
 public:
  // Room between a frame and the text inside it.
  static constexpr qreal kPadding = 12;

  TBandPainter(QPainter& painter, qreal width, bool drawing)
      : painter_(painter), width_(width), drawing_(drawing) {}

  qreal Width() const { return width_; }
  bool Drawing() const { return drawing_; }
  // For pictures of a band's own; draw on it only while Drawing().
  QPainter& Painter() { return painter_; }

  // The height of the text set in lines of the width, broken between words or,
  // where a word is longer than a line (an account number, a Chinese name),
  // anywhere. A "\n" starts a new line.
  qreal TextHeight(const QString& text, const QFont& font, qreal width) const;
  // The text set so, inside the box and aligned in it both ways.
  void Text(const QRectF& box, const QString& text, const QFont& font,
            Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
  // The same inside a frame, the padding kept free on every side.
  void FramedText(const QRectF& box, const QString& text, const QFont& font,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
  // The height of a framed box that holds the text in the width, at least
  // minHeight.
  qreal FramedHeight(const QString& text, const QFont& font, qreal width, qreal minHeight) const;
  // Cells side by side from the left edge at the top given, each framed, all
  // as tall as the tallest text needs and at least minHeight; returns the height.
  qreal FramedRow(qreal top, const QList<TPrintCell>& cells, const QFont& font, qreal minHeight);
  // The same without frames and padding.
  qreal TextRow(qreal top, const QList<TPrintCell>& cells, const QFont& font, qreal minHeight);
  void Frame(const QRectF& box);
  void Line(const QPointF& from, const QPointF& to);
  void DashedLine(const QPointF& from, const QPointF& to);

 private:
  QPainter& painter_;
  qreal width_;
  bool drawing_;
};
