#pragma once

#include <QString>
#include <utility>

// The message of the exception being handled; call these only inside a catch block.
QString CurrentExceptionMessage();
// Shows that message as an error through the prompts.
void ShowCurrentException();

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
