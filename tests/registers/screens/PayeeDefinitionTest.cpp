#include <gtest/gtest.h>

#include <memory>

#include "registers/screens/PayeeDefinition.h"
#include "support/StartedRegisters.h"
#include "support/TempAppDir.h"

namespace {

using TMode = TPayeeDefinition::TMode;

TBranch Beijing() {
  return {"110", "北京市分行", {{"110001", "北京西城支行", "313100000011"}}};
}

TPayeeInfo Payee(const char* accNo, const char* isNvx) {
  TPayeeInfo payee;
  payee.RcvAccNo = accNo;
  payee.RcvAccName = "原名称";
  payee.IsNVX = isNvx;
  return payee;
}

class PayeeDefinitionTest : public testing::Test {
 protected:
  void Register(TOwningList<TPayeeInfo>& list, const char* accNo, const char* isNvx) {
    list.Append(std::make_unique<TPayeeInfo>(Payee(accNo, isNvx)));
  }

  // A complete own-bank entry.
  TPayeeFields OwnBank(const char* accNo) const {
    TPayeeFields fields;
    fields.AccNo = accNo;
    fields.AccName = "华南贸易有限公司";
    fields.OwnBank = true;
    fields.Branch = &branch;
    fields.Counter = &branch.Counters[0];
    return fields;
  }

  TPayeeFields OtherBank(const char* accNo) const {
    TPayeeFields fields;
    fields.AccNo = accNo;
    fields.AccName = "华南贸易有限公司";
    fields.OwnBank = false;
    fields.BankCode = "102";
    fields.ProvinceText = "广东省";
    fields.AreaCode = "5810";
    fields.BranchChosen = true;
    fields.UBankNo = "102581000013";
    fields.BranchText = "广州天河支行";
    return fields;
  }

  // The message of the first failed check, "" when all pass.
  QString Refusal(const TPayeeDefinition& definition, const TPayeeFields& fields) {
    const auto refusal = definition.Check(fields, data);
    return refusal ? refusal->Message : QString();
  }

  TempAppDir app;
  TStartedRegisters data{app.Path()};
  TBranch branch = Beijing();
};

TEST_F(PayeeDefinitionTest, anOwnBankNumberAlreadyRegisteredIsRefused) {
  Register(data.Payees, "6222001", "1");
  Register(data.LocalPayees, "6222002", "1");
  Register(data.LocalPayees, "6222003", "0");  // local entries of other banks do not count

  const TPayeeDefinition fresh(TMode::Local, TPayeeInfo());
  for (const char* taken : {"6222001", "6222002"}) {
    const auto refusal = fresh.Check(OwnBank(taken), data);
    ASSERT_TRUE(refusal) << taken;
    EXPECT_EQ(refusal->Message, QString("账号[%1]在收款名册中已经存在！").arg(taken));
    EXPECT_EQ(refusal->Field, TPayeeField::AccNo);
    EXPECT_TRUE(refusal->SelectText);
  }
  EXPECT_FALSE(fresh.Check(OwnBank("6222003"), data));
  EXPECT_FALSE(fresh.Check(OtherBank("6222001"), data));

  // An entry may keep its own number, but not take another registered one.
  const TPayeeDefinition existing(TMode::Register, Payee("6222001", "1"));
  EXPECT_FALSE(existing.Check(OwnBank("6222001"), data));
  EXPECT_EQ(Refusal(existing, OwnBank("6222002")), "账号[6222002]在收款名册中已经存在！");

  // Opened as another bank and switched to this bank with the number unchanged.
  for (TMode mode : {TMode::Register, TMode::Local}) {
    const TPayeeDefinition switched(mode, Payee("6222001", "0"));
    const auto refusal = switched.Check(OwnBank("6222001"), data);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->Message, "账号[6222001]在收款名册中已经存在，不允许修改账户类别！");
    EXPECT_EQ(refusal->Field, TPayeeField::AccNo);
    EXPECT_FALSE(switched.Check(OtherBank("6222001"), data));
  }
}

TEST_F(PayeeDefinitionTest, aLockedRegisterEntryNeedsNoBranchOrCounterChosen) {
  TPayeeFields fields = OwnBank("6222009");
  fields.Branch = nullptr;
  fields.Counter = nullptr;
  const TPayeeDefinition locked(TMode::Register, Payee("6222009", "1"));
  EXPECT_TRUE(locked.Locked());
  EXPECT_FALSE(locked.Check(fields, data));

  const TPayeeDefinition local(TMode::Local, Payee("6222009", "1"));
  EXPECT_FALSE(local.Locked());
  EXPECT_EQ(Refusal(local, fields), "一级分行：不能空，请选择！");
  const TPayeeDefinition newInRegister(TMode::Register, TPayeeInfo());
  EXPECT_FALSE(newInRegister.Locked());
  EXPECT_EQ(Refusal(newInRegister, fields), "一级分行：不能空，请选择！");
}

