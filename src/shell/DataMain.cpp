#include "shell/DataMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/files/AtomicFile.h"
#include "shell/GridLayout.h"
#include "xml/RegisterStream.h"
#include "xml/XmlFiles.h"

namespace {

QString WithSlash(QString dir) {
  if (!dir.endsWith(u'/')) dir += u'/';
  return dir;
}

template <class T>
T* FindFirst(TOwningList<T>& list, auto matches) {
  for (T& record : list)
    if (matches(record)) return &record;
  return nullptr;
}

template <class T>
bool AddIfNew(TOwningList<T>& list, std::unique_ptr<T>& record) {
  for (const T& present : list)
    if (present.IsDuplicateOf(*record)) return false;
  list.Append(std::move(record));
  return true;
}

}  // namespace

TDataMain::TDataMain(const QString& appDir) : appDir_(WithSlash(QDir(appDir).absolutePath())) {
  // A directory that cannot be made shows up later as a TFileError naming the file.
  const QDir root(appDir_);
  for (const QString& name :
       {QStringLiteral("param"), QStringLiteral("dfdk"), QStringLiteral("BatchLog")}) {
    if (!QFileInfo(root.filePath(name)).isDir()) root.mkdir(name);
  }

  LoadRegister(Payers, InfoConfigs::Payers());
  LoadRegister(Payees, InfoConfigs::Payees());
  LoadRegister(LocalPayees, InfoConfigs::LocalPayees());
  LoadUsages();
  LastPayerAccount.clear();
  LoadIfPresent(CertPayers, InfoConfigs::CertPayers());
  LoadIfPresent(CertPayees, InfoConfigs::CertPayees());
  LoadIfPresent(CertAddInfos, InfoConfigs::CertAddInfos());
  LoadIfPresent(CertPayInfos, InfoConfigs::CertPayInfos());
}

QString TDataMain::ParamFile(const QString& name) const {
  return appDir_ + QStringLiteral("param/") + name;
}

QString TDataMain::DfdkFile(const QString& name) const {
  return appDir_ + QStringLiteral("dfdk/") + name;
}

QString TDataMain::DfdkDir() const {
  return appDir_ + QStringLiteral("dfdk");
}

QString TDataMain::BatchLogFile(const QString& name) const {
  return appDir_ + QStringLiteral("BatchLog/") + name;
}

QString TDataMain::HelpFile() const {
  return ParamFile(QStringLiteral("help.html"));
}

QString TDataMain::ListFile(const TInfoConfig& config) const {
  return config.InParamDir ? ParamFile(config.FileName) : config.FileName;
}

template <class T>
void TDataMain::LoadIfPresent(TOwningList<T>& list, const TInfoConfig& config) {
  list.Clear();
  if (QFileInfo::exists(ListFile(config))) LoadRegister(list, config);
}

template <class T>
void TDataMain::LoadRegister(TOwningList<T>& list, const TInfoConfig& config) {
  const QString path = ListFile(config);
  if (LoadList(list, config) || !QFileInfo::exists(path)) return;
  // The register starts empty, and the next save would replace the file: keep
  // the damaged one aside so that nothing the clerk had is lost.
  QString copy = path + QStringLiteral(".damaged");
  for (int n = 2; QFileInfo::exists(copy); ++n) copy = path + QStringLiteral(".damaged%1").arg(n);
  if (QFile::copy(path, copy))
    DamagedFiles_.append({path, copy});
  else
    DamagedFiles_.append({path, QString()});
}

bool TDataMain::ReadRecords(const TInfoConfig& config, TInfoConfig::Factory factory,
                            const RecordSink& sink) const {
  const QByteArray rootName = config.RootNode.toUtf8();
  const QByteArray itemName = config.ItemNode.toUtf8();
  bool rootMatches = false;
  return xml::StreamRegisterFile(
      ListFile(config), [&](const char* root) { rootMatches = rootName == root; },
      [&](xml::Node child) {
        if (!rootMatches || itemName != child.name()) return;
        std::unique_ptr<TPayInfoBase> record = factory();
        record->LoadFromXml(child);
        sink(std::move(record));
      });
}

void TDataMain::WriteRecords(const TInfoConfig& config, qsizetype count,
                             const RecordWriter& writer) const {
  xml::SaveRegisterFile(ListFile(config), config.RootNode.toUtf8().constData(), count, writer);
}

bool TDataMain::MergePayees(TOwningList<TPayeeInfo>& list, const TInfoConfig& config) const {
  list.Clear();
  const bool read = ReadRecords(config, &MakeRecord<TPayeeInfo>, [&list](auto record) {
    std::unique_ptr<TPayeeInfo> payee(static_cast<TPayeeInfo*>(record.release()));
    for (const TPayeeInfo& present : list)
      if (present.RcvAccNo == payee->RcvAccNo && present.RcvAccName == payee->RcvAccName) return;
    list.Append(std::move(payee));
  });
  if (!read) list.Clear();
  return read;
}

void TDataMain::LoadUsages() {
  Usages.Clear();
  if (const std::optional<QByteArray> bytes = ReadWholeFile(ParamFile(QStringLiteral("Usage.txt"))))
    Usages.LoadFromGbk(*bytes);
}

void TDataMain::SaveUsages() const {
  WriteFileAtomically(ParamFile(QStringLiteral("Usage.txt")), Usages.ToGbk());
}

TPayerInfo* TDataMain::FindPayer(const QString& accNo) {
  return FindFirst(Payers, [&](const TPayerInfo& p) { return p.PayAccNo == accNo; });
}

TPayerInfo* TDataMain::FindLastPayer(const QString& accNo) {
  for (qsizetype i = Payers.Count() - 1; i >= 0; --i)
    if (Payers[i].PayAccNo == accNo) return &Payers[i];
  return nullptr;
}

TPayeeInfo* TDataMain::FindPayee(const QString& accNo) {
  return FindFirst(Payees, [&](const TPayeeInfo& p) { return p.RcvAccNo == accNo; });
}

TPayeeInfo* TDataMain::FindAnyPayee(const QString& accNo) {
  if (TPayeeInfo* payee = FindPayee(accNo)) return payee;
  return FindFirst(LocalPayees, [&](const TPayeeInfo& p) {
    return p.RcvAccNo == accNo && p.IsNVX == QLatin1String("1");
  });
}

void TDataMain::RefreshParties(TPayerInfo& payer, TPayeeInfo& payee) {
  if (const TPayerInfo* registered = FindPayer(payer.PayAccNo)) payer.Assign(*registered);
  if (const TPayeeInfo* registered = FindPayee(payee.RcvAccNo)) payee.Assign(*registered);
}

bool TDataMain::AddCertPayer(TOwningList<TCertPayer>& list, std::unique_ptr<TCertPayer>& record) {
  return AddIfNew(list, record);
}

bool TDataMain::AddCertPayee(TOwningList<TCertPayee>& list, std::unique_ptr<TCertPayee>& record) {
  return AddIfNew(list, record);
}

bool TDataMain::AddCertAddInfo(TOwningList<TCertAddInfo>& list,
                               std::unique_ptr<TCertAddInfo>& record) {
  return AddIfNew(list, record);
}

void TDataMain::LoadGridLayout(QTableView& grid, const QString& key) const {
  LoadGridLayoutFile(ParamFile(QStringLiteral("Grid.xml")), grid, key);
}

void TDataMain::SaveGridLayout(const QTableView& grid, const QString& key) const {
  SaveGridLayoutFile(ParamFile(QStringLiteral("Grid.xml")), grid, key);
}
