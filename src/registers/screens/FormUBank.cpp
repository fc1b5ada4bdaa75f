#include "registers/screens/FormUBank.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "registers/codetables/CodePackage.h"
#include "widgets/base/CommandGuard.h"

using codetables::TCodeFile;

namespace {

QString NoticeText() {
  return QStringList{
      QStringLiteral("友好提示："),
      QString(),
      QStringLiteral("  ① 更新文件请到维行企业网银服务管理_更新客户端软"),
      QStringLiteral("       件参数下下载。"),
      QString(),
      QStringLiteral("  ② 下载后的更新文件文件为zhlhh_unload.tar.gz压缩文件，"),
      QStringLiteral("       请先使用WinRar或WinZip等解压缩工具进行解压，以"),
      QStringLiteral("       便更新。"),
      QString(),
      QStringLiteral("  ③ 更新文件时需同时更新以下三个文件。"),
  }
      .join(QLatin1Char('\n'));
}

QRadioButton* NewChoice(QWidget* parent, const QString& name, const QString& caption) {
  auto* choice = new QRadioButton(caption, parent);
  choice->setObjectName(name);
  return choice;
}

}  // namespace

TFormUBank::TFormUBank(TPrompts& prompts, const QString& paramDir, QWidget* parent)
    : TClientDialog(prompts, parent), paramDir_(paramDir) {
  setObjectName(QStringLiteral("FormUBank"));
  setWindowTitle(QStringLiteral("他行信息文件更新"));
  CreateControls();
}

void TFormUBank::CreateControls() {
  auto* notice = new QLabel(NoticeText(), this);
  notice->setObjectName(QStringLiteral("lblNotice"));
  notice->setTextFormat(Qt::PlainText);

  auto* group = new QGroupBox(QStringLiteral("请选择需要更新的文件"), this);
  group->setObjectName(QStringLiteral("gbFiles"));
  rbArea_ = NewChoice(group, QStringLiteral("rbArea"),
                      QStringLiteral("省市地区文件更新（AREACODE.TXT）"));
  rbBank_ = NewChoice(group, QStringLiteral("rbBank"),
                      QStringLiteral("他行信息文件更新（OTHERBANKCODE.TXT）"));
  rbBranch_ = NewChoice(group, QStringLiteral("rbBranch"),
                        QStringLiteral("他行网点信息文件更新（UBANKCODE.TXT）"));
  rbArea_->setChecked(true);
  auto* choices = new QVBoxLayout(group);
  choices->setSpacing(8);
  for (QRadioButton* choice : {rbArea_, rbBank_, rbBranch_}) choices->addWidget(choice);

  auto* btnOk = new QPushButton(QStringLiteral("确定"), this);
  btnOk->setObjectName(QStringLiteral("btnOk"));
  btnOk->setDefault(true);
  btnOk->setMinimumWidth(96);
  ConnectClick(btnOk, Prompts(), [this] { btnOkClick(); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  layout->setSpacing(14);
  layout->addWidget(notice);
  layout->addWidget(group);
  layout->addLayout(buttons);
}

TCodeFile TFormUBank::ChosenFile() const {
  if (rbBank_->isChecked()) return TCodeFile::Bank;
  if (rbBranch_->isChecked()) return TCodeFile::Branch;
  return TCodeFile::Area;
}

void TFormUBank::btnOkClick() {
  const TCodeFile kind = ChosenFile();
  const QString path = Prompts().OpenFileOfKind(TFileKind::CodeTables, QStringLiteral("打开"), {});
  if (path.isEmpty()) return;
  if (codetables::IsCodePackage(path)) {
    UpdateFromPackage(path);
    return;
  }
  QString writeProblem;
  if (path.endsWith(codetables::SourceFileName(kind), Qt::CaseInsensitive) &&
      codetables::UpdateCodeTable(kind, path, paramDir_, &writeProblem)) {
    Prompts().Info(TPrompts::kSystemCaption, QStringLiteral("文件已更新完成！"));
  } else if (!writeProblem.isEmpty()) {
    // The file was good: downloading it again would not help.
    Prompts().Error(TPrompts::kSystemCaption,
                    QStringLiteral("代码表未能更新，原来的代码表保持不变。\n") + writeProblem);
  } else {
    Prompts().Error(TPrompts::kSystemCaption, QStringLiteral("文件格式有误，请重新下载更新文件！"));
  }
}

void TFormUBank::UpdateFromPackage(const QString& path) {
  const codetables::TCodePackage package = codetables::ReadCodePackage(path);
  QString problem = package.Problem;
  if (package.Ok() && codetables::UpdateCodeTables(package, paramDir_, &problem)) {
    Prompts().Info(TPrompts::kSystemCaption, QStringLiteral("文件已更新完成！"));
    return;
  }
  Prompts().Error(TPrompts::kSystemCaption, problem);
}
