#include <gtest/gtest.h>

#include "certpay/books/CertPayBooks.h"
#include "certpay/books/CertRegisterBooks.h"
#include "certpay/records/CertChecks.h"
#include "certpay/records/CertRegisterLine.h"
#include "platform/codec/Gbk.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

TUserInput Document() {
  TUserInput doc;
  doc.PayerAccNo = "110001";
  doc.PayerAccName = U("财政局");
  doc.PayeeBankFlag = U("0-他行");
  doc.PayeeAccNo = "6222";
  doc.PayeeAccName = U("张三");
  doc.PayerCounterName = U("北京分行");
  doc.PayeeCounterName = U("某银行海淀支行");
  doc.PayeeUBankNo = "321290000027";
  doc.BudgetManage = "BM";
  doc.FuncType = "FT";
  doc.EconomyType = "ET";
  doc.PayoutType = "PT";
  doc.BudgetSource = "BS";
  doc.ProjectId = "P9";
  doc.CreditNo = "C7";
  doc.Usge = U("工资");
  doc.Remark = "";
  doc.Amt = "1500.5";
  doc.PayeeAccKind = U("对私账号");
  return doc;
}

TEST(PaymentLine, isWrittenPieceByPieceAndReadBackWithTheCodesTurnedIntoTexts) {
  const TUserInput doc = Document();
  const QString line = PaymentLine(doc, 7);
  EXPECT_EQ(line, U("007|110001|财政局|2|6222|张三|北京分行|某银行海淀支行|321290000027|"
                    "BM|FT|ET|PT|BS||C7|工资||1500.5|P|P9"));

  std::optional<TUserInput> read = ReadPaymentLine(line);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->SeqNo, "007");
  EXPECT_EQ(read->PayeeBankFlag, U("2-他行"));
  read->SeqNo.clear();
  read->PayeeBankFlag = doc.PayeeBankFlag;
  EXPECT_EQ(PaymentLine(*read, 7), line);
  for (const TRecordField<TUserInput>& field : TUserInput::Fields())
    EXPECT_EQ(field.Text(*read), field.Text(doc)) << field.Name;

  TUserInput own = doc;
  own.PayeeBankFlag = U("1-维行");
  own.PayeeAccKind = U("对公账号");
  EXPECT_EQ(ReadPaymentLine(PaymentLine(own, 1))->PayeeBankFlag, U("1-维行"));
  EXPECT_EQ(ReadPaymentLine(PaymentLine(own, 1))->PayeeAccKind, U("对公账号"));
  TUserInput unflagged = doc;
  unflagged.PayeeBankFlag.clear();
  unflagged.PayeeAccKind.clear();
  EXPECT_TRUE(PaymentLine(unflagged, 1000).startsWith(U("1000|110001|财政局|2|")));
  EXPECT_TRUE(PaymentLine(unflagged, 1000).endsWith(U("|1500.5|U|P9")));
  EXPECT_EQ(ReadPaymentLine(PaymentLine(unflagged, 1))->PayeeBankFlag, U("2-他行"));

  const QByteArray file = CertPayFileBytes([&] {
    TOwningList<TUserInput> docs;
    docs.Append(std::make_unique<TUserInput>(doc));
    docs.Append(std::make_unique<TUserInput>(own));
    return docs;
  }());
  EXPECT_EQ(file, codec::ToGbk(PaymentLine(doc, 1) + "\r\n" + PaymentLine(own, 2) + "\r\n"));
}

