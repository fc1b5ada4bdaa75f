#include "app/ScreenRegistry.h"

#include "shell/ScreenCatalogue.h"

void RegisterScreens(TScreenCatalogue& screens) {
  // No screen is built yet: every menu code opens its placeholder.
  (void)screens;
}
