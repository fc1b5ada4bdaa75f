#pragma once

class TDataMain;
class TScreenCatalogue;

// Registers the screens and dialogs that the menu codes open.
void RegisterScreens(TScreenCatalogue& screens, TDataMain& data);
