#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <pugixml.hpp>

#include "session/transport/ListRecords.h"

struct TUSER;

// The lists of the result-download screen: the company's accounts (TACCItem:
// AccNo sent as ACCNO, Display as "付款账号：" shows it), the
// collection items (older interface) and the date before which the newer
// interface keeps no documents.
struct TEPAY {
  QString BillCode;  // sent as EITEM
  QString Text;
};
struct TPayResultLists {
  QList<TACCItem> Accounts;
  QList<TEPAY> Items;
  QString MovDate;  // N17 only
};

// N19101 or 661504.
QByteArray ResultListsBody(const TUSER& user);
TPayResultLists ReadResultLists(const TUSER& user, const pugi::xml_node& root);

// The conditions of a document query and the page asked for.
// NOLINTBEGIN(readability-identifier-naming): the bank's names of the fields
struct TDFDKReqDate {
  QString ACCNO, TRANTYPE, COMPLETED, STARTDATE, ENDDATE, TOAMMOUNT, FROMAMMOUNT, CREDITNO, EITEM;
  int Page = 1;
  int Pages = 0;
};
// NOLINTEND(readability-identifier-naming)

// N19102 or 661501 for the conditions' page.
QByteArray ResultQueryBody(const TUSER& user, const TDFDKReqDate& request);

// One document of a page as the grid shows it, with the fields the download
// needs.
struct TPayResultDoc {
  QString CreditNo;     // "凭证号码"
  QString Item;         // "项目"
  QString Use;          // "用途"
  QString FileName;     // "代发代扣文件名"
  QString TotalAmount;  // "总金额（元）"
  QString TotalNum;     // "总笔数"
  QString SuccAmount;   // "成功金额（元）"
  QString SuccNum;      // "成功笔数"
  QString StateText;    // "票据状态"
  QString MadeAt;       // "制单时间"
  QString Contents;     // "可下载内容"
  QString Status;
  QString IsEctip;
  QString IsDownload;
  QString FileType;
  QString BatchId;    // "批次编号"
  QString JournalId;  // "交易流水编号"
};

struct TPayResultPage {
  int Page = 0;
  int Pages = 0;
  QList<TPayResultDoc> Docs;
};

TPayResultPage ReadResultPage(const TUSER& user, const pugi::xml_node& root);

// The state texts: the newer interface's codes ("700" "成功"), the older
// interface's ("3" "账务系统处理成功"); an unknown code shows nothing.
QString N17StateText(const QString& code);
QString State661Text(const QString& code);
// "单据状态：" of the newer interface in its order; the text's code goes out.
QStringList N17StateChoices();
QString N17StateCode(const QString& text);
// "单据状态：" of the older interface; the index goes out.
QStringList StateChoices661();
// "可下载内容" of an older-interface document.
QString ContentsText(const QString& isDownload, const QString& status, const QString& isEctip);

// The checks of the conditions in their order: the message of the first that
// fails and the field to put the focus on, or nothing.
struct TConditionProblem {
  QString Message;
  enum TField { None, StartDate, EndDate, LowAmount, HighAmount } Field = None;
};
TConditionProblem CheckConditions(const QString& startDate, const QString& endDate,
                                  const QString& lowAmount, const QString& highAmount,
                                  const QString& movDate);
