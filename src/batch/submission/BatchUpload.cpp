#include "batch/submission/BatchUpload.h"

#include <pugixml.hpp>

#include "batch/documents/BatchLine.h"
#include "core/IniFile.h"
#include "core/ServerPaths.h"
#include "core/SessionUser.h"
#include "session/transport/GetData.h"
#include "session/transport/MultipartBody.h"
#include "xml/XmlNodes.h"

namespace {

const QString kBoundary = QStringLiteral("---------------------------7d8119e403d4");

// "合计笔数：" ... "操作员号码：" ...: the figures of an accepted upload.
QString Totals(const QString& count, const TUploadVerdict& verdict) {
  const QString crlf = QStringLiteral("\r\n");
  return QStringLiteral("合计笔数：") + count + crlf + QStringLiteral("合计金额：") +
         verdict.AmtNum + crlf + QStringLiteral("操作员姓名：") + verdict.CheckerName + crlf +
         QStringLiteral("操作员号码：") + verdict.CheckerId;
}

void ReadAcceptedFigures(const pugi::xml_node& root, TUploadVerdict& verdict) {
  verdict.AmtNum = RequiredText(root, "AMTNUM");
  verdict.CheckerName = RequiredText(root, "CHECKERNAME");
  verdict.CheckerId = RequiredText(root, "CHECKERID");
}

QList<TFailBat> ReadFails(const pugi::xml_node& list) {
  QList<TFailBat> fails;
  for (const pugi::xml_node& child : list.children()) {
    if (child.type() != pugi::node_element) continue;
    const QString text = xml::TrimControls(DocumentTextContent(child));
    if (!text.isEmpty()) fails.append(ReadFailBat(text));
  }
  return fails;
}

}  // namespace

TUploadRequest UploadRequestFor(qint32 tradeType) {
  if (tradeType == 1) return {QStringLiteral("/NNVX/NECV6NEWB2BFile"), QStringLiteral("NN1310")};
  return {QStringLiteral("/NNVX/NECV5B2BFile"), QStringLiteral("621108")};
}

TSecretBytes UploadBody(const TBatch& batch, const TSecretBytes& password, const TUSER& user,
                        const QString& txCode) {
  QStringList lines;
  int seqNo = 0;
  for (const TPayMoneyInfo& doc : batch) lines.append(BatchLine(doc, ++seqNo));
  return TMultipartBody(kBoundary)
      .AddFile("SEND_FILE", QStringLiteral("C:\\tmp.txt"), lines)
      .AddSecret("PASSWORD", password)
      .AddSession(txCode, user)
      .Finish();
}

QString UploadHeader() {
  return TMultipartBody(kBoundary).Header();
}

TUploadVerdict ReadUploadReply(const QString& replyText, qint32 tradeType,
                               const QString& telephone) {
  pugi::xml_document doc;
  LoadReply(doc, replyText);
  TGetData::CheckReply(doc);
  const pugi::xml_node root = ReplyRoot(doc);
  // CheckReply already refuses a reply without ROOT; this stays in case it stops doing so.
  if (!root) throw EResponseError(QStringLiteral("服务器读取错误。"));

  TUploadVerdict verdict;
  const QString crlf = QStringLiteral("\r\n");
  if (const pugi::xml_node list = root.child("ERRITEMLIST")) {
    verdict.ItemNum = RequiredText(root, "ITEMNUM");
    verdict.Fails = ReadFails(list);
    if (tradeType == 1 && root.child("SUCCNUM")) {
      verdict.Kind = TUploadVerdict::PartialSuccess;
      verdict.SuccNum = RequiredText(root, "SUCCNUM");
      ReadAcceptedFigures(root, verdict);
      verdict.Message =
          QStringLiteral("单据提交部分成功") + crlf + crlf + Totals(verdict.SuccNum, verdict);
    } else {
      verdict.Kind = TUploadVerdict::Failure;
    }
  } else if (root.child("ITEMNUM")) {
    verdict.Kind = TUploadVerdict::Success;
    verdict.ItemNum = RequiredText(root, "ITEMNUM");
    ReadAcceptedFigures(root, verdict);
    verdict.Message =
        QStringLiteral("单据提交成功") + crlf + crlf + Totals(verdict.ItemNum, verdict);
  } else {
    verdict.Kind = TUploadVerdict::Unexpected;
    verdict.Message =
        QStringLiteral("后端交易返回异常，请致电") + telephone + QStringLiteral("咨询。");
  }
  return verdict;
}

QString ServiceTelephone(const TServerConfig& config) {
  return TIniFile(config.ClientSysIni)
      .ReadString(QStringLiteral("B2B"), QStringLiteral("ServiceTel"));
}

TUploadVerdict SubmitBatch(const TBatch& batch, const TSecretBytes& password, TUSER& user,
                           const TServerConfig& config, TPrompts& prompts) {
  const qint32 tradeType = TGetData::QueryTradeType(config, user, prompts);
  const TUploadRequest request = UploadRequestFor(tradeType);

  QString response;
  {
    const TSecretBytes body = UploadBody(batch, password, user, request.TxCode);
    response = TGetData::Post(config.ServerBaseUrl + request.Path, body.View(), UploadHeader());
  }
  return ReadUploadReply(response, tradeType, ServiceTelephone(config));
}
