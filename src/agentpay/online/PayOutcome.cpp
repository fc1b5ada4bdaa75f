#include "agentpay/online/PayOutcome.h"

#include <initializer_list>
#include <utility>

#include "session/transport/FormBody.h"
#include "session/transport/GetData.h"

namespace {

// The element (and form key) of each field of a record, in the order the
// requests send them; a field marked UTF-8 goes out in UTF-8.
template <class Record>
struct TField {
  const char* Name;
  QString Record::*Member;
  bool Utf8 = false;
};

template <class Record>
using TFields = std::initializer_list<TField<Record>>;

using TFileResult = TQueryFileResultResult;
using TFileRequest = TQueryFileResultRequest;

const TFields<TFileResult> kFileResultFields = {
    {"VchID", &TFileResult::VchID},
    {"P_TPL_NO", &TFileResult::P_TPL_NO},
    {"TRAN_TYPE", &TFileResult::TRAN_TYPE},
    {"VCHR_TP_CODE", &TFileResult::VCHR_TP_CODE},
    {"SBSTRCVPY_PRJ_TPCD", &TFileResult::SBSTRCVPY_PRJ_TPCD},
    {"Prj_Use_ID", &TFileResult::Prj_Use_ID},
    {"Entrst_Prj_ID", &TFileResult::Entrst_Prj_ID},
    {"CCY_ID", &TFileResult::CCY_ID},
    {"Py_Per_Qot", &TFileResult::Py_Per_Qot},
    {"SEL_USER_MODE_CD", &TFileResult::SEL_USER_MODE_CD},
    {"FILE_NM", &TFileResult::FILE_NM},
    {"Orig_File_Nm", &TFileResult::Orig_File_Nm},
    {"SCSP_Smy_Dsc", &TFileResult::SCSP_Smy_Dsc},
    {"EtrUnt_Nm", &TFileResult::EtrUnt_Nm},
    {"EtrUnt_AccNo", &TFileResult::EtrUnt_AccNo},
    {"EtrUnt_Acc_DpBkNm", &TFileResult::EtrUnt_Acc_DpBkNm},
    {"SRP_TxnAmt", &TFileResult::SRP_TxnAmt},
    {"Amount", &TFileResult::Amount},
    {"TDnum", &TFileResult::TDnum},
    {"Prj_Use_Nm", &TFileResult::Prj_Use_Nm},
    {"Mak_OperName", &TFileResult::Mak_OperName}};

// What N17146 sends of the summary, in its order.
const TFields<TFileResult> kConfirmFields = {
    {"VchID", &TFileResult::VchID},
    {"P_TPL_NO", &TFileResult::P_TPL_NO},
    {"TRAN_TYPE", &TFileResult::TRAN_TYPE},
    {"VCHR_TP_CODE", &TFileResult::VCHR_TP_CODE},
    {"SBSTRCVPY_PRJ_TPCD", &TFileResult::SBSTRCVPY_PRJ_TPCD},
    {"Prj_Use_ID", &TFileResult::Prj_Use_ID},
    {"Entrst_Prj_ID", &TFileResult::Entrst_Prj_ID},
    {"CCY_ID", &TFileResult::CCY_ID},
    {"Py_Per_Qot", &TFileResult::Py_Per_Qot},
    {"SEL_USER_MODE_CD", &TFileResult::SEL_USER_MODE_CD},
    {"FILE_NM", &TFileResult::FILE_NM, true},
    {"Orig_File_Nm", &TFileResult::Orig_File_Nm, true},
    {"EtrUnt_AccNo", &TFileResult::EtrUnt_AccNo},
    {"SRP_TxnAmt", &TFileResult::SRP_TxnAmt},
    {"TDnum", &TFileResult::TDnum},
    {"SCSP_Smy_Dsc", &TFileResult::SCSP_Smy_Dsc, true}};

const TFields<TFileRequest> kFileRequestFields = {
    {"VCHR_TP_CODE", &TFileRequest::VCHR_TP_CODE},
    {"SBSTRCVPY_PRJ_TPCD", &TFileRequest::SBSTRCVPY_PRJ_TPCD},
    {"Entrst_Prj_ID", &TFileRequest::Entrst_Prj_ID},
    {"Prj_Use_ID", &TFileRequest::Prj_Use_ID},
    {"Prj_Use_Nm", &TFileRequest::Prj_Use_Nm, true},
    {"CCY_ID", &TFileRequest::CCY_ID},
    {"Py_Per_Qot", &TFileRequest::Py_Per_Qot},
    {"FILE_NM", &TFileRequest::FILE_NM, true},
    {"Orig_File_Nm", &TFileRequest::Orig_File_Nm, true},
    {"TimeOut", &TFileRequest::TimeOut},
    {"secTimes", &TFileRequest::secTimes},
    {"TxnSrlNo", &TFileRequest::TxnSrlNo},
    {"EtrUnt_AccNo", &TFileRequest::EtrUnt_AccNo}};

const TFields<TQueryResultReq> kResultRequestFields = {
    {"VchID", &TQueryResultReq::VchID},
    {"P_TPL_NO", &TQueryResultReq::P_TPL_NO},
    {"TRAN_TYPE", &TQueryResultReq::TRAN_TYPE},
    {"VCHR_TP_CODE", &TQueryResultReq::VCHR_TP_CODE},
    {"SBSTRCVPY_PRJ_TPCD", &TQueryResultReq::SBSTRCVPY_PRJ_TPCD},
    {"SEL_USER_MODE_CD", &TQueryResultReq::SEL_USER_MODE_CD},
    {"EtrUnt_AccNo", &TQueryResultReq::EtrUnt_AccNo},
    {"SRP_TxnAmt", &TQueryResultReq::SRP_TxnAmt},
    {"TimeOut", &TQueryResultReq::TimeOut},
    {"secTimes", &TQueryResultReq::secTimes},
    {"TxnSrlNo", &TQueryResultReq::TxnSrlNo},
    {"WF_EXTR_NM", &TQueryResultReq::WF_EXTR_NM, true}};

const TFields<TQueryResultRes> kResultFields = {
    {"VchID", &TQueryResultRes::VchID},
    {"Rsp_ID", &TQueryResultRes::Rsp_ID},
    {"SEL_USER_MODE_CD", &TQueryResultRes::SEL_USER_MODE_CD},
    {"WF_EXTR_NM", &TQueryResultRes::WF_EXTR_NM},
    {"Vchr_St", &TQueryResultRes::Vchr_St},
    {"RDsc", &TQueryResultRes::RDsc},
    {"SRP_TxnAmt", &TQueryResultRes::SRP_TxnAmt}};

template <class Record>
Record ReadFields(const pugi::xml_node& root, TFields<Record> fields) {
  Record record;
  for (const TField<Record>& field : fields) record.*field.Member = OptionalText(root, field.Name);
  return record;
}

template <class Record>
void AddFields(TFormBody& body, const Record& record, TFields<Record> fields) {
  for (const TField<Record>& field : fields) {
    if (field.Utf8)
      body.AddUtf8(field.Name, record.*field.Member);
    else
      body.Add(field.Name, record.*field.Member);
  }
}

}  // namespace

