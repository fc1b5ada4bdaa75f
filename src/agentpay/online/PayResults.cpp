#include "agentpay/online/PayResults.h"

#include <array>
#include <utility>

#include "agentpay/online/PayLists.h"
#include "core/Amount.h"
#include "core/AmountRange.h"
#include "core/SessionUser.h"
#include "core/TextHelpers.h"
#include "session/transport/FormBody.h"
#include "session/transport/GetData.h"

namespace {

const std::array<std::pair<const char*, const char*>, 13> kN17States = {{
    {"700", "成功"},
    {"200", "待复核"},
    {"300", "复核不通过"},
    {"400", "复核完毕，等待银行处理"},
    {"401", "复核完毕，等待发送"},
    {"500", "已收回"},
    {"600", "已删除"},
    {"800", "失败"},
    {"901", "账务系统成功接收"},
    {"902", "账务系统检核完毕"},
    {"903", "账务系统下账"},
    {"904", "账务系统处理完成"},
    {"000", "已撤销"},
}};

const std::array<std::pair<const char*, const char*>, 8> k661States = {{
    {"0", "已记账未复核"},
    {"1", "复核中"},
    {"2", "复核完毕，等待账务系统处理"},
    {"3", "账务系统处理成功"},
    {"4", "账务系统处理失败"},
    {"5", "处理交易不确定"},
    {"9", "复核完毕,等待发送"},
    {"A", "废单"},
}};

template <std::size_t N>
QString TextOf(const std::array<std::pair<const char*, const char*>, N>& table,
               const QString& code) {
  for (const auto& [key, text] : table)
    if (code == QLatin1String(key)) return QString::fromUtf8(text);
  return {};
}

template <class Read>
void ForEachEntry(const pugi::xml_node& list, Read read) {
  for (const pugi::xml_node& entry : list.children())
    if (entry.type() == pugi::node_element) read(entry);
}

int PageNumber(const pugi::xml_node& root, const char* name) {
  return OptionalText(root, name).toInt();
}

bool IsDate(const QString& text) {
  try {
    return IsValidDate(text);
  } catch (const TConversionError&) {
    return false;
  }
}

// A date was typed that is not eight digits making a real date.
bool DateFails(const QString& date) {
  return !date.isEmpty() && !IsDate(date);
}

}  // namespace

QByteArray ResultListsBody(const TUSER& user) {
  if (UsesN17(user))
    return TFormBody::Standard(QStringLiteral("N19101"), user)
        .Add("TRAN_TYPE", QStringLiteral("0"))
        .Bytes();
  return TFormBody::Standard(QStringLiteral("661504"), user).Bytes();
}

TPayResultLists ReadResultLists(const TUSER& user, const pugi::xml_node& root) {
  TPayResultLists lists;
  const QString gap = QStringLiteral("  ");
  if (UsesN17(user)) {
    lists.MovDate = OptionalText(root, "MOV_DATE");
    ForEachEntry(root.child("ITEMLIST"), [&](const pugi::xml_node& item) {
      const QString accNo = OptionalText(item, "EtrUnt_AccNo");
      TACCItem account;
      account.AccNo = accNo;
      account.AccName = OptionalText(item, "EtrUnt_AccNm");
      account.Display = account.AccName + gap + accNo + gap + QStringLiteral("人民币");
      lists.Accounts.append(account);
    });
    return lists;
  }
  ForEachEntry(root.child("ACCLIST"), [&](const pugi::xml_node& acc) {
    TACCItem account;
    account.AccNo = OptionalText(acc, "ACCNO");
    account.AccName = OptionalText(acc, "ACCNAME");
    account.AccType = OptionalText(acc, "ACCTYPE");
    account.CurType = OptionalText(acc, "CURTYPE");
    account.BankName = OptionalText(acc, "OPENDEPT");
    account.Display = account.AccName + gap + account.AccNo + gap + account.CurType + gap +
                      account.BankName + gap +
                      (account.AccType == u"0" ? QStringLiteral("签约") : QStringLiteral("授权"));
    lists.Accounts.append(account);
  });
  ForEachEntry(root.child("EPAYLIST"), [&](const pugi::xml_node& item) {
    const QString code = OptionalText(item, "BILLCODE");
    lists.Items.append({code, OptionalText(item, "BILLDESC") + gap + code});
  });
  return lists;
}

QByteArray ResultQueryBody(const TUSER& user, const TDFDKReqDate& request) {
  const QString page = QString::number(request.Page);
  if (UsesN17(user)) {
    return TFormBody::Standard(QStringLiteral("N19102"), user)
        .Add("CREDIT_NO", request.CREDITNO)
        .Add("Vchr_StDt", request.STARTDATE)
        .Add("Vchr_CODt", request.ENDDATE)
        .Add("Vchr_Beg_Amt", request.FROMAMMOUNT)
        .Add("Vchr_CtOf_Amt", request.TOAMMOUNT)
        .Add("EtrUnt_AccNo", request.ACCNO)
        .Add("VCHR_TP_CODE", QStringLiteral("1"))
        .Add("Vchr_St", request.COMPLETED)
        .Add("SBSTRCVPY_PRJ_TPCD", request.TRANTYPE)
        .Add("PAGE", page)
        .Bytes();
  }
  return TFormBody::Standard(QStringLiteral("661501"), user)
      .Add("TRANTYPE", request.TRANTYPE)
      .Add("EITEM", request.EITEM)
      .Add("COMPLETED", request.COMPLETED)
      .Add("STARTDATE", request.STARTDATE)
      .Add("ENDDATE", request.ENDDATE)
      .Add("FROMAMMOUNT", request.FROMAMMOUNT)
      .Add("TOAMMOUNT", request.TOAMMOUNT)
      .Add("CREDITNO", request.CREDITNO)
      .Add("ACCNO", request.ACCNO)
      .Add("PAGE", page)
      .Bytes();
}

