#include <gtest/gtest.h>

#include "platform/codec/Gbk.h"
#include "registers/codetables/CodeFileConversion.h"
#include "registers/codetables/UBankCascade.h"
#include "support/TempAppDir.h"

using codetables::TCodeFile;

namespace {

// Provinces: 广东省 (广州市, 深圳市), 北京市 (北京市), 广东省 again (珠海市).
// Banks: 华东商业银行 102, 南方发展银行 104. Branches: 102 in 广州市 two, in
// 北京市 one; 104 in 广州市 one.
class UBankCascadeTest : public testing::Test {
 protected:
  void SetUp() override {
    Write(TCodeFile::Area,
          "广东省|广州市|5810|\r\n广东省|深圳市|5840|\r\n北京市|北京市|1000|\r\n"
          "广东省|珠海市|5850|\r\n");
    Write(TCodeFile::Bank, "华东商业银行|102|\r\n南方发展银行|104|\r\n");
    Write(TCodeFile::Branch,
          "102|5810|广州天河支行|102581000013|\r\n102|5810|广州越秀支行|102581000021|\r\n"
          "102|1000|北京西单支行|102100000017|\r\n104|5810|广州番禺支行|104581000019|\r\n");
    tables = TOtherBankTables::Load(app.File("param"));
  }

  void Write(TCodeFile kind, const char* lines) {
    const auto table = codetables::ConvertCodeFile(kind, codec::ToGbk(QString::fromUtf8(lines)));
    ASSERT_TRUE(table);
    app.Write("param/" + codetables::TableFileName(kind), *table);
  }

  enum { Guangdong = 1, Beijing = 2, GuangdongAgain = 3 };
  enum { Guangzhou = 1, Shenzhen = 2 };
  enum { Huadong = 1, Nanfang = 2 };

  TempAppDir app;
  TOtherBankTables tables;
  TUBankCascade cascade{tables};
};

}  // namespace

TEST_F(UBankCascadeTest, startsWithBanksAndProvincesAfterAnEmptyEntryAndClearEmptiesAll) {
  EXPECT_TRUE(cascade.BankItems().isEmpty());
  EXPECT_EQ(cascade.BankIndex(), -1);

  cascade.Reset();
  EXPECT_EQ(cascade.BankItems(), QStringList({"", "华东商业银行", "南方发展银行"}));
  EXPECT_EQ(cascade.BankIndex(), 0);
  EXPECT_EQ(cascade.ProvinceItems(), QStringList({"", "广东省", "北京市", "广东省"}));
  EXPECT_EQ(cascade.ProvinceIndex(), -1);
  EXPECT_TRUE(cascade.CityItems().isEmpty());
  EXPECT_TRUE(cascade.BranchItems().isEmpty());
  EXPECT_EQ(cascade.SelectedBankCode(), "");
  EXPECT_EQ(cascade.SelectedUBankNo(), "");

  cascade.ChooseProvince(Guangdong);
  cascade.ChooseCity(Guangzhou);
  cascade.ChooseBank(Huadong);
  cascade.Clear();
  for (const QStringList& items :
       {cascade.ProvinceItems(), cascade.CityItems(), cascade.BankItems(), cascade.BranchItems()})
    EXPECT_TRUE(items.isEmpty());
  EXPECT_EQ(cascade.ProvinceIndex(), -1);
  EXPECT_EQ(cascade.CityIndex(), -1);
  EXPECT_EQ(cascade.BankIndex(), -1);
  EXPECT_EQ(cascade.BranchIndex(), -1);
}

TEST_F(UBankCascadeTest, aProvinceBringsItsCitiesAndOnlyASingleCityIsChosenAtOnce) {
  cascade.Reset();
  cascade.ChooseProvince(Guangdong);
  EXPECT_EQ(cascade.CityItems(), QStringList({"", "广州市", "深圳市"}));
  EXPECT_EQ(cascade.CityIndex(), -1);
  EXPECT_EQ(cascade.SelectedProvinceName(), "广东省");

  cascade.ChooseProvince(Beijing);
  EXPECT_EQ(cascade.CityItems(), QStringList({"", "北京市"}));
  EXPECT_EQ(cascade.CityIndex(), 1);
  EXPECT_EQ(cascade.SelectedCityCode(), "1000");

  // The second entry of the same name carries the cities of its own run.
  cascade.ChooseProvince(GuangdongAgain);
  EXPECT_EQ(cascade.CityItems(), QStringList({"", "珠海市"}));
  EXPECT_EQ(cascade.SelectedCityName(), "珠海市");

  cascade.ChooseProvince(0);
  EXPECT_TRUE(cascade.CityItems().isEmpty());
  EXPECT_EQ(cascade.SelectedProvinceName(), "");
  EXPECT_EQ(cascade.SelectedCityCode(), "");
}

