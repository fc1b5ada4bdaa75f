#pragma once

#include <QString>
#include <functional>
#include <type_traits>
#include <utility>

class QAbstractButton;
class TPrompts;

// The one boundary of every command of the clerk's: a button, a menu entry, a
// double click, a key. Whatever a command throws is shown and the program goes
// on; no exception ever reaches Qt's event loop.

// The text shown for an exception that is not meant for the clerk.
QString UnexpectedErrorText();

// Shows the exception being handled; call only inside a catch block. A
// TClerkError shows its message under its caption (the program's title when it
// has none); anything else shows UnexpectedErrorText(), never its own text.
void ShowCurrentException(TPrompts& prompts);
// The message ShowCurrentException shows; call only inside a catch block.
QString CurrentExceptionText();

// Runs the command; whatever it throws is shown through the prompts.
void RunCommand(TPrompts& prompts, const std::function<void()>& command);

// Calls the command with the arguments when it takes them, else without.
template <class Command, class... Args>
void InvokeCommand(Command& command, Args&&... args) {
  if constexpr (std::is_invocable_v<Command&, Args...>)
    command(std::forward<Args>(args)...);
  else
    command();
}

// The command wrapped for a signal: connect(box, &QComboBox::activated, this,
// Guarded(prompts, [this](int index) { ... })). The signal's arguments are
// passed on when the command takes them.
template <class Command>
auto Guarded(TPrompts& prompts, Command command) {
  return [&prompts, command = std::move(command)](auto&&... args) mutable {
    RunCommand(prompts, [&] { InvokeCommand(command, std::forward<decltype(args)>(args)...); });
  };
}

// A click on the button runs the command through the boundary.
void ConnectClick(QAbstractButton* button, TPrompts& prompts, std::function<void()> command);

// Runs the write; when it throws TFileError (a file that cannot be written) the
// error is shown in an error box with the caption. False when it failed.
bool WriteReported(TPrompts& prompts, const QString& caption, const std::function<void()>& write);
