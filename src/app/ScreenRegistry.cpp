#include "app/ScreenRegistry.h"

#include <QDir>

#include "batch/screens/BatchScreen.h"
#include "registers/screens/FormUBank.h"
#include "registers/screens/PayeeBook.h"
#include "registers/screens/PayerBook.h"
#include "registers/screens/PaylocalBook.h"
#include "registers/screens/UsageBook.h"
#include "shell/DataMain.h"
#include "shell/ScreenCatalogue.h"

namespace {

template <class Screen>
void RegisterBook(TScreenCatalogue& screens, qint32 code, const QString& caption, TDataMain& data) {
  screens.RegisterScreen(code, caption, [&data] { return std::make_unique<Screen>(data); });
}

}  // namespace

void RegisterScreens(TScreenCatalogue& screens, TDataMain& data) {
  RegisterBook<TFormBatch>(screens, 0, QStringLiteral("批量制单"), data);
  const QString paramDir = QDir(data.AppDir()).filePath(QStringLiteral("param"));
  screens.RegisterDialog(8, QStringLiteral("他行信息文件更新"), [paramDir](QWidget* parent) {
    return std::make_unique<TFormUBank>(paramDir, parent);
  });
  RegisterBook<TfmPayerBook>(screens, 9, QStringLiteral("付款人名册"), data);
  RegisterBook<TfmPayeeBook>(screens, 10, QStringLiteral("收款人名册"), data);
  RegisterBook<TfmpaylocalBook>(screens, 11, QStringLiteral("本地名册"), data);
  RegisterBook<TfmUsageBook>(screens, 12, QStringLiteral("转账用途"), data);
}
