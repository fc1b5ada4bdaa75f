#pragma once

#include <QList>
#include <QString>
#include <pugixml.hpp>

#include "platform/secrets/SecretBytes.h"

struct TUSER;

// A reviewer the bank offers for the next level: its id and name.
struct TPayReviewer {
  QString Id;
  QString Name;
  bool operator==(const TPayReviewer&) const = default;
};

// The records below carry the names of the bank's elements.
// NOLINTBEGIN(readability-identifier-naming)

// The summary of an uploaded file as the newer interface gives it, and the
// reviewers to choose from.
struct TQueryFileResultResult {
  QString VchID, P_TPL_NO, TRAN_TYPE, VCHR_TP_CODE, SBSTRCVPY_PRJ_TPCD, Prj_Use_ID, Entrst_Prj_ID,
      CCY_ID, Py_Per_Qot, SEL_USER_MODE_CD, FILE_NM, Orig_File_Nm, SCSP_Smy_Dsc, EtrUnt_Nm,
      EtrUnt_AccNo, EtrUnt_Acc_DpBkNm, SRP_TxnAmt, Amount, TDnum, Prj_Use_Nm, Mak_OperName;
  QList<TPayReviewer> Reviewers;  // from "ITEMLIST": WF_EXTR_ID, WF_EXTR_NM
};

// A file the bank is still processing: what its poll sends back.
struct TQueryFileResultRequest {
  QString VCHR_TP_CODE, SBSTRCVPY_PRJ_TPCD, Entrst_Prj_ID, Prj_Use_ID, Prj_Use_Nm, CCY_ID,
      Py_Per_Qot, FILE_NM, Orig_File_Nm, TimeOut, secTimes, TxnSrlNo, EtrUnt_AccNo;
};

// A document the bank is still processing: what its poll sends back.
struct TQueryResultReq {
  QString VchID, P_TPL_NO, TRAN_TYPE, VCHR_TP_CODE, SBSTRCVPY_PRJ_TPCD, SEL_USER_MODE_CD,
      EtrUnt_AccNo, SRP_TxnAmt, TimeOut, secTimes, TxnSrlNo, WF_EXTR_NM;
};

// The outcome of a confirmed document.
struct TQueryResultRes {
  QString VchID, Rsp_ID, SEL_USER_MODE_CD, WF_EXTR_NM, Vchr_St, RDsc, SRP_TxnAmt;
};

// NOLINTEND(readability-identifier-naming)

// Each record from the same-named elements below "ROOT" (missing ones empty).
TQueryFileResultResult ReadFileResult(const pugi::xml_node& root);
TQueryFileResultRequest ReadFileRequest(const pugi::xml_node& root);
TQueryResultRes ReadResult(const pugi::xml_node& root);
// The fields a document poll needs, from the upload's summary and the
// confirmation's reply.
TQueryResultReq ResultRequestOf(const TQueryFileResultResult& upload,
                                const pugi::xml_node& confirmReply);

// The newer interface's requests, all to the main platform path.
QByteArray FilePollBody(const TUSER& user, const TQueryFileResultRequest& request);
QByteArray DocumentPollBody(const TUSER& user, const TQueryResultReq& request);
// N17146: the summary's fields, the password, and the reviewer when one was
// chosen.
TSecretBytes ConfirmN17Body(const TUSER& user, const TQueryFileResultResult& upload,
                            const TSecretBytes& password, const TPayReviewer* reviewer);
