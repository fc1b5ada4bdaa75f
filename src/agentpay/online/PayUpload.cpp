#include "agentpay/online/PayUpload.h"

#include "core/SessionUser.h"
#include "session/transport/MultipartBody.h"

namespace {

const QString kBoundary = QStringLiteral("---------------------------7d819b381f0a8e");

}  // namespace

TPayUploadRequest PayUploadRequestFor(const TUSER& user, const QString& itemEctip) {
  if (UsesN17(user))
    return {QStringLiteral("/NNVX/NECV6NEWB2BFile4BIGFILE"), QStringLiteral("N17141")};
  const QString path = itemEctip.trimmed() == u"0" ? QStringLiteral("/NNVX/NECV5B2BFile")
                                                   : QStringLiteral("/NNVX/NECV5B2BFile4VIP");
  return {path, itemEctip == u"1" ? QStringLiteral("661802") : QStringLiteral("661202")};
}

QStringList UploadFileLines(const QStringList& lines, const QString& separator, bool endSign) {
  QStringList file;
  file.reserve(lines.size());
  for (QString line : lines) {
    if (endSign)
      line += separator;
    else if (line.endsWith(separator))
      line.chop(separator.size());
    if (!line.trimmed().isEmpty()) file.append(line);
  }
  return file;
}

TSecretBytes N17UploadBody(const QStringList& fileLines, const TPaySubmission& submission,
                           const TPayModeLists& lists, const TUSER& user) {
  return TMultipartBody(kBoundary)
      .AddFile("SEND_FILE", QStringLiteral("C:\\Paytmpnew.txt"), fileLines)
      .Add("VCHR_TP_CODE", QStringLiteral("1"))
      .Add("SBSTRCVPY_PRJ_TPCD", QString::number(int(submission.Mode)))
      .Add("Entrst_Prj_ID", submission.Item.ItemId)
      .Add("Prj_Use_ID", submission.Use.UseId)
      .AddUtf8("Prj_Use_Nm", submission.Use.UseCaption)
      .Add("Py_Per_Qot", lists.PyPerQot)
      .Add("ISBIGFILE", lists.IsBigFile)
      .Add("SIGNDAT", lists.SignDat)
      .Add("CCY_ID", lists.CcyId)
      .AddSession(QStringLiteral("N17141"), user)
      .Finish();
}

TSecretBytes Upload661Body(const QStringList& fileLines, const TPaySubmission& submission,
                           const TUSER& user, const QString& txCode) {
  const TPayUse& use = submission.Use;
  return TMultipartBody(kBoundary)
      .AddFile("SEND_FILE", QStringLiteral("C:\\Paytmp.txt"), fileLines)
      .Add("use", use.UseId + u'|' + use.ModeId + u'|' + use.Locked + u'|')
      .Add("TOTALNUM", submission.TotalCount)
      .Add("TOTALAMOUNT1", submission.TotalAmount)
      .Add("TOTALAMOUNT", submission.TotalAmount)
      .Add("ISLOCKED", use.Locked)
      .Add("FILESIZE", submission.Item.FileSize)
      .Add("USE", submission.UseText)
      .Add("BILLDESC", submission.ItemText)
      .Add("TXFLAG", QString::number(int(submission.Mode)))
      .Add("BILL_CODE", submission.Item.ItemId)
      .Add("USEOF_CODE", use.UseId)
      .Add("TEMPLATE_CODE", use.ModeId)
      .Add("IS_ENCRYPT", use.Locked)
      .AddSession(txCode, user)
      .Finish();
}

QString PayUploadHeader() {
  return TMultipartBody(kBoundary).Header();
}
