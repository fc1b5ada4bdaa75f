#include <gtest/gtest.h>

#include "agentpay/screens/ResultDocsTable.h"

namespace {

TEST(ResultDocsTable, aTitleClickSortsAndMarksTheColumn) {
  TResultDocsTable table;
  TPayResultDoc a;
  a.CreditNo = "A";
  a.TotalAmount = "900.00";
  TPayResultDoc b;
  b.CreditNo = "B";
  b.TotalAmount = "1000.00";
  table.SetDocs({b, a});
  const auto order = [&table] {
    QString ids;
    for (const TPayResultDoc& doc : table.Docs()) ids += doc.CreditNo;
    return ids;
  };
  // Amounts sort as numbers, not as text.
  table.SortBy(4);
  EXPECT_EQ(order(), "AB");
  EXPECT_EQ(table.Captions()[4], "▲总金额（元）");
  table.SortBy(4);
  EXPECT_EQ(order(), "BA");
  EXPECT_EQ(table.Captions()[4], "▼总金额（元）");
  // After a descending order the next click sorts ascending; only one title is marked.
  table.SortBy(0);
  EXPECT_EQ(order(), "AB");
  EXPECT_EQ(table.Captions()[0], "▲凭证号码");
  EXPECT_EQ(table.Captions()[4], "总金额（元）");
  table.SetDocs({b, a});
  EXPECT_EQ(table.Captions()[0], "凭证号码");
}

}  // namespace
