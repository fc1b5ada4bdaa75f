#pragma once

#include <QString>
#include <QStringList>

#include "agentpay/online/PayLists.h"
#include "platform/secrets/SecretBytes.h"

struct TUSER;

// Where an upload goes and under which transaction code.
struct TPayUploadRequest {
  QString Path;  // appended to the server base URL
  QString TxCode;
};

// N17: "/NNVX/NECV6NEWB2BFile4BIGFILE" with N17141. 661: "/NNVX/NECV5B2BFile"
// when the item's ItemEctip (trimmed) is "0", else "/NNVX/NECV5B2BFile4VIP";
// 661802 when ItemEctip is exactly "1", else 661202.
TPayUploadRequest PayUploadRequestFor(const TUSER& user, const QString& itemEctip);

// The file the bank is sent, from the committed record lines: with the end
// sign each line gets the separator, without it a line ending with the
// separator loses it; lines blank after that are left out.
QStringList UploadFileLines(const QStringList& lines, const QString& separator, bool endSign);

// What the clerk chose on the submission panel.
struct TPaySubmission {
  TPayMode Mode = TPayMode::Pay;
  TPayItem Item;
  TPayUse Use;
  QString ItemText;     // as "项目名称：" shows it
  QString UseText;      // as "用途：" shows it
  QString TotalCount;   // "总笔数：", empty without the control totals
  QString TotalAmount;  // "总金额：", empty without the control totals
};

// The N17141 upload body: the file "C:\Paytmpnew.txt", then the choices, the
// mode's list parameters and the session.
TSecretBytes N17UploadBody(const QStringList& fileLines, const TPaySubmission& submission,
                           const TPayModeLists& lists, const TUSER& user);
// The 661202 / 661802 upload body: the file "C:\Paytmp.txt", then the choices
// and the session.
TSecretBytes Upload661Body(const QStringList& fileLines, const TPaySubmission& submission,
                           const TUSER& user, const QString& txCode);
// The extra header line of both uploads.
QString PayUploadHeader();