TEST(PaymentLine, refusesLinesOfOtherLengthsBarsInValuesAndAmountsThatAreNoPayment) {
  const QStringList pieces = PaymentPieces(Document(), 1);
  EXPECT_TRUE(ReadPaymentLine(pieces.join('|')));
  EXPECT_FALSE(ReadPaymentLine(pieces.mid(0, 20).join('|')));
  EXPECT_FALSE(ReadPaymentLine(pieces.join('|') + "|"));
  QStringList barred = pieces;
  barred[5] = U("张|三");
  EXPECT_FALSE(ReadPaymentPieces(barred));
  barred = pieces;
  barred[14] = "|";  // never read
  EXPECT_TRUE(ReadPaymentPieces(barred));

  for (const char* amount : {"0", "abc", "0.00", "0.001", "0.0001", "1e3", "-5", " 5", ""}) {
    QStringList bad = pieces;
    bad[18] = amount;
    EXPECT_FALSE(ReadPaymentPieces(bad)) << amount;
  }
  QStringList cent = pieces;
  cent[18] = "0.01";
  EXPECT_EQ(ReadPaymentPieces(cent)->Amount(), TAmount::FromUnits(100));
}

TEST(CertChecks, documentChecksRunInOrderAndRefuseAmountsBelowAFenAndBars) {
  TUserInput doc = Document();
  EXPECT_FALSE(CheckUserInput(doc));

  TUserInput missing = doc;
  missing.PayeeAccName = "  ";
  missing.Usge.clear();
  EXPECT_EQ(CheckUserInput(missing)->Message, U("收款户名不能为空"));
  EXPECT_EQ(CheckUserInput(missing)->Field, &TUserInput::PayeeAccName);

  TUserInput noUBank = doc;
  noUBank.PayeeUBankNo.clear();
  EXPECT_EQ(CheckUserInput(noUBank)->Message, U("他行人行联行号不能为空"));
  noUBank.PayeeBankFlag = U("1-维行");
  EXPECT_FALSE(CheckUserInput(noUBank));

  for (const char* amount : {"0.00", "0.001", "0.0001", "abc", "1,000"}) {
    doc.Amt = amount;
    EXPECT_EQ(CheckUserInput(doc)->Message, U("请输入正确的交易金额!")) << amount;
    EXPECT_EQ(CheckUserInput(doc)->Field, &TUserInput::Amt);
  }
  doc.Amt = " 0.01 ";
  EXPECT_FALSE(CheckUserInput(doc));

  doc.Remark = U("备|注");
  EXPECT_EQ(CheckUserInput(doc)->Message, U("备注不能包含字符“|”！"));
  TCertPayee payee;
  payee.AccNo = "1";
  payee.AccName = U("甲|乙");
  payee.CounterName = "X";
  payee.IsNVX = "1";
  EXPECT_EQ(CheckCertPayee(payee)->Message, U("收款账户名称不能包含字符“|”！"));
  payee.AccName = U("甲");
  payee.IsNVX = "0";
  EXPECT_EQ(CheckCertPayee(payee)->Message, U("他行人行联行号不能为空"));
  EXPECT_EQ(CheckCertPayee(payee)->Field, &TCertPayee::UBankNo);
}

TEST(CertRegisterText, holdsTheCaptionLineThenCodesAndReadsLinesOfEnoughPieces) {
  TOwningList<TCertPayee> payees;
  TCertPayee& payee = payees.Append(std::make_unique<TCertPayee>());
  payee.AccNo = "6222";
  payee.AccName = U("张三");
  payee.CounterName = U("某支行");
  payee.IsNVX = "0";
  payee.IsPsnAcc = "P";
  EXPECT_EQ(CertRegisterText(payees, U("收款账号|收款账户名称")),
            codec::ToGbk(U("收款账号|收款账户名称\r\n6222|张三|某支行||0|P\r\n")));

  EXPECT_FALSE(ReadCertRegisterLine<TCertPayee>("6222|a|b||0"));
  const std::optional<TCertPayee> read = ReadCertRegisterLine<TCertPayee>("6222|a|b|9|0|P|extra");
  ASSERT_TRUE(read);
  EXPECT_EQ(CertRegisterLine(*read), "6222|a|b|9|0|P");
  EXPECT_EQ(ReadCertRegisterLine<TCertPayer>("1|2|3|")->CounterName, "3");
  EXPECT_FALSE(ReadCertRegisterLine<TCertAddInfo>("1|2|3|4|5"));
}

}  // namespace
