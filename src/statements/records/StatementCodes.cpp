#include "statements/records/StatementCodes.h"

#include <array>
#include <utility>

#include "statements/records/LineSplit.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QString StatusName(QStringView status, bool withAccepting) {
  static const std::array<std::pair<char16_t, const char*>, 12> kNames = {{
      {u'0', "凭证已提交，等待银行处理"},
      {u'7', "凭证已提交，等待银行处理"},
      {u'8', "凭证已提交，等待银行处理"},
      {u'9', "凭证已提交，等待银行处理"},
      {u'1', "已制单等待复核"},
      {u'2', "银行受理成功"},
      {u'3', "银行受理成功"},
      {u'4', "银行受理成功"},
      {u'5', "很抱歉，该笔交易失败"},
      {u'6', "不确定"},
      {u'A', "复核未通过"},
      {u'C', "银行受理中"},
  }};
  const QStringView code = TrimField(status);
  if (code.size() != 1) return {};
  for (const auto& [key, name] : kNames)
    if (code[0] == key && (withAccepting || key != u'C')) return U(name);
  return {};
}

}  // namespace

QString DebitCreditName(QStringView flag) {
  const QStringView code = TrimField(flag);
  if (code == u"0") return U("借方");
  if (code == u"1") return U("贷方");
  return {};
}

QString CashRemitName(QStringView oid) {
  const QStringView code = TrimField(oid);
  if (code == u"0") return U("钞户");
  if (code == u"1") return U("汇户");
  return {};
}

std::optional<QString> CurrencyName(QStringView code) {
  static const std::array<std::pair<int, const char*>, 21> kNames = {{
      {0, "多币种"},          {1, "人民币"},        {12, "英镑"},     {13, "港币"},
      {14, "美元"},           {15, "瑞士法郎"},     {16, "德国马克"}, {17, "法国法郎"},
      {20, "荷兰盾"},         {25, "比利时法郎"},   {27, "日元"},     {28, "加拿大元"},
      {29, "澳大利亚元"},     {31, "西班牙比塞塔"}, {33, "欧元"},     {40, "奥地利先令"},
      {42, "芬兰马克"},       {67, "意大利里拉"},   {88, "爱尔兰镑"}, {89, "卢森堡法郎"},
      {90, "葡萄牙埃斯库多"},
  }};
  bool isInteger = false;
  const int number = TrimField(code).toInt(&isInteger);
  if (!isInteger) return std::nullopt;
  for (const auto& [key, name] : kNames)
    if (key == number) return U(name);
  return QString();
}

QString TransferStatusName(QStringView status) {
  return StatusName(status, true);
}

QString ReceiptStatusName(QStringView status) {
  return StatusName(status, false);
}
