#include <gtest/gtest.h>

#include "agentpay/online/PayLists.h"
#include "session/screens/BankSession.h"
#include "support/SessionFixture.h"

namespace {

class FetchPayListsTest : public SessionFixture {
 protected:
  void LogOn(const char* custId, const char* password) {
    ScriptLogon(custId, "001", password);
    ASSERT_TRUE(session.LogOn(nullptr));
    sim.ClearRequests();
  }

  TBankSession session{Config(), prompts};
};

TEST_F(FetchPayListsTest, bothModesComeFromTheSessionsInterface) {
  LogOn("3100012345", "a12345");
  TUSER& user = session.User();
  ASSERT_TRUE(UsesN17(user));
  const TPayListsOfBothModes n17 = FetchPayLists(user, Config());
  EXPECT_FALSE(n17.Pay.Items.isEmpty());
  EXPECT_FALSE(n17.Pay.PyPerQot.isEmpty());
  EXPECT_TRUE(n17.Collect.Items.isEmpty());
  const QList<TSimRequest> asked = RequestsOf("N17101");
  ASSERT_EQ(asked.size(), 2);
  EXPECT_EQ(asked[0].Path, "/NNVX/NECV6B2BMainPlat");
  EXPECT_EQ(asked[1].Body, ListsBody(user, TPayMode::Collect));

  session.LogOff();
  LogOn("3100067890", "c12345");
  const QString skey = session.User().SKey;
  const TPayListsOfBothModes old = FetchPayLists(session.User(), Config());
  QStringList ectips;
  for (const TPayItem& item : old.Pay.Items) ectips << item.ItemEctip;
  EXPECT_TRUE(ectips.contains("0") && ectips.contains("1") && ectips.contains("2"));
  EXPECT_EQ(session.User().SKey, skey);
  EXPECT_EQ(RequestsOf("661201").size(), 2);
}

}  // namespace
