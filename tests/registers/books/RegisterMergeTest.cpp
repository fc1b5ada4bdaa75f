#include <gtest/gtest.h>

#include <vector>

#include "registers/books/RegisterMerge.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// Entries "account/group"; payees are of this bank unless isNvx says otherwise.
TOwningList<TPayerInfo> Payers(std::initializer_list<const char*> entries) {
  TOwningList<TPayerInfo> list;
  for (const char* entry : entries) {
    TPayerInfo& payer = list.Append(std::make_unique<TPayerInfo>());
    payer.PayAccNo = U(entry).section(u'/', 0, 0);
    payer.SortId = U(entry).section(u'/', 1);
    payer.AccAlias = payer.SortId + QStringLiteral("-alias");
  }
  return list;
}

struct Payee {
  const char* Entry;
  const char* IsNvx = "1";
  const char* UbankNo = "";
};

TOwningList<TPayeeInfo> Payees(std::initializer_list<Payee> entries) {
  TOwningList<TPayeeInfo> list;
  for (const Payee& entry : entries) {
    TPayeeInfo& payee = list.Append(std::make_unique<TPayeeInfo>());
    payee.RcvAccNo = U(entry.Entry).section(u'/', 0, 0);
    payee.SortID = U(entry.Entry).section(u'/', 1);
    payee.IsNVX = U(entry.IsNvx);
    payee.UbankNo = U(entry.UbankNo);
  }
  return list;
}

QString Entry(const TPayerInfo& payer) {
  return payer.PayAccNo + u'/' + payer.SortId;
}
QString Entry(const TPayeeInfo& payee) {
  return payee.RcvAccNo + u'/' + payee.SortID;
}

template <class T>
QStringList Entries(const TOwningList<T>& list) {
  QStringList texts;
  for (const T& entry : list) texts.append(Entry(entry));
  return texts;
}

TEST(MergeImportedPayers, registeredAccountsKeepTheirDataAfterTheNewOnes) {
  const TPayerMerge merge =
      MergeImportedPayers(Payers({"A/ga", "B/gb", "C/gc"}), Payers({"B/file", "D/file"}));
  EXPECT_EQ(Entries(merge.Register), (QStringList{"D/file", "B/gb"}));
  EXPECT_EQ(merge.Register[1].AccAlias, U("gb-alias"));
  EXPECT_EQ(Entries(merge.NotUpdated), (QStringList{"B/gb"}));
}

TEST(MergeImportedPayers, eachFileEntryStandsInForOneRegisteredEntry) {
  // The file holds B twice: only its first B gives way to the registered one.
  EXPECT_EQ(
      Entries(MergeImportedPayers(Payers({"B/reg"}), Payers({"B/f1", "E/f", "B/f2"})).Register),
      (QStringList{"E/f", "B/f2", "B/reg"}));
  // The register holds B twice, the file once: the first registered B stays.
  const TPayerMerge twice = MergeImportedPayers(Payers({"B/r1", "B/r2"}), Payers({"B/f"}));
  EXPECT_EQ(Entries(twice.Register), (QStringList{"B/r1"}));
  EXPECT_EQ(Entries(twice.NotUpdated), (QStringList{"B/r1"}));
}

TEST(MergeImportedPayees, anOtherBankEntryWithoutInterbankNumberIsReplacedSilently) {
  const TPayeeMerge merge = MergeImportedPayees(
      Payees({{"1/stale", "0"},                 // other bank, no UbankNo: the file wins
              {"2/kept", "0", "102100099996"},  // other bank with UbankNo: kept
              {"3/own"},                        // own bank without UbankNo: kept
              {"4/letter", "O"},                // the letter O is not "0": kept
              {"5/letter", "o"}}),
      Payees({{"1/f", "0"}, {"2/f", "0"}, {"3/f"}, {"4/f", "0"}, {"5/f", "0"}, {"6/f"}}));
  EXPECT_EQ(Entries(merge.Register),
            (QStringList{"1/f", "6/f", "2/kept", "3/own", "4/letter", "5/letter"}));
  EXPECT_EQ(Entries(merge.NotUpdated), (QStringList{"2/kept", "3/own", "4/letter", "5/letter"}));
}

class MergeImportedLocalTest : public testing::Test {
 protected:
  // Answers the questions in turn and records which local entries were asked about.
  std::function<bool(qsizetype)> Answers(const std::vector<bool>& answers) {
    return [this, answers](qsizetype i) {
      asked.push_back(i);
      return answers.at(asked.size() - 1);
    };
  }
  std::vector<qsizetype> asked;
};

TEST_F(MergeImportedLocalTest, ownBankAccountsOfThePayeeRegisterAreLeftOutAndListed) {
  // Own-bank P and S belong to the payee register (whatever bank it gives S);
  // the other-bank Q is imported though the payee register holds it too.
  const TPayeeMerge merge =
      MergeImportedLocal(Payees({{"P/local"}}), Payees({{"P/f"}, {"Q/f", "0"}, {"S/f"}, {"R/f"}}),
                         Payees({{"P"}, {"S", "0", "x"}, {"Q"}}), Answers({}));
  EXPECT_EQ(Entries(merge.NotUpdated), (QStringList{"P/f", "S/f"}));
  // The local P finds no file entry left to ask about.
  EXPECT_EQ(Entries(merge.Register), (QStringList{"Q/f", "R/f", "P/local"}));
  EXPECT_TRUE(asked.empty());
}

TEST_F(MergeImportedLocalTest, otherBankDuplicatesAreKeptTwiceWithoutAsking) {
  const TPayeeMerge merge =
      MergeImportedLocal(Payees({{"9/local", "0"}}), Payees({{"9/f", "0"}}), {}, Answers({}));
  EXPECT_EQ(Entries(merge.Register), (QStringList{"9/f", "9/local"}));
  EXPECT_TRUE(merge.NotUpdated.IsEmpty());
  EXPECT_TRUE(asked.empty());
}

TEST_F(MergeImportedLocalTest, theAnswerDecidesBetweenRegisteredAndImportedOwnBankEntries) {
  // No for 5 keeps the local entry after the imported ones; Yes for 6 takes the
  // file's; 7 is not in the file and stays without a question.
  const TPayeeMerge merge =
      MergeImportedLocal(Payees({{"X/lx", "0"}, {"5/l5"}, {"6/l6"}, {"7/l7"}}),
                         Payees({{"6/f6"}, {"5/f5"}, {"8/f8"}}), {}, Answers({false, true}));
  EXPECT_EQ(asked, (std::vector<qsizetype>{1, 2}));
  EXPECT_EQ(Entries(merge.Register), (QStringList{"6/f6", "8/f8", "X/lx", "5/l5", "7/l7"}));
}

TEST_F(MergeImportedLocalTest, aFileHoldingTheAccountTwiceAnswersWithItsFirstEntry) {
  EXPECT_EQ(Entries(MergeImportedLocal(Payees({{"5/l"}}), Payees({{"5/f1"}, {"5/f2"}}), {},
                                       Answers({false}))
                        .Register),
            (QStringList{"5/f2", "5/l"}));
  // Two local entries, one file entry: once it replaced the first, the second stays unasked.
  asked.clear();
  EXPECT_EQ(Entries(MergeImportedLocal(Payees({{"5/l1"}, {"5/l2"}}), Payees({{"5/f"}}), {},
                                       Answers({true}))
                        .Register),
            (QStringList{"5/f", "5/l2"}));
  EXPECT_EQ(asked, (std::vector<qsizetype>{0}));
}

}  // namespace
