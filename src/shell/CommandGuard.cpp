#include "shell/CommandGuard.h"

#include <exception>

#include "platform/files/AtomicFile.h"
#include "platform/prompts/Prompts.h"
#include "shell/AppInfo.h"

QString CurrentExceptionMessage() {
  try {
    throw;
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  } catch (...) {
    return QStringLiteral("发生了未知错误。");
  }
}

void ShowCurrentException() {
  Prompts().error(AppTitle(), CurrentExceptionMessage());
}

bool WriteReported(const QString& caption, const std::function<void()>& write) {
  try {
    write();
    return true;
  } catch (const TFileError& e) {
    Prompts().error(caption, e.message());
    return false;
  }
}
