#include "shell/NoSessionControl.h"

#include "platform/prompts/Prompts.h"

bool TNoSessionControl::LogOn(QWidget*) {
  prompts_.Info(QStringLiteral("登陆企业网银"),
                QStringLiteral("本客户端暂未提供与网银服务器的联机功能。"));
  return false;
}
