#pragma once

#include "core/SessionControl.h"
#include "widgets/base/ScreenServices.h"

// What the online statement screens receive from the screen registry.
struct TStatementOnlineContext {
  TScreenServices Screen;
  TSessionControl& Session;
};
