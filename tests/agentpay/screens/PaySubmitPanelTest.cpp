#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "agentpay/screens/PaySubmitPanel.h"
#include "session/screens/BankSession.h"
#include "support/Children.h"
#include "support/SessionFixture.h"

namespace {

class PaySubmitPanelTest : public SessionFixture {
 protected:
  QStringList Texts(const char* combo) {
    QStringList texts;
    auto& box = Child<QComboBox>(panel, combo);
    for (int i = 0; i < box.count(); ++i) texts << box.itemText(i);
    return texts;
  }

  TBankSession session{Config(), prompts};
  TPaySubmitPanel panel{prompts, session};
};

TEST_F(PaySubmitPanelTest, theListsComeOncePerLogonAndAChoiceNeedsASession) {
  ScriptLogon("3100012345", "001", "wrong1");
  panel.rgIsPayModeClick(0);
  EXPECT_EQ(panel.PayMode(), -1);
  EXPECT_FALSE(panel.ListsLoaded());

  ScriptLogon("3100012345", "001", "a12345");
  panel.rgIsPayModeClick(0);
  EXPECT_EQ(panel.PayMode(), 0);
  EXPECT_EQ(Texts("cmbItem").first(), "工资代发");
  EXPECT_EQ(Texts("cmbUse"), QStringList({"工资", "加班费"}));
  panel.rgIsPayModeClick(1);
  EXPECT_EQ(prompts.LastMessage().Text, "对不起，您没有可以选择的当前代发代扣项目！");
  EXPECT_EQ(RequestsOf("N17101").size(), 2);

  session.LogOff();
  EXPECT_EQ(panel.PayMode(), -1);
  EXPECT_FALSE(panel.ListsLoaded());
  EXPECT_TRUE(Texts("cmbItem").isEmpty());

  // The older interface: a locked use asks for the control totals.
  ScriptLogon("3100067890", "001", "c12345");
  panel.rgIsPayModeClick(0);
  EXPECT_EQ(RequestsOf("661201").size(), 2);
  EXPECT_EQ(Texts("cmbUse"), QStringList({"工资", "工资（核对总额）"}));
  EXPECT_TRUE(Child<QWidget>(panel, "pnlJiami").isHidden());
  Child<QComboBox>(panel, "cmbUse").setCurrentIndex(1);
  panel.cmbUseChange();
  EXPECT_FALSE(Child<QWidget>(panel, "pnlJiami").isHidden());
  EXPECT_FALSE(panel.CheckedChoice());
  EXPECT_EQ(prompts.LastMessage().Text, "请输入正确的总笔数。");
  Child<QLineEdit>(panel, "edtTotalNum").setText("2");
  Child<QLineEdit>(panel, "edtTotalAmount").setText("1e5");
  EXPECT_FALSE(panel.CheckedChoice());
  EXPECT_EQ(prompts.LastMessage().Text, "请输入正确的总金额。");
  Child<QLineEdit>(panel, "edtTotalAmount").setText("30.5");
  const std::optional<TPaySubmission> choice = panel.CheckedChoice();
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->Use.Locked, "1");
  EXPECT_EQ(choice->TotalAmount, "30.5");
}

}  // namespace