TEST_F(UBankCascadeTest, branchesFollowBankAndCityAndASingleBranchIsChosenAtOnce) {
  cascade.Reset();
  cascade.ChooseBank(Huadong);
  EXPECT_TRUE(cascade.BranchItems().isEmpty());  // no city yet
  cascade.ChooseProvince(Guangdong);
  cascade.ChooseCity(Guangzhou);
  EXPECT_EQ(cascade.BranchItems(), QStringList({"广州天河支行", "广州越秀支行"}));
  EXPECT_EQ(cascade.BranchIndex(), -1);
  EXPECT_EQ(cascade.SelectedUBankNo(), "");

  cascade.ChooseBranch(1);
  EXPECT_EQ(cascade.SelectedUBankNo(), "102581000021");
  EXPECT_EQ(cascade.SelectedBranchName(), "广州越秀支行");
  EXPECT_EQ(cascade.SelectedBankCode(), "102");
  EXPECT_EQ(cascade.SelectedBankName(), "华东商业银行");
  EXPECT_EQ(cascade.SelectedCityCode(), "5810");

  cascade.ChooseBank(Nanfang);
  EXPECT_EQ(cascade.BranchItems(), QStringList({"广州番禺支行"}));
  EXPECT_EQ(cascade.SelectedUBankNo(), "104581000019");

  cascade.ChooseCity(Shenzhen);  // the bank has nothing there
  EXPECT_TRUE(cascade.BranchItems().isEmpty());
  EXPECT_EQ(cascade.SelectedUBankNo(), "");

  cascade.ChooseCity(Guangzhou);
  cascade.ChooseBank(0);  // the empty entry is no bank
  EXPECT_TRUE(cascade.BranchItems().isEmpty());

  // A new province empties the branches; its single city, once chosen, brings them back.
  cascade.ChooseBank(Huadong);
  cascade.ChooseCity(Guangzhou);
  cascade.ChooseProvince(GuangdongAgain);
  EXPECT_TRUE(cascade.BranchItems().isEmpty());
  cascade.ChooseProvince(Beijing);
  EXPECT_EQ(cascade.BranchItems(), QStringList({"北京西单支行"}));
  EXPECT_EQ(cascade.SelectedUBankNo(), "102100000017");

  // Choices outside the lists select nothing.
  cascade.ChooseBranch(1);
  EXPECT_EQ(cascade.BranchIndex(), -1);
  cascade.ChooseCity(2);
  EXPECT_EQ(cascade.CityIndex(), -1);
  EXPECT_TRUE(cascade.BranchItems().isEmpty());
  cascade.ChooseBank(3);
  EXPECT_EQ(cascade.BankIndex(), -1);
}

TEST_F(UBankCascadeTest, selectShowsAnExistingPayeeAndLeavesWhatIsNotFoundUnselected) {
  cascade.Select("102", "广东省", "5810", "102581000021");
  EXPECT_EQ(cascade.ProvinceIndex(), Guangdong);  // the first of the two
  EXPECT_EQ(cascade.CityIndex(), Guangzhou);
  EXPECT_EQ(cascade.BankIndex(), Huadong);
  EXPECT_EQ(cascade.BranchItems(), QStringList({"广州天河支行", "广州越秀支行"}));
  EXPECT_EQ(cascade.BranchIndex(), 1);
  EXPECT_EQ(cascade.BankItems().size(), 3);  // the lists are all there

  // An interbank number that is gone: the single branch is not put in its place.
  cascade.Select("102", "北京市", "1000", "999");
  EXPECT_EQ(cascade.BranchItems(), QStringList({"北京西单支行"}));
  EXPECT_EQ(cascade.BranchIndex(), -1);

  // A city code of another province is not found in this one.
  cascade.Select("102", "北京市", "5810", "102581000013");
  EXPECT_EQ(cascade.ProvinceIndex(), Beijing);
  EXPECT_EQ(cascade.CityIndex(), -1);
  EXPECT_TRUE(cascade.BranchItems().isEmpty());

  cascade.Select("999", "江苏省", "5810", "102581000013");
  EXPECT_EQ(cascade.BankIndex(), 0);
  EXPECT_EQ(cascade.ProvinceIndex(), -1);
  EXPECT_EQ(cascade.CityIndex(), -1);
  EXPECT_TRUE(cascade.CityItems().isEmpty());
  EXPECT_EQ(cascade.SelectedUBankNo(), "");
}
