#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "widgets/base/ClientDialog.h"

class QButtonGroup;

// A modal choice between the kinds of records a result file holds; the first
// kind is chosen at the start. Without a cancel caption the window's close
// button is the only way out without a choice.
class TResultChoiceDialog : public TClientDialog {
  Q_OBJECT
 public:
  struct TOption {
    QString Caption;
    QString Value;
  };

  // Runs modally through the prompts: the value of the kind chosen, nothing
  // when the dialog was closed otherwise.
  std::optional<QString> Execute();

 protected:
  TResultChoiceDialog(TPrompts& prompts, const QString& caption, const QString& group,
                      QList<TOption> options, const QString& okCaption,
                      const QString& cancelCaption, QWidget* parent);

 private:
  QList<TOption> options_;
  QButtonGroup* kinds_ = nullptr;
};

// "请选择下载类型" (newer interface): "0" all, "1" successful, "2" failed.
class TfrmSelectDownloadType : public TResultChoiceDialog {
  Q_OBJECT
 public:
  explicit TfrmSelectDownloadType(TPrompts& prompts, QWidget* parent = nullptr);
};

// "代发代扣结果下载" (older interface): the file prefix "A" all, "S"
// successful, "F" failed.
class TFormSubstPayRetSelect : public TResultChoiceDialog {
  Q_OBJECT
 public:
  explicit TFormSubstPayRetSelect(TPrompts& prompts, QWidget* parent = nullptr);
};
