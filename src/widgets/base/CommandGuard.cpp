#include "widgets/base/CommandGuard.h"

#include <QAbstractButton>
#include <exception>

#include "core/AppInfo.h"
#include "platform/errors/ClerkError.h"
#include "platform/files/FileError.h"
#include "platform/prompts/Prompts.h"

namespace {

QString CaptionOf(const TClerkError& error) {
  return error.Caption().isEmpty() ? AppTitle() : error.Caption();
}

}  // namespace

QString UnexpectedErrorText() {
  return QStringLiteral("程序内部发生错误，本次操作未能完成。请重试，如仍有问题请与银行联系。");
}

QString CurrentExceptionText() {
  try {
    throw;
  } catch (const TClerkError& e) {
    return e.Message();
  } catch (...) {
    return UnexpectedErrorText();
  }
}

void ShowCurrentException(TPrompts& prompts) {
  try {
    throw;
  } catch (const TClerkError& e) {
    prompts.Error(CaptionOf(e), e.Message());
  } catch (...) {
    prompts.Error(AppTitle(), UnexpectedErrorText());
  }
}

void RunCommand(TPrompts& prompts, const std::function<void()>& command) {
  try {
    command();
  } catch (...) {
    // Showing the message must not throw out of the boundary either.
    try {
      ShowCurrentException(prompts);
    } catch (...) {
    }
  }
}

void ConnectClick(QAbstractButton* button, TPrompts& prompts, std::function<void()> command) {
  QObject::connect(button, &QAbstractButton::clicked, button, Guarded(prompts, std::move(command)));
}

bool WriteReported(TPrompts& prompts, const QString& caption, const std::function<void()>& write) {
  try {
    write();
    return true;
  } catch (const TFileError& e) {
    prompts.Error(caption, e.Message());
    return false;
  }
}
