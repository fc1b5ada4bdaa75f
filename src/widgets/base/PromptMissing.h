#pragma once

#include <QString>

class QWidget;
class TPrompts;

// The standard check of a required input: when missing, tells the clerk in an
// information box captioned "系统提示" (the text itself when literal, else
// "请输入" + text + "!") and moves the focus to the control. Returns missing, so
// that a caller can stop at the first failed check:
//   if (PromptMissing(prompts, edtCustId, edtCustId->text().isEmpty(), QStringLiteral("客户号"),
//   false))
//     return;
bool PromptMissing(TPrompts& prompts, QWidget* control, bool missing, const QString& text,
                   bool literal);
