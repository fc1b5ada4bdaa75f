#pragma once

#include <QList>
#include <QWidget>
#include <functional>

#include "batch/submission/FailBat.h"

class QLabel;
class QPushButton;
class QSplitter;
class TListModel;
class TMapleGrid;
class TPrompts;

// The lower panel of the batch screen, "批量付款单据无效记录": the documents the
// bank rejected in the last submission. It sits last in the splitter it is
// given and is hidden (height 0) until it is filled.
class TFailPanel : public QWidget {
  Q_OBJECT
 public:
  TFailPanel(TPrompts& prompts, QSplitter& splitter, QWidget* parent = nullptr);

  QList<TFailBat>& Fails() { return fails_; }
  const QList<TFailBat>& Fails() const { return fails_; }
  bool IsOpen() const;

  // Replaces the list and opens the panel.
  void ShowFails(const QList<TFailBat>& fails, const QString& itemNum);
  // Redraws after the list was changed in place.
  void Redraw();

  // "另存为": the list as a text file.
  void btnSaveAsClick();
  // "隐藏": height 0.
  void btnHideClick();

  // A double click on a failure: the document's sequence number as read.
  std::function<void(int seqNo)> OpenDocument;

 private:
  TPrompts& prompts_;
  QSplitter& splitter_;
  QList<TFailBat> fails_;
  QLabel* lblSum_ = nullptr;
  TListModel* model_ = nullptr;
  TMapleGrid* grid_ = nullptr;
};