TQueryFileResultResult ReadFileResult(const pugi::xml_node& root) {
  TQueryFileResultResult result = ReadFields(root, kFileResultFields);
  for (const pugi::xml_node& item : root.child("ITEMLIST").children()) {
    if (item.type() == pugi::node_element)
      result.Reviewers.append({OptionalText(item, "WF_EXTR_ID"), OptionalText(item, "WF_EXTR_NM")});
  }
  return result;
}

TQueryFileResultRequest ReadFileRequest(const pugi::xml_node& root) {
  return ReadFields(root, kFileRequestFields);
}

TQueryResultRes ReadResult(const pugi::xml_node& root) {
  return ReadFields(root, kResultFields);
}

TQueryResultReq ResultRequestOf(const TQueryFileResultResult& upload,
                                const pugi::xml_node& confirmReply) {
  TQueryResultReq request;
  request.VchID = upload.VchID;
  request.P_TPL_NO = upload.P_TPL_NO;
  request.TRAN_TYPE = upload.TRAN_TYPE;
  request.VCHR_TP_CODE = upload.VCHR_TP_CODE;
  request.SBSTRCVPY_PRJ_TPCD = upload.SBSTRCVPY_PRJ_TPCD;
  request.SEL_USER_MODE_CD = upload.SEL_USER_MODE_CD;
  request.EtrUnt_AccNo = upload.EtrUnt_AccNo;
  request.SRP_TxnAmt = upload.SRP_TxnAmt;
  request.TimeOut = OptionalText(confirmReply, "TimeOut");
  request.secTimes = OptionalText(confirmReply, "secTimes");
  request.TxnSrlNo = OptionalText(confirmReply, "TxnSrlNo");
  request.WF_EXTR_NM = OptionalText(confirmReply, "WF_EXTR_NM");
  return request;
}

QByteArray FilePollBody(const TUSER& user, const TQueryFileResultRequest& request) {
  TFormBody body = TFormBody::AgentPay(QStringLiteral("N17144"), user);
  AddFields(body, request, kFileRequestFields);
  return body.Bytes();
}

QByteArray DocumentPollBody(const TUSER& user, const TQueryResultReq& request) {
  TFormBody body = TFormBody::AgentPay(QStringLiteral("N17145"), user);
  AddFields(body, request, kResultRequestFields);
  return body.Bytes();
}

TSecretBytes ConfirmN17Body(const TUSER& user, const TQueryFileResultResult& upload,
                            const TSecretBytes& password, const TPayReviewer* reviewer) {
  TFormBody head = TFormBody::AgentPay(QStringLiteral("N17146"), user);
  AddFields(head, upload, kConfirmFields);
  TFormBody rest;
  if (reviewer) rest.Add("WF_EXTR_ID", reviewer->Id).AddUtf8("WF_EXTR_NM", reviewer->Name);
  return head.WithSecret("PASSWORD", password, rest);
}
