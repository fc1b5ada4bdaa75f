#pragma once

#include <QString>
#include <optional>

#include "agentpay/records/PayTemplate.h"

class TPrompts;

// "打开模板": a template file chosen in the agent-pay folder and read; nothing,
// after telling the clerk, when it is refused. The pointer file then names it
// as the active template (a failed write is told too).
std::optional<TPayTemplate> OpenTemplateFile(TPrompts& prompts, const QString& dfdkDir);
