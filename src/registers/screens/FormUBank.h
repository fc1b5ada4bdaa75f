#pragma once

#include <QString>

#include "registers/codetables/CodeFileConversion.h"
#include "widgets/base/ClientDialog.h"

class QRadioButton;

// Converts the other-bank code files the clerk downloaded into the tables in the
// param directory, one file per "确定". It stays open so that the three files can
// be converted in turn.
class TFormUBank : public TClientDialog {
  Q_OBJECT
 public:
  TFormUBank(TPrompts& prompts, const QString& paramDir, QWidget* parent = nullptr);

  // Asks for the chosen kind of code file, converts it and says how it went.
  // The bank's package of all three ("zhlhh_unload.tar.gz") updates all three.
  void btnOkClick();

 private:
  void CreateControls();
  codetables::TCodeFile ChosenFile() const;
  void UpdateFromPackage(const QString& path);

  QString paramDir_;
  QRadioButton* rbArea_ = nullptr;
  QRadioButton* rbBank_ = nullptr;
  QRadioButton* rbBranch_ = nullptr;
};
