#pragma once

#include "core/SessionControl.h"
#include "registers/screens/RegisterContext.h"

// What the batch screen receives from the screen registry: what the register
// dialogs it opens need, and the session its submissions go through.
struct TBatchContext {
  TRegisterContext Registers;
  TSessionControl& Session;
};
