#include "agentpay/online/Pay661Outcome.h"

#include "core/SessionUser.h"
#include "session/transport/FormBody.h"
#include "session/transport/GetData.h"

TPay661Upload Read661Upload(const pugi::xml_node& root) {
  TPay661Upload upload;
  const auto text = [&root](const char* name) { return OptionalText(root, name); };
  upload.PayNum = text("PAYNUM");
  upload.PayTime = text("PAYTIME");
  upload.Amount = text("AMOUNT");
  upload.AmtNum = text("AMTNUM");
  upload.Use = text("USE");
  upload.Maker = text("MAKER");
  upload.AccNo = text("ACCNO");
  upload.AccName = text("ACCNAME");
  upload.Bank = text("BANK");
  upload.CreditNo = text("CREDITNO");
  upload.ProcessIdx = text("PROCESSIDX");
  upload.IsEncrypt = text("ISENCRYPT");
  upload.TxFlag = text("TXFLAG");
  upload.UseOfCode = text("USEOFCODE");
  upload.IsManager = text("ISMANAGER");
  upload.BillDesc = text("BILLDESC");
  upload.BillCode = text("BILLCODE");
  upload.IsCheckAcc = text("ISCHECKACC");
  upload.SendFile = text("SENDFILE");
  upload.Md5 = text("MD5");
  upload.SelectOper = text("SELECTOPER");
  for (const pugi::xml_node& check : root.child("CHECKLIST").children()) {
    if (check.type() == pugi::node_element)
      upload.Reviewers.append({OptionalText(check, "CHECKID"), OptionalText(check, "CHECKNAME")});
  }
  return upload;
}

QString UploadTimeText(const QString& payTime) {
  if (payTime.size() != 14) return payTime;
  return payTime.mid(0, 4) + u'-' + payTime.mid(4, 2) + u'-' + payTime.mid(6, 2) + u' ' +
         payTime.mid(8, 2) + u':' + payTime.mid(10, 2) + u':' + payTime.mid(12, 2);
}

TSecretBytes Confirm661Body(const TUSER& user, const TPay661Upload& upload, const QString& isPay,
                            const QString& itemEctip, const TPayReviewer* chosen,
                            const TSecretBytes& password) {
  TFormBody rest;
  rest.Add("TXCODE", QStringLiteral("661223"))
      .Add("SKEY", user.SKey)
      .Add("CUSTOMERID", user.CustId)
      .Add("USERID", user.UserId)
      .Add("CREDIT_NO", upload.CreditNo)
      .Add("ACCNO1", upload.AccNo)
      .Add("IS_PAY", isPay)
      .Add("AMOUNT", upload.AmtNum)
      .Add("USE", upload.Use)
      .Add("PROCESSIDX", upload.ProcessIdx)
      .Add("IS_ENCRYPT", upload.IsEncrypt)
      .Add("TXFLAG", upload.TxFlag)
      .Add("USEOF_CODE", upload.UseOfCode)
      .Add("IS_MANAGER", upload.IsManager)
      .Add("BILLDESC", upload.BillDesc)
      .Add("SELECTOPER", upload.SelectOper);
  QList<TPayReviewer> reviewers = upload.Reviewers;
  if (upload.SelectOper == u"0")
    reviewers = chosen ? QList<TPayReviewer>{*chosen} : QList<TPayReviewer>();
  for (const TPayReviewer& reviewer : reviewers)
    rest.Add("CHECK_ID", reviewer.Id).Add("CHECK_NAME", reviewer.Name);
  rest.Add("BILL_CODE", upload.BillCode)
      .Add("IS_CHECKACC", upload.IsCheckAcc)
      .Add("SEND_FILE", upload.SendFile)
      .Add("MD5", upload.Md5)
      .Add("TOTAL_NUM", upload.PayNum)
      .Add("ECTIPFLAG", itemEctip)
      .Add("PT_LANGUAGE", QStringLiteral("CN"))
      .Add("ISCORR", QStringLiteral("0"))
      .Add("STY_MAP", QStringLiteral("8"))
      .Add("resType", QStringLiteral("HTM"));
  return TFormBody().WithSecret("PASSWD", password, rest);
}

QString N17SuccessText(const QString& tranType, const QString& vchId) {
  return QStringLiteral("尊敬的客户:\r\n您的批量") +
         (tranType != u"0" ? QStringLiteral("代扣") : QStringLiteral("代发")) +
         QStringLiteral("制单操作成功！\r\n凭证号：") + vchId;
}

QString Success661Text(const pugi::xml_node& root) {
  QString text = QStringLiteral("制单成功！请尽快复核！\r\n凭证号：") +
                 OptionalText(root, "CREDITNO") +
                 QStringLiteral("\r\n请等待下一级复核员复核：\r\n");
  for (const pugi::xml_node& name : root.child("CHECKNAMELIST").children()) {
    if (name.type() == pugi::node_element)
      text += QStringLiteral("  ") + DocumentTextContent(name).trimmed() + QStringLiteral("\r\n");
  }
  return text;
}
