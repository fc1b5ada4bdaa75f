#pragma once

#include <functional>

class QDialog;
class QHBoxLayout;

// The centred row of "确定" (btnOk, running ok) and "取消" (btnCancel, rejecting
// the dialog) at the foot of the register dialogs. With okIsDefault, Enter
// anywhere in the dialog presses "确定".
QHBoxLayout* OkCancelRow(QDialog& dialog, std::function<void()> ok, bool okIsDefault);
