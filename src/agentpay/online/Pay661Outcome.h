#pragma once

#include <QList>
#include <QString>
#include <pugixml.hpp>

#include "agentpay/online/PayOutcome.h"
#include "platform/secrets/SecretBytes.h"

struct TUSER;

// What the older interface answers to an upload: what the confirmation dialog
// shows, and what its confirmation sends back.
struct TPay661Upload {
  QString PayNum, PayTime, Amount, AmtNum, Use, Maker, AccNo, AccName, Bank;
  QString CreditNo, ProcessIdx, IsEncrypt, TxFlag, UseOfCode, IsManager, BillDesc, BillCode,
      IsCheckAcc, SendFile, Md5, SelectOper;
  QList<TPayReviewer> Reviewers;  // "CHECKLIST": CHECKID, CHECKNAME
};

TPay661Upload Read661Upload(const pugi::xml_node& root);

// "yyyyMMddhhmmss" shown as "yyyy-MM-dd hh:mm:ss"; other text as it is.
QString UploadTimeText(const QString& payTime);

// 661223. The shown values (account, amount, use, count) are those of the
// upload; isPay is "1" for 批量代扣, else "0". With SELECTOPER "0" the chosen
// reviewer goes as CHECK_ID and CHECK_NAME, otherwise every reviewer does, in
// list order.
TSecretBytes Confirm661Body(const TUSER& user, const TPay661Upload& upload, const QString& isPay,
                            const QString& itemEctip, const TPayReviewer* chosen,
                            const TSecretBytes& password);

// The information the clerk gets when a confirmation went through.
QString N17SuccessText(const QString& tranType, const QString& vchId);
QString Success661Text(const pugi::xml_node& root);
