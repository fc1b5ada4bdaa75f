#include "agentpay/screens/TemplateOpening.h"

#include "platform/prompts/Prompts.h"
#include "widgets/base/CommandGuard.h"

std::optional<TPayTemplate> OpenTemplateFile(TPrompts& prompts, const QString& dfdkDir) {
  const QString path =
      prompts.OpenFileName(QStringLiteral("打开模板"), dfdkDir, QStringLiteral("XML文件(*.xml)"));
  if (path.isEmpty()) return std::nullopt;
  const TTemplateFileRead read = ReadTemplateFile(path);
  if (!read.Template) {
    prompts.Warning(TPrompts::kSystemCaption, read.Problem);
    return std::nullopt;
  }
  WriteReported(prompts, TPrompts::kErrorCaption, [&] { WriteActiveTemplatePath(dfdkDir, path); });
  return read.Template;
}
