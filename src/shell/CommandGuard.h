#pragma once

#include <QString>
#include <functional>
#include <utility>

// The message of the exception being handled; call these only inside a catch block.
QString CurrentExceptionMessage();
// Shows that message as an error through the prompts.
void ShowCurrentException();

// Runs the write; when it throws TFileError (a file that cannot be written) the
// error is shown in an error box with the caption. False when it failed.
bool WriteReported(const QString& caption, const std::function<void()>& write);

// Wraps a command so that an exception escaping it is shown to the clerk and the
// program goes on: connect(button, &QPushButton::clicked, this, Guarded([this] {...})).
template <class Command>
auto Guarded(Command command) {
  return [command = std::move(command)]() mutable {
    try {
      command();
    } catch (...) {
      ShowCurrentException();
    }
  };
}
