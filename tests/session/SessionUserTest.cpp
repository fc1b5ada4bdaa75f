#include <gtest/gtest.h>

#include "session/SessionUser.h"

TEST(SessionUser, StartsWithoutSession) {
  SessionUser() = TUSER{};
  EXPECT_FALSE(SessionUser().LoggedOn);
  EXPECT_TRUE(SessionUser().SKey.isEmpty());
}
