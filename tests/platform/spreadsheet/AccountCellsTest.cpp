#include <gtest/gtest.h>

#include "platform/spreadsheet/AccountCells.h"

namespace {

TEST(AccountCells, theMessageNamesTenRowsAtMostAndCountsTheRest) {
  EXPECT_TRUE(
      LostDigitsRowsMessage({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 40})
          .startsWith(QString::fromUtf8("第2、3、4、5、6、7、8、9、10、11行等共12行未导入：")));
}

}  // namespace
