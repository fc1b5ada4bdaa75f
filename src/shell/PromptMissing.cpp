#include "shell/PromptMissing.h"

#include <QWidget>

#include "platform/prompts/Prompts.h"

bool PromptMissing(QWidget* control, bool missing, const QString& text, bool literal) {
  if (!missing) return false;
  Prompts().info(QStringLiteral("系统提示"),
                 literal ? text : QStringLiteral("请输入") + text + u'!');
  if (control) control->setFocus(Qt::OtherFocusReason);
  return true;
}
