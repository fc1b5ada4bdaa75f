#include "BookFixture.h"
#include "platform/codec/Gbk.h"
#include "registers/screens/fmUsageBook.h"
#include "support/Children.h"

namespace {

class UsageBookTest : public BookFixture {
 protected:
  // Usage.txt with these lines, and the screen on it.
  TfmUsageBook& Open(const char* lines) {
    app.Write("param/Usage.txt", codec::ToGbk(QString::fromUtf8(lines)));
    screen = std::make_unique<TfmUsageBook>(Context());
    return *screen;
  }
  QString UsageFile() { return codec::FromGbk(app.Read("param/Usage.txt")); }

  std::unique_ptr<TfmUsageBook> screen;
};

TEST_F(UsageBookTest, addCutsToThirtyBytesAndKeepsTheListSortedWithoutCaseRepeats) {
  TfmUsageBook& book = Open("");
  EXPECT_FALSE(book.findChild<QPushButton*>("btnEdit")->isEnabled());
  EXPECT_FALSE(book.findChild<QPushButton*>("btnDelete")->isEnabled());

  prompts.AnswerText(QString::fromUtf8("一二三四五六七八九十甲乙丙丁戊己庚辛壬癸"));
  book.btnAddClick();
  EXPECT_EQ(prompts.Inputs()[0].Caption, "请输入新的转帐用途");
  EXPECT_EQ(prompts.Inputs()[0].Label, "用途信息最多可保存15个汉字");
  // 29 letters and a Chinese character: the split character goes whole.
  prompts.AnswerText("  " + QString(29, 'x') + QString::fromUtf8("货"));
  book.btnAddClick();
  prompts.AnswerText("Rent");
  book.btnAddClick();
  EXPECT_EQ(UsageFile(), "Rent\r\n" + QString(29, 'x') + "\r\n一二三四五六七八九十甲乙丙丁戊\r\n");
  EXPECT_EQ(Child<TMapleGrid>(book, "grdList").Row(), 0);
  EXPECT_TRUE(book.findChild<QPushButton*>("btnEdit")->isEnabled());

  // Cancelled, blank, another case, the same once trimmed: the file stays.
  const Snapshot before = Freeze(app.File("param/Usage.txt"));
  for (const std::optional<QString>& typed :
       {std::optional<QString>(), std::optional<QString>("  "), std::optional<QString>("RENT"),
        std::optional<QString>(QString(29, 'x') + " ")}) {
    prompts.AnswerText(typed);
    book.btnAddClick();
  }
  EXPECT_EQ(Child<TMapleGrid>(book, "grdList").Row(), 1);  // the row of the text given last
  EXPECT_EQ(Take(app.File("param/Usage.txt")), before);
  EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(UsageBookTest, editMovesTheUsageToItsPlaceAndRefusesDuplicates) {
  TfmUsageBook& book = Open("apple\r\nbanana\r\ncherry\r\n");
  Child<TMapleGrid>(book, "grdList").SetCurrentCell(1, 0);
  prompts.AnswerText("date");
  book.btnEditClick();
  EXPECT_EQ(prompts.Inputs()[0].Caption, "修改转帐用途");
  EXPECT_EQ(prompts.Inputs()[0].Initial, "apple");
  EXPECT_EQ(UsageFile(), "banana\r\ncherry\r\ndate\r\n");
  EXPECT_EQ(Child<TMapleGrid>(book, "grdList").Row(), 2);

  const Snapshot before = Freeze(app.File("param/Usage.txt"));
  for (const char* typed : {"Banana", "date ", " "}) {
    prompts.AnswerText(typed);
    book.btnEditClick();
  }
  ASSERT_EQ(prompts.Messages().size(), 1u);
  ExpectMessage(QMessageBox::Warning, "系统提示", "该项记录已存在，请检查后重新输入！");
  EXPECT_EQ(Take(app.File("param/Usage.txt")), before);

  prompts.AnswerText("Date");  // the same entry in another case is a change
  book.btnEditClick();
  EXPECT_EQ(UsageFile(), "banana\r\ncherry\r\nDate\r\n");
}

TEST_F(UsageBookTest, usagesAreListedAndSavedInPinyinOrder) {
  // In code point order 工 < 差 < 报 < 租 < 货; in GBK 报 < 差 < 工 < 货 < 租.
  TfmUsageBook& book = Open("工资\r\n货款\r\n报销\r\nrent\r\n租金\r\n差旅费\r\n");
  EXPECT_EQ(Cells(Child<TMapleGrid>(book, "grdList"), 1),
            QStringList({"rent", "报销", "差旅费", "工资", "货款", "租金"}));

  prompts.AnswerText("房租");
  book.btnAddClick();
  EXPECT_EQ(Child<TMapleGrid>(book, "grdList").Row(), 3);
  EXPECT_EQ(UsageFile(), "rent\r\n报销\r\n差旅费\r\n房租\r\n工资\r\n货款\r\n租金\r\n");
}

TEST_F(UsageBookTest, deleteRemovesTheSelectedRowsAndAFailedSaveIsReported) {
  TfmUsageBook& book = Open("a\r\nb\r\nc\r\nd\r\n");
  Child<TMapleGrid>(book, "grdList").SelectRows(1, 2);
  prompts.Answer(QMessageBox::Ok);
  book.btnDeleteClick();
  EXPECT_EQ(prompts.LastMessage().Text, "是否要删除所选择的转帐用途记录?");
  EXPECT_EQ(UsageFile(), "a\r\nd\r\n");

  // A directory in the file's place: the list keeps the entry, the clerk is told.
  QFile::remove(app.File("param/Usage.txt"));
  QDir().mkpath(app.File("param/Usage.txt/x"));
  prompts.AnswerText("b");
  book.btnAddClick();
  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Critical);
  EXPECT_EQ(prompts.LastMessage().Caption, "系统提示");
  EXPECT_EQ(Cells(Child<TMapleGrid>(book, "grdList"), 1), QStringList({"a", "b", "d"}));
}

}  // namespace
