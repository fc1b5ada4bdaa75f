#include "shell/ClientProgram.h"

#include <QDir>

#include "platform/prompts/Prompts.h"
#include "shell/ScreenRegistry.h"

namespace {

QString DamagedFileNotice(const TDamagedFile& damaged) {
  const QString file = QDir::toNativeSeparators(damaged.Path);
  if (damaged.Copy.isEmpty())
    return QStringLiteral("文件 %1 已损坏，无法读取，该名册暂为空。请先备份此文件，再修改名册。")
        .arg(file);
  return QStringLiteral("文件 %1 已损坏，无法读取，该名册暂为空。原文件已另存为 %2。")
      .arg(file, QDir::toNativeSeparators(damaged.Copy));
}

}  // namespace

TClientProgram::TClientProgram(const QString& appDir, TPrompts& prompts)
    : prompts_(prompts), formMain_(appDir, prompts), browser_(prompts) {
  data_ = std::make_unique<TDataMain>(appDir);
  prompts.KeepRecentFoldersIn(data_->Paths().ParamFile(QStringLiteral("RecentFolders.txt")));
  formMain_.SetHelpFile(data_->Paths().HelpFile());
  session_ = std::make_unique<TBankSession>(
      TServerConfig{formMain_.ServerBaseUrl(), formMain_.ClientVersionTime(),
                    data_->Paths().ParamFile(QStringLiteral("ClientSys.ini"))},
      prompts);
  formMain_.SetSessionControl(session_.get());
  RegisterScreens(formMain_.Screens(),
                  TScreenSupply{formMain_.ScreenServices(), *data_, *session_});
}

void TClientProgram::ReportDamagedFiles() {
  for (const TDamagedFile& damaged : data_->DamagedFiles())
    prompts_.Warning(TPrompts::kSystemCaption, DamagedFileNotice(damaged));
}
