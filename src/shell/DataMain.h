#pragma once

#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <stdexcept>

#include "platform/spreadsheet/Spreadsheet.h"
#include "shell/InfoConfig.h"
#include "shell/OwningList.h"
#include "shell/UsageList.h"

class QTableView;

// The shared data module: the program directory with its working directories,
// the registers every screen shares, and their files. It shows no messages;
// failures to write reach the caller as TFileError.
class TDataMain {
 public:
  // Creates "param", "dfdk" and "BatchLog" under the program directory when
  // missing and loads the registers and the usage list.
  explicit TDataMain(const QString& appDir);

  TDataMain(const TDataMain&) = delete;
  TDataMain& operator=(const TDataMain&) = delete;

  // Absolute, ending with "/".
  const QString& AppDir() const { return appDir_; }
  QString ParamFile(const QString& name) const;
  QString DfdkFile(const QString& name) const;
  QString DfdkDir() const;  // no trailing "/"
  QString BatchLogFile(const QString& name) const;
  QString HelpFile() const;
  // The descriptor's file: in "param" when InParamDir, else FileName as it is.
  QString ListFile(const TInfoConfig& config) const;

  TOwningList<TPayerInfo> Payers;
  TOwningList<TPayeeInfo> Payees;
  TOwningList<TPayeeInfo> LocalPayees;
  TUsageList Usages;
  TOwningList<TCertPayer> CertPayers;
  TOwningList<TCertPayee> CertPayees;
  TOwningList<TCertAddInfo> CertAddInfos;
  TOwningList<TCertPayInfo> CertPayInfos;
  // Account of the payer of the document most recently added in the batch editor.
  QString LastPayerAccount;

  // A register file found at start that could not be read: it was copied to
  // Copy (empty when even the copy failed) before anything could overwrite it.
  struct TDamagedFile {
    QString Path;
    QString Copy;
  };
  const QList<TDamagedFile>& DamagedFiles() const { return DamagedFiles_; }

  // Replaces the list by the records of the descriptor's file. False, with the
  // list empty, when the file is missing, unreadable, not GBK or not well-formed;
  // a root of another name gives an empty list too. Throws std::logic_error when
  // the descriptor's ItemClass does not make records of the list's type.
  template <class T>
  bool LoadList(TOwningList<T>& list, const TInfoConfig& config) const;

  // As LoadList with TPayeeInfo records, leaving out a payee whose RcvAccNo and
  // RcvAccName equal those of one read before.
  bool MergePayees(TOwningList<TPayeeInfo>& list, const TInfoConfig& config) const;

  // Replaces the descriptor's file by the list. Throws TFileError when it cannot
  // be written; the old file is then untouched.
  template <class T>
  void SaveList(const TOwningList<T>& list, const TInfoConfig& config) const;

  // Replaces Usages by "Usage.txt"; a missing file leaves it empty.
  void LoadUsages();
  // Throws TFileError when "Usage.txt" cannot be written.
  void SaveUsages() const;

  // Account numbers are compared exactly. Null when none.
  TPayerInfo* FindPayer(const QString& accNo);
  TPayerInfo* FindLastPayer(const QString& accNo);
  TPayeeInfo* FindPayee(const QString& accNo);
  // FindPayee, else the first local payee of this bank (IsNVX "1") with the account.
  TPayeeInfo* FindAnyPayee(const QString& accNo);
  // Overwrites the parties of a transfer document from the registered payer and
  // payee of the same account numbers, where there are such.
  void RefreshParties(TPayerInfo& payer, TPayeeInfo& payee);

  // Append the record unless the list holds a duplicate, and answer whether it
  // did. Only an appended record is moved out of the argument; a refused one
  // stays the caller's.
  static bool AddCertPayer(TOwningList<TCertPayer>& list, std::unique_ptr<TCertPayer>& record);
  static bool AddCertPayee(TOwningList<TCertPayee>& list, std::unique_ptr<TCertPayee>& record);
  static bool AddCertAddInfo(TOwningList<TCertAddInfo>& list,
                             std::unique_ptr<TCertAddInfo>& record);

  // Replaces the list by the payees of the descriptor's workbook: one per row
  // whose first cell is not empty, the eighteen fields from columns 1 to 18,
  // a row repeating an earlier account number and name left out; reading stops
  // after 50 blank rows in a row. When the spreadsheet component cannot start it
  // says "Excel may not be installed"; other failures end the import quietly
  // with the payees read so far.
  void ImportPayeesFromExcel(TOwningList<TPayeeInfo>& list, const TInfoConfig& config) const;

  // The rows of a register workbook's worksheet, as ImportPayeesFromExcel and
  // the register screens read them: every row from 1 to the used range's row
  // count whose first cell, trimmed, is not empty goes to take, which answers
  // whether it took the row; at a row with an empty first cell reading stops
  // once 50 such rows have passed since the last row taken.
  static void ReadWorkbookRows(const TWorksheet& sheet, const std::function<bool(int row)>& take);
  // The payee fields in the order of a register workbook's columns 1 to 18.
  static const std::array<QString TPayeeInfo::*, 18>& PayeeWorkbookColumns();
  // Appends the payees of the worksheet's rows, every field trimmed of white
  // space and control characters, leaving out a payee whose account number and
  // name equal those of one already in the list.
  static void ReadPayeeRows(const TWorksheet& sheet, TOwningList<TPayeeInfo>& list);

  // Starts the spreadsheet component; replaceable for tests.
  std::function<std::unique_ptr<TSpreadsheetApp>()> StartSpreadsheet = &TSpreadsheetApp::Start;

  // Column widths of a grid in "Grid.xml", stored under the key. The key must be
  // an XML name (std::invalid_argument otherwise). Loading ignores every error;
  // saving throws TFileError when the file cannot be written.
  void LoadGridLayout(QTableView& grid, const QString& key) const;
  void SaveGridLayout(const QTableView& grid, const QString& key) const;

 private:
  using RecordSink = std::function<void(std::unique_ptr<TPayInfoBase>)>;
  // Appends record i under the root element.
  using RecordWriter = std::function<void(qsizetype i, xml::Node root)>;

  bool ReadRecords(const TInfoConfig& config, TInfoConfig::Factory factory,
                   const RecordSink& sink) const;
  void WriteRecords(const TInfoConfig& config, qsizetype count, const RecordWriter& writer) const;
  template <class T>
  void LoadIfPresent(TOwningList<T>& list, const TInfoConfig& config);
  template <class T>
  void LoadRegister(TOwningList<T>& list, const TInfoConfig& config);

  QString appDir_;
  QList<TDamagedFile> DamagedFiles_;
};

template <class T>
bool TDataMain::LoadList(TOwningList<T>& list, const TInfoConfig& config) const {
  list.Clear();
  const bool read = ReadRecords(config, config.ItemClass, [&list](auto record) {
    T* typed = dynamic_cast<T*>(record.get());
    if (!typed) throw std::logic_error("register descriptor does not match the list's records");
    record.release();
    list.Append(std::unique_ptr<T>(typed));
  });
  if (!read) list.Clear();
  return read;
}

template <class T>
void TDataMain::SaveList(const TOwningList<T>& list, const TInfoConfig& config) const {
  WriteRecords(config, list.Count(),
               [&list](qsizetype i, xml::Node root) { list[i].SaveToXml(root); });
}
