#include "BookFixture.h"

// The registers shipped for the demo company (data/demo) are files as the
// program itself writes them.
namespace {

const QString kDemo = QStringLiteral(REPOSITORY_DIR "/data/demo/");

using DemoBooksTest = BookFixture;

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(DemoBooksTest, registersReadAndWriteBackUnchanged) {
  const auto roundTrip = [this]<class T>(const TInfoConfig& descriptor, const char* name, T*) {
    const TOwningList<T> list = ReadList<T>(descriptor, kDemo + name);
    Data().SaveList(list, At(descriptor, app.File("out/copy")));
    EXPECT_EQ(app.Read("out/copy"), FileBytes(kDemo + name)) << name;
    return list.Count();
  };
  EXPECT_EQ(roundTrip(info_configs::Payers(), "Payer.xml", (TPayerInfo*)nullptr), 3);
  EXPECT_EQ(roundTrip(info_configs::Payees(), "Payee.xml", (TPayeeInfo*)nullptr), 8);
  EXPECT_EQ(roundTrip(info_configs::LocalPayees(), "PayeeLocal.xml", (TPayeeInfo*)nullptr), 3);
  TUsageList usages;
  usages.LoadFromGbk(FileBytes(kDemo + "Usage.txt"));
  EXPECT_EQ(usages.ToGbk(), FileBytes(kDemo + "Usage.txt"));  // sorted, GBK, CR LF
}

}  // namespace
