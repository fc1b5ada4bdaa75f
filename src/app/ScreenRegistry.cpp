#include "app/ScreenRegistry.h"

#include <QDir>

#include "registers/screens/FormUBank.h"
#include "shell/DataMain.h"
#include "shell/ScreenCatalogue.h"

void RegisterScreens(TScreenCatalogue& screens, const TDataMain& data) {
  const QString paramDir = QDir(data.AppDir()).filePath(QStringLiteral("param"));
  screens.RegisterDialog(8, QStringLiteral("他行信息文件更新"), [paramDir](QWidget* parent) {
    return std::make_unique<TFormUBank>(paramDir, parent);
  });
}