TPayResultPage ReadResultPage(const TUSER& user, const pugi::xml_node& root) {
  TPayResultPage page;
  page.Page = PageNumber(root, "PAGE");
  if (UsesN17(user)) {
    page.Pages = PageNumber(root, "TOTAL_PAGE");
    ForEachEntry(root.child("ITEMLIST"), [&](const pugi::xml_node& item) {
      const auto text = [&item](const char* name) { return OptionalText(item, name); };
      TPayResultDoc doc;
      doc.CreditNo = text("VchID");
      doc.Item = text("Entrst_Prj_Nm");
      doc.Use = text("Prj_Use_Nm");
      doc.FileName = text("FILE_NM");
      doc.TotalAmount = text("TAmt");
      doc.TotalNum = text("TDnum");
      doc.SuccAmount = text("Scss_Amt");
      doc.SuccNum = text("Scss_Dnum");
      doc.MadeAt = text("Vchr_Gen_Dt");
      doc.BatchId = text("Btch_ID");
      doc.JournalId = text("Txn_Jrnl_ID");
      doc.Status = text("Vchr_St");
      doc.IsDownload = text("ISDOWNLOAD");
      doc.StateText = N17StateText(doc.Status);
      page.Docs.append(doc);
    });
    return page;
  }
  page.Pages = PageNumber(root, "PAGES");
  const QString fileType = OptionalText(root, "FILETYPE");
  ForEachEntry(root.child("BILLLIST"), [&](const pugi::xml_node& bill) {
    const auto text = [&bill](const char* name) { return OptionalText(bill, name); };
    TPayResultDoc doc;
    doc.CreditNo = text("CREDIT_NO");
    doc.Item = text("BILLDESC");
    doc.Use = text("USEOFDESC");
    doc.FileName = text("FILENAME");
    doc.TotalAmount = text("TOTALAMOUNT");
    doc.TotalNum = text("TOTALNUM");
    doc.SuccAmount = text("SUCCAMOUNT");
    doc.SuccNum = text("SUCCNUM");
    doc.MadeAt = text("MAKDATE");
    doc.Status = text("STATUS");
    doc.IsDownload = text("ISDOWNLOAD");
    doc.IsEctip = text("ISECTIP");
    doc.FileType = fileType;
    doc.StateText = State661Text(doc.Status);
    doc.Contents = ContentsText(doc.IsDownload, doc.Status, doc.IsEctip);
    page.Docs.append(doc);
  });
  return page;
}

QString N17StateText(const QString& code) {
  return TextOf(kN17States, code);
}

QString State661Text(const QString& code) {
  return TextOf(k661States, code);
}

QStringList N17StateChoices() {
  QStringList texts;
  for (const auto& state : kN17States) texts << QString::fromUtf8(state.second);
  return texts;
}

QString N17StateCode(const QString& text) {
  for (const auto& [code, shown] : kN17States)
    if (text == QString::fromUtf8(shown)) return QString::fromLatin1(code);
  return {};
}

QStringList StateChoices661() {
  return {QStringLiteral("完成单据"), QStringLiteral("未完成单据"), QStringLiteral("全部单据")};
}

QString ContentsText(const QString& isDownload, const QString& status, const QString& isEctip) {
  if (isDownload != u"1" || status != u"3") return {};
  return isEctip == u"1" ? QStringLiteral("全部，成功，失败") : QStringLiteral("全部");
}

TConditionProblem CheckConditions(const QString& startDate, const QString& endDate,
                                  const QString& lowAmount, const QString& highAmount,
                                  const QString& movDate) {
  if (DateFails(startDate))
    return {QStringLiteral("起止日期输入格式不合法！正确输入应为YYYYMMDD格式！"),
            TConditionProblem::StartDate};
  if (!startDate.isEmpty() && startDate < movDate)
    return {QStringLiteral("系统升级之前的流水请到网银页面查询，升级日期[") + movDate +
                QStringLiteral("]"),
            TConditionProblem::StartDate};
  if (DateFails(endDate))
    return {QStringLiteral("截止日期输入格式不合法！正确输入应为YYYYMMDD格式！"),
            TConditionProblem::EndDate};
  const TAmountRangeFault fault = CheckAmountRange(lowAmount, highAmount);
  if (fault == TAmountRangeFault::None) return {};
  return {AmountRangeMessage(fault), fault == TAmountRangeFault::Low
                                         ? TConditionProblem::LowAmount
                                         : TConditionProblem::HighAmount};
}
