#pragma once

#include <QString>
#include <optional>

#include "widgets/base/ClientDialog.h"

class QLabel;
class QLineEdit;

// "文件转换": the rows of an external file to convert, and for a text file the
// separator of its fields.
class TFormFileChange : public TClientDialog {
  Q_OBJECT
 public:
  struct TRange {
    int Begin = 1;
    int End = 1;
    QString Separator;
  };

  explicit TFormFileChange(TPrompts& prompts, QWidget* parent = nullptr);

  // Runs modally through the prompts, the begin row reset to 1; the separator
  // field is shown only for a text file. Nothing when cancelled.
  std::optional<TRange> Execute(int endRow, bool textFile, const QString& separator);

  // "确认": an end row before the begin row is refused.
  void btnOkClick();

 private:
  QLineEdit* edtBegin_ = nullptr;
  QLineEdit* edtEnd_ = nullptr;
  QLabel* lblSeparator_ = nullptr;
  QLineEdit* edtSeparator_ = nullptr;
};
