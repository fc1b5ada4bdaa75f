#pragma once

class QCoreApplication;

// Makes Qt's own texts (the buttons and labels of its message boxes and of its
// file, input and print dialogs) Simplified Chinese whatever the system locale,
// and zh_CN the default locale. False when Qt's Chinese translation is not
// installed: those texts then stay English.
bool InstallChineseTranslation(QCoreApplication& app);
