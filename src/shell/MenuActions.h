#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// What a menu code opens: a screen embedded in the work area, or a dialog run
// modally and destroyed; codes that need a session first make sure one exists.
struct TMenuAction {
  qint32 Code = 0;
  QString Caption;
  bool IsDialog = false;
  bool NeedsSession = false;
};

// The action of a menu code; nothing for a code that does nothing.
std::optional<TMenuAction> MenuActionFor(qint32 code);