// A payee holding a value in every field.
TPayeeInfo Filled() {
  TPayeeInfo payee;
  payee.RcvAccNo = "old-no";
  payee.RcvAccName = "old-name";
  payee.BranchName = "old-branch";
  payee.BranchCode = "old-branch-code";
  payee.CounterName = "old-counter";
  payee.CounterNo = "old-counter-no";
  payee.UbankNo = "old-ubank";
  payee.ExchangeNo = "ex";
  payee.Status = "st";
  payee.IsNVX = "x";
  payee.SortID = "old-group";
  payee.RightType = "0";
  payee.AccOrder = "ord";
  payee.CurType = "cur";
  payee.AccAlias = "old-alias";
  payee.BankCode = "old-bank";
  payee.AreaCode = "old-area";
  payee.AreaProv = "old-prov";
  return payee;
}

void ExpectCarriedFieldsKept(const TPayeeInfo& payee) {
  EXPECT_EQ(payee.ExchangeNo, "ex");
  EXPECT_EQ(payee.Status, "st");
  EXPECT_EQ(payee.RightType, "0");
  EXPECT_EQ(payee.AccOrder, "ord");
  EXPECT_EQ(payee.CurType, "cur");
}

TEST_F(PayeeDefinitionTest, storesAnOwnBankPayee) {
  TPayeeFields fields = OwnBank("6222001");
  fields.SortId = "供应商";
  fields.Alias = "华南";
  TPayeeInfo payee = Filled();
  TPayeeDefinition::Store(fields, payee);
  EXPECT_EQ(payee.RcvAccNo, "6222001");
  EXPECT_EQ(payee.RcvAccName, "华南贸易有限公司");
  EXPECT_EQ(payee.IsNVX, "1");
  EXPECT_EQ(payee.BranchName, "北京市分行");
  EXPECT_EQ(payee.BranchCode, "110");
  EXPECT_EQ(payee.CounterName, "北京西城支行");
  EXPECT_EQ(payee.CounterNo, "110001");
  EXPECT_EQ(payee.UbankNo, "313100000011");
  EXPECT_EQ(payee.SortID, "供应商");
  EXPECT_EQ(payee.AccAlias, "华南");
  EXPECT_EQ(payee.BankCode, "");
  EXPECT_EQ(payee.AreaProv, "");
  EXPECT_EQ(payee.AreaCode, "");
  ExpectCarriedFieldsKept(payee);
}

TEST_F(PayeeDefinitionTest, storesAnOtherBankPayeeChosenOrTyped) {
  TPayeeInfo payee = Filled();
  TPayeeDefinition::Store(OtherBank("6222001"), payee);
  EXPECT_EQ(payee.IsNVX, "0");
  EXPECT_EQ(payee.BranchName, "");
  EXPECT_EQ(payee.BranchCode, "");
  EXPECT_EQ(payee.CounterNo, "");
  EXPECT_EQ(payee.BankCode, "102");
  EXPECT_EQ(payee.CounterName, "广州天河支行");
  EXPECT_EQ(payee.UbankNo, "102581000013");
  EXPECT_EQ(payee.AreaProv, "广东省");
  EXPECT_EQ(payee.AreaCode, "5810");
  EXPECT_EQ(payee.SortID, "");
  ExpectCarriedFieldsKept(payee);

  // A typed branch has no interbank number, even when one was chosen before typing.
  TPayeeFields typed = OtherBank("6222001");
  typed.ManualBranch = true;
  typed.BranchText = "abc银行天河支行";
  payee = Filled();
  TPayeeDefinition::Store(typed, payee);
  EXPECT_EQ(payee.CounterName, "abc银行天河支行");
  EXPECT_EQ(payee.UbankNo, "");

  // Nothing chosen: empty codes, the province as its list shows it.
  TPayeeFields none;
  none.OwnBank = false;
  none.ProvinceText = "广东省";
  payee = Filled();
  TPayeeDefinition::Store(none, payee);
  EXPECT_EQ(payee.BankCode, "");
  EXPECT_EQ(payee.AreaCode, "");
  EXPECT_EQ(payee.AreaProv, "广东省");
  EXPECT_EQ(payee.CounterName, "");
  EXPECT_EQ(payee.UbankNo, "");
}

}  // namespace
