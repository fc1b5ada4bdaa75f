#pragma once

#include <functional>

class QHBoxLayout;
class TClientDialog;

// The centred row of "确定" (btnOk, running ok through the command boundary) and
// "取消" (btnCancel, rejecting the dialog) at the foot of the register dialogs.
// With okIsDefault, Enter anywhere in the dialog presses "确定".
QHBoxLayout* OkCancelRow(TClientDialog& dialog, std::function<void()> ok, bool okIsDefault);
