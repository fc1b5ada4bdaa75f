#include "shell/ScreenRegistry.h"

#include <QDir>

#include "agentpay/screens/FormSubstPayRetDownLoad.h"
#include "agentpay/screens/fmPayFile.h"
#include "agentpay/screens/fmPayoutcomefile.h"
#include "batch/screens/FormBatch.h"
#include "certpay/screens/FormCertPay.h"
#include "certpay/screens/FormCertPayAddInfo.h"
#include "certpay/screens/FormCertPayeeBook.h"
#include "certpay/screens/FormCertPayerBook.h"
#include "registers/screens/FormUBank.h"
#include "registers/screens/fmPayeeBook.h"
#include "registers/screens/fmPayerBook.h"
#include "registers/screens/fmUsageBook.h"
#include "registers/screens/fmpaylocalBook.h"
#include "session/screens/frmDlClParam.h"
#include "shell/DataMain.h"
#include "shell/ScreenCatalogue.h"
#include "statements/screens/fmDealBrowserFile.h"
#include "statements/screens/fmDealBrowserFileLink.h"
#include "statements/screens/fmDetailBrowserFile.h"
#include "statements/screens/fmDetailBrowserFileLink.h"

namespace {

template <class Screen, class Context>
void Register(TScreenCatalogue& screens, qint32 code, const QString& caption,
              const Context& context) {
  screens.RegisterScreen(code, caption, [context] { return std::make_unique<Screen>(context); });
}

}  // namespace

void RegisterScreens(TScreenCatalogue& screens, const TScreenSupply& supply) {
  const TRegisterContext registers{supply.Screen, supply.Data.Registers, supply.StartSpreadsheet};
  const TBatchContext batch{registers, supply.Session};

  const QString paramDir = QDir(supply.Data.Paths().AppDir()).filePath(QStringLiteral("param"));
  const TPayFileContext payFile{supply.Screen, supply.Session, supply.Data.Paths().DfdkDir(),
                                paramDir, supply.StartSpreadsheet};

  Register<TFormBatch>(screens, 0, QStringLiteral("批量制单"), batch);
  Register<TfmPayFile>(screens, 1, QStringLiteral("浏览转化外部文件"), payFile);
  Register<TfmPayoutcomefile>(screens, 2, QStringLiteral("批量代发代扣交易结果浏览"), payFile);
  const TStatementContext statements{supply.Screen, paramDir, supply.StartSpreadsheet};
  Register<TfmDetailBrowserFile>(screens, 3, QStringLiteral("浏览交易明细"), statements);
  Register<TfmDealBrowserFile>(screens, 4, QStringLiteral("浏览转账流水"), statements);
  const TStatementOnlineContext online{supply.Screen, supply.Session};
  Register<TfmDetailBrowserFileLink>(screens, 6, QStringLiteral("账户明细联机查询"), online);
  Register<TfmDealBrowserFileLink>(screens, 7, QStringLiteral("交易流水联机查询"), online);
  TPrompts& prompts = supply.Screen.Prompts;
  TSessionControl& session = supply.Session;
  screens.RegisterDialog(5, QStringLiteral("更新客户端软件参数"),
                         [&prompts, &session](QWidget* parent) {
                           return std::make_unique<TfrmDlClParam>(prompts, session, parent);
                         });
  screens.RegisterDialog(8, QStringLiteral("他行信息文件更新"),
                         [&prompts, paramDir](QWidget* parent) {
                           return std::make_unique<TFormUBank>(prompts, paramDir, parent);
                         });
  Register<TfmPayerBook>(screens, 9, QStringLiteral("付款人名册"), registers);
  Register<TfmPayeeBook>(screens, 10, QStringLiteral("收款人名册"), registers);
  Register<TfmpaylocalBook>(screens, 11, QStringLiteral("本地名册"), registers);
  Register<TfmUsageBook>(screens, 12, QStringLiteral("转账用途"), registers);
  Register<TFormSubstPayRetDownLoad>(screens, 14, QStringLiteral("代发代扣批量结果文件下载"),
                                     payFile);
  const TCertPayContext certPay{supply.Screen, supply.Data.CertPay, supply.StartSpreadsheet,
                                paramDir};
  Register<TFormCertPay>(screens, 13, QStringLiteral("中央财政批量支付文件制作"), certPay);
  Register<TFormCertPayerBook>(screens, 15, QStringLiteral("中央财政支付付款人名册"), certPay);
  Register<TFormCertPayeeBook>(screens, 16, QStringLiteral("中央财政支付收款人名册"), certPay);
  Register<TFormCertPayAddInfo>(screens, 17, QStringLiteral("中央财政支付附加信息"), certPay);
}
