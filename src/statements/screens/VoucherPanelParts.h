#pragma once

#include <QGroupBox>
#include <QStringList>

class QGridLayout;
class QLabel;
struct TPartyBlock;

// The payer's or the payee's block of a voucher panel: its caption written
// downwards (付 款 人) beside three captioned lines (全  称：, 账  号：, ...).
class TPartyPanel : public QGroupBox {
  Q_OBJECT
 public:
  // The value labels are named valueNames, or the panel's name and the line's
  // number.
  TPartyPanel(const QString& caption, const QStringList& lineCaptions, const char* name,
              QWidget* parent = nullptr, const QStringList& valueNames = {});
  void Show(const TPartyBlock& party);
  QString Line(int line) const;

 private:
  QList<QLabel*> values_;
};

// A caption and the value beside it in a grid row; returns the value label,
// named as given.
QLabel* AddCaptioned(QGridLayout& grid, int row, int column, const QString& caption,
                     const char* name);

// The totals line under a statement grid: "借方合计：" with its amount, a
// second caption with its amount, and "总记录：" with the count.
class TTotalsLine : public QWidget {
  Q_OBJECT
 public:
  explicit TTotalsLine(QWidget* parent = nullptr);
  // Every caption and value back to the start.
  void Reset();
  void ShowDetail(const QString& debit, const QString& credit, const QString& count);
  void ShowFlow(const QString& sum, const QString& count);
  QString Text() const;  // the visible captions and values, as one line

 private:
  QLabel* debitCaption_;
  QLabel* debit_;
  QLabel* secondCaption_;
  QLabel* second_;
  QLabel* count_;
};
