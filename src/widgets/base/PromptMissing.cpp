#include "widgets/base/PromptMissing.h"

#include <QWidget>

#include "platform/prompts/Prompts.h"

bool PromptMissing(TPrompts& prompts, QWidget* control, bool missing, const QString& text,
                   bool literal) {
  if (!missing) return false;
  prompts.Info(TPrompts::kSystemCaption, literal ? text : QStringLiteral("请输入") + text + u'!');
  if (control) control->setFocus(Qt::OtherFocusReason);
  return true;
}
