#include "statements/screens/OnlineQueryParts.h"

#include <QLineEdit>
#include <QPushButton>

#include "core/ServerPaths.h"
#include "core/SessionControl.h"
#include "core/SessionUser.h"
#include "platform/prompts/Prompts.h"
#include "session/transport/FormExchange.h"
#include "session/transport/GetData.h"
#include "statements/online/DetailLinkQuery.h"
#include "statements/records/StatementTable.h"
#include "statements/screens/StatementGrid.h"
#include "statements/screens/VoucherPanelParts.h"

QString QueryUrl(TSessionControl& session) {
  return session.Server().ServerBaseUrl +
         (session.User().TradeType == 1 ? MainPlatV6Path() : MainPlatV5Path());
}

QString CountUrl(TSessionControl& session) {
  return session.Server().ServerBaseUrl + MainPlatV5Path();
}

QLineEdit* DateField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setMaxLength(8);
  field->setFixedWidth(90);
  return field;
}

bool CheckDateField(TPrompts& prompts, QLineEdit& field) {
  const QString problem =
      DateFieldProblem(field.text(), field.objectName() == QLatin1String("edtBeginDate"));
  if (problem.isEmpty()) return true;
  prompts.Warning(TPrompts::kSystemCaption, problem);
  field.setFocus();
  return false;
}

void QueryPage(TPrompts& prompts, const QString& url, const QByteArray& body,
               const std::function<void(const pugi::xml_node& root)>& read, TStatementGrid& grid,
               StatementTable& table) {
  QString failure;
  try {
    const pugi::xml_document reply = PostForm(url, body);
    read(ReplyRoot(reply));
  } catch (const EResponseError& e) {
    failure = e.Message();
  }
  grid.Refresh();
  table.First();
  if (table.RowCount() > 0) grid.SelectRecord(table.RecNo());
  if (!failure.isEmpty()) prompts.Error(TPrompts::kErrorCaption, failure);
}

void UpdatePaging(QPushButton& prior, QPushButton& next, int page, int pages) {
  next.setEnabled(page < pages);
  prior.setEnabled(page != 0 && page != 1);
}

TPartyPanel* ReceiptPayerPanel(QWidget* parent) {
  return new TPartyPanel(
      QStringLiteral("汇款人"),
      {QStringLiteral("全  称"), QStringLiteral("账  号"), QStringLiteral("汇出行名称")},
      "pnlPayer", parent,
      {QStringLiteral("stxtPayName"), QStringLiteral("stxtPayAcc"), QStringLiteral("stxtPayBank")});
}

TPartyPanel* ReceiptPayeePanel(QWidget* parent) {
  return new TPartyPanel(
      QStringLiteral("收款人"),
      {QStringLiteral("全  称"), QStringLiteral("账  号"), QStringLiteral("汇入行名称")},
      "pnlPayee", parent,
      {QStringLiteral("stxtRevName"), QStringLiteral("stxtRevAcc"), QStringLiteral("stxtRevBank")});
}
