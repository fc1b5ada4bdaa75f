#include "agentpay/online/PayResultFiles.h"

#include "agentpay/online/PayResults.h"
#include "core/SessionUser.h"
#include "session/transport/FormBody.h"

QByteArray ResultFileNameBody(const TUSER& user, const TPayResultDoc& doc, const QString& choice) {
  return TFormBody::Standard(QStringLiteral("N19107"), user)
      .Add("VchID", doc.CreditNo)
      .Add("Btch_ID", doc.BatchId)
      .Add("Txn_Jrnl_ID", doc.JournalId)
      .Add("Fmt_File_TpCd", choice)
      .Bytes();
}

TRemoteFile SplitRemoteFile(const QString& recptFileNm) {
  const qsizetype slash = recptFileNm.lastIndexOf(QLatin1Char('/'));
  if (slash < 0) return {QString(), recptFileNm};
  return {recptFileNm.left(slash), recptFileNm.mid(slash + 1)};
}

QByteArray N17FileBody(const TUSER& user, const TRemoteFile& file) {
  return TFormBody()
      .Add("TXCODE", QString())
      .Add("SKEY", user.SKey)
      .Add("CUSTOMERID", user.CustId)
      .Add("USERID", user.UserId)
      .Add("PT_LANGUAGE", QStringLiteral("CN"))
      .Add("NVX_IBSVersion", QStringLiteral("V6"))
      .Add("FILEPATH", file.Path)
      .Add("SOURCE", file.Name)
      .Add("FILENAME", file.Name)
      .Add("NAMEFLAG", QStringLiteral("1"))
      .Add("LOCAL_REMOTE", QStringLiteral("1"))
      .Add("IS_VERIFY", QStringLiteral("0"))
      .Bytes();
}

QByteArray File661Body(const TUSER& user, const QString& source) {
  return TFormBody()
      .Add("SKEY", user.SKey)
      .Add("CUSTOMERID", user.CustId)
      .Add("USERID", user.UserId)
      .Add("FILEPATH", QStringLiteral("B2B.customer.bill"))
      .Add("FILENAME", QString())
      .Add("SOURCE", source)
      .Add("NAMEFLAG", QStringLiteral("1"))
      .Add("LOCAL_REMOTE", QStringLiteral("0"))
      .Add("IS_VERIFY", QStringLiteral("0"))
      .Add("TXCODE", QStringLiteral("660702"))
      .Bytes();
}

bool Chooses661Kind(const TPayResultDoc& doc) {
  return doc.IsEctip == u"1";
}

QString File661Name(const TPayResultDoc& doc) {
  const QString name = doc.FileName.trimmed();
  return Chooses661Kind(doc) && doc.FileType == u"false" ? name + QStringLiteral(".zip") : name;
}
