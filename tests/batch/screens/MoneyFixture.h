#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "batch/documents/PayMoneyInfo.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "registers/screens/RegisterContext.h"
#include "support/StartedRegisters.h"
#include "support/TempAppDir.h"

// A program directory with a data module on it and scripted prompts, with
// helpers that fill the registers the entry and selection screens read.
class MoneyFixture : public testing::Test {
 protected:
  // rightType "0" contracted, "1" authorized.
  TPayerInfo& AddPayer(const QString& acc, const QString& rightType = "0",
                       const QString& alias = "") {
    TPayerInfo& payer = data.Payers.Append(std::make_unique<TPayerInfo>());
    payer.PayAccNo = acc;
    payer.PayAccName = "公司" + acc;
    payer.BranchCode = "110";
    payer.CounterName = "北京西城支行";
    payer.RightType = rightType;
    payer.AccAlias = alias;
    return payer;
  }
  // isNVX "1": this bank; "0": another bank.
  static TPayeeInfo Payee(const QString& acc, const QString& isNVX, const QString& alias = "") {
    TPayeeInfo payee;
    payee.RcvAccNo = acc;
    payee.RcvAccName = "收款人" + acc;
    payee.IsNVX = isNVX;
    if (isNVX == "1") {
      payee.BranchCode = "110";
      payee.BranchName = "北京市分行";
      payee.CounterNo = "110002";
      payee.CounterName = "北京朝阳支行";
      payee.UbankNo = "313100000028";
    } else {
      payee.CounterName = "广州越秀支行";
    }
    payee.AccAlias = alias;
    return payee;
  }
  TPayeeInfo& AddPayee(const QString& acc, const QString& isNVX, const QString& alias = "") {
    return data.Payees.Append(std::make_unique<TPayeeInfo>(Payee(acc, isNVX, alias)));
  }
  TPayeeInfo& AddLocal(const QString& acc, const QString& isNVX, const QString& alias = "") {
    return data.LocalPayees.Append(std::make_unique<TPayeeInfo>(Payee(acc, isNVX, alias)));
  }

  TempAppDir app;
  TScriptedPrompts prompts;
  TStartedRegisters data{app.Path()};

  // What the entry and selection screens receive.
  TRegisterContext Context() { return {{prompts, {}}, data, &TSpreadsheetApp::Start}; }
};
