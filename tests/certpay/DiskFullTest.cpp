// Every kind of file the program saves, saved into a disk that fills up part
// way. It lives with the central-finance tests, the lowest layer whose tests may
// link every store. The special cases of single writers stay with their own
// tests (tests/platform/AtomicFileTest.cpp: a file still in the write buffer at
// the end).
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QRandomGenerator>
#include <QStandardItemModel>
#include <QTableView>
#include <climits>
#include <functional>

#include "agentpay/records/PayTemplate.h"
#include "batch/documents/BatchFile.h"
#include "certpay/store/CertPayStore.h"
#include "core/IniFile.h"
#include "platform/files/AtomicFile.h"
#include "platform/prompts/RecentFolders.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "registers/codetables/CodeFileConversion.h"
#include "registers/store/RegisterStore.h"
#include "support/SmallDisk.h"
#include "widgets/grid/GridLayout.h"

namespace {

const QByteArray kOld = "old content\r\n";

// Text longer than the disk, that does not compress to fit in it either.
QString Filler() {
  QRandomGenerator random(7);
  QByteArray bytes(qsizetype(TSmallDisk::kSize) * 2, Qt::Uninitialized);
  for (char& byte : bytes) byte = char(random.generate());
  return QString::fromLatin1(bytes.toHex());
}

TWorkbookData FillerWorkbook() {
  const QString text = Filler();
  std::vector<QStringList> rows;
  for (qsizetype at = 0; at < text.size(); at += 1000) rows.push_back({text.mid(at, 1000)});
  TWorkbookData book;
  book.Sheets.emplace_back(QStringLiteral("Sheet1"), std::move(rows));
  return book;
}

// The message of the clerk's error that the save throws, empty when it throws none.
QString ErrorOf(const std::function<void()>& save) {
  try {
    save();
  } catch (const TClerkError& e) {
    return e.Message();
  }
  return {};
}

// A folder path as long as a path may be, that the file system need not hold.
QString LongFolder() {
  QString folder = Filler().left(PATH_MAX - 10);
  for (qsizetype at = 0; at < folder.size(); at += NAME_MAX) folder[at] = QLatin1Char('/');
  return folder;
}

struct TSavedFile {
  const char* File;  // below the program directory
  // Saves more than the disk holds to the path; the error the clerk would read.
  std::function<QString(const TSmallDisk& disk, const QString& path)> Save;
  bool Reported = true;  // false: losing the file is silent by design
  QByteArray Old = kOld;
};

// The code file for the table is written to elsewhere, where the disk is not full.
std::vector<TSavedFile> SavedFiles(const TempAppDir& elsewhere) {
  QByteArray lines;
  while (lines.size() < qsizetype(TSmallDisk::kSize))
    lines += "313|2900|" + QByteArray::number(lines.size()) + "|313290000011|\r\n";
  elsewhere.Write("UBANKCODE.TXT", lines);
  return {
      {"param/Payee.xml",
       [](const TSmallDisk& disk, const QString&) {
         TRegisterStore store{TAppPaths(disk.Path())};
         store.Payees.Append(std::make_unique<TPayeeInfo>()).RcvAccName = Filler();
         return ErrorOf([&] { store.SaveList(store.Payees, info_configs::Payees()); });
       }},
      {"param/Usage.txt",
       [](const TSmallDisk& disk, const QString&) {
         TRegisterStore store{TAppPaths(disk.Path())};
         store.Usages.Add(Filler());
         return ErrorOf([&] { store.SaveUsages(); });
       }},
      {"param/CertPayer.xml",
       [](const TSmallDisk&, const QString& path) {
         TOwningList<TCertPayer> payers;
         payers.Append(std::make_unique<TCertPayer>()).AccName = Filler();
         return ErrorOf([&] { SaveRegisterList(payers, path, info_configs::CertPayers()); });
       }},
      {"param/UBank.xml",
       [&elsewhere](const TSmallDisk& disk, const QString&) {
         QString problem;
         EXPECT_FALSE(codetables::UpdateCodeTable(codetables::TCodeFile::Branch,
                                                  elsewhere.File("UBANKCODE.TXT"),
                                                  disk.File("param"), &problem));
         return problem;
       }},
      {"BatchLog/2024批次.xml",
       [](const TSmallDisk&, const QString& path) {
         TBatch batch;
         batch.Append(std::make_unique<TPayMoneyInfo>()).Usage = Filler();
         return ErrorOf([&] { SaveBatchFile(batch, path); });
       }},
      {"param/Grid.xml",
       [](const TSmallDisk&, const QString& path) {
         QStandardItemModel model(1, int(TSmallDisk::kSize / 10));
         QTableView grid;
         grid.setModel(&model);
         return ErrorOf([&] { SaveGridLayoutFile(path, grid, QStringLiteral("Batch")); });
       }},
      {"param/ClientSys.ini",
       [](const TSmallDisk&, const QString& path) {
         TIniFile ini(path);
         ini.WriteString(QStringLiteral("Main"), QStringLiteral("Filler"), Filler());
         return ErrorOf([&] { ini.Save(); });
       }},
      {"out/batch.xls",
       [](const TSmallDisk&, const QString& path) {
         return ErrorOf([&] { WriteWorkbookFile(FillerWorkbook(), path); });
       }},
      {"out/batch.xlsx",
       [](const TSmallDisk&, const QString& path) {
         return ErrorOf([&] { WriteWorkbookFile(FillerWorkbook(), path); });
       }},
      {"dfdk/templet.xml",
       [](const TSmallDisk& disk, const QString&) {
         return ErrorOf([&] { WriteActiveTemplatePath(disk.File("dfdk"), Filler()); });
       }},
      // Downloads, text exports and the copies kept of them, salary and
      // collection templates, the list of refused documents.
      {"out/batch.txt",
       [](const TSmallDisk&, const QString& path) {
         return ErrorOf([&] { WriteFileAtomically(path, Filler().toLatin1()); });
       }},
      {"param/RecentFolders.txt",
       [](const TSmallDisk&, const QString& path) {
         TRecentFolders folders;
         folders.KeepIn(path);
         folders.Remember(TFileKind::Batches, LongFolder() + QStringLiteral("/a"));
         return QString();
       },
       false,
       // Its lines are short, but the fourth folder fills the disk.
       ("Registers=" + LongFolder() + "\nDownloads=" + LongFolder() +
        "\nCodeTables=" + LongFolder() + "\n")
           .toUtf8()},
  };
}

QStringList FilesOn(const TSmallDisk& disk) {
  QStringList files;
  QDirIterator it(disk.Path(), QDir::Files | QDir::Hidden | QDir::System,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) files << QDir(disk.Path()).relativeFilePath(it.next());
  return files;
}

TEST(DiskFull, everySavedFileKeepsItsOldBytesLeavesNoTemporaryAndTellsWhy) {
  const TempAppDir elsewhere;
  for (const TSavedFile& saved : SavedFiles(elsewhere)) {
    SCOPED_TRACE(saved.File);
    const TSmallDisk disk;
    TAppPaths(disk.Path()).MakeWorkingDirs();
    disk.Write(saved.File, saved.Old);
    const QString path = disk.File(saved.File);
    QString error;
    {
      const std::optional<FileSizeLimit> full = disk.Full();
      error = saved.Save(disk, path);
    }
    EXPECT_EQ(disk.Read(saved.File), saved.Old);
    EXPECT_EQ(FilesOn(disk), QStringList{saved.File});
    if (saved.Reported) {
      EXPECT_TRUE(error.contains(path)) << error.toStdString();
      EXPECT_TRUE(error.contains(QStringLiteral("磁盘已满"))) << error.toStdString();
    } else {
      EXPECT_EQ(error, QString());
    }
  }
}

}  // namespace
