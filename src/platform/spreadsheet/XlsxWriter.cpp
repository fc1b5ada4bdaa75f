#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>
#include <utility>

#include <sys/stat.h>

#include "platform/files/FileProblem.h"
#include "platform/spreadsheet/XlsxFormat.h"
#include "platform/spreadsheet/XlsxWholeParts.h"

namespace spreadsheet {

namespace {

constexpr int kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;
constexpr int kMaxCellLength = 32767;
constexpr int kMaxSheetNameLength = 31;

[[noreturn]] void Fail(const QString& path, const QString& reason) {
  throw TSpreadsheetError(
      QStringLiteral("无法保存工作簿 %1：%2").arg(QDir::toNativeSeparators(path), reason));
}

QString Truncated(const QString& text, int length) {
  if (text.size() <= length) return text;
  // Never split a surrogate pair.
  if (text[length - 1].isHighSurrogate()) --length;
  return text.left(length);
}

// Sheet names a spreadsheet program accepts: at most 31 characters, none of
// []:*?/\ , no apostrophe at either end, not empty, unique regardless of case.
QStringList SheetNames(const std::vector<TSheetData>& sheets) {
  QStringList names;
  QSet<QString> taken;
  for (size_t i = 0; i < sheets.size(); ++i) {
    QString name = sheets[i].Name;
    for (QChar& c : name)
      if (QStringView(u"[]:*?/\\").contains(c) || c.unicode() < 0x20) c = u'_';
    while (name.startsWith(u'\'')) name.remove(0, 1);
    name = Truncated(name, kMaxSheetNameLength);
    while (name.endsWith(u'\'')) name.chop(1);
    if (name.isEmpty()) name = QStringLiteral("Sheet%1").arg(i + 1);
    QString unique = name;
    for (int n = 2; taken.contains(unique.toCaseFolded()); ++n) {
      const QString suffix = QStringLiteral(" (%1)").arg(n);
      unique = Truncated(name, kMaxSheetNameLength - int(suffix.size())) + suffix;
    }
    taken.insert(unique.toCaseFolded());
    names.append(unique);
  }
  return names;
}

// Readers take _xHHHH_ for an escaped character, so a literal one is written
// with its underscore escaped.
QByteArray CellBytes(const QString& text) {
  static const QRegularExpression kEscapeLike(QStringLiteral("_(x[0-9A-Fa-f]{4}_)"));
  if (!text.contains(QLatin1String("_x"))) return text.toUtf8();
  QString escaped = text;
  escaped.replace(kEscapeLike, QStringLiteral("_x005F_\\1"));
  return escaped.toUtf8();
}

void CheckLimits(const TSheetData& sheet, const QString& path) {
  if (sheet.Rows.size() > size_t(kMaxRows) && sheet.RowCount() > kMaxRows)
    Fail(path, QStringLiteral("工作表 %1 超过 1,048,576 行。").arg(sheet.Name));
  for (size_t r = 0; r < sheet.Rows.size(); ++r) {
    const QStringList& cells = sheet.Rows[r];
    for (qsizetype c = 0; c < cells.size(); ++c) {
      if (cells[c].isEmpty()) continue;
      if (c >= kMaxColumns)
        Fail(path, QStringLiteral("工作表 %1 超过 16,384 列。").arg(sheet.Name));
      if (cells[c].size() > kMaxCellLength)
        Fail(path, QStringLiteral("工作表 %1 中有单元格超过 32,767 个字符。").arg(sheet.Name));
    }
  }
}

class TWorkbookCloser {
 public:
  explicit TWorkbookCloser(lxw_workbook* workbook) : workbook_(workbook) {}
  ~TWorkbookCloser() {
    if (workbook_) lxw_workbook_free(workbook_);
  }
  lxw_error Close() {
    const lxw_error error = workbook_close(workbook_);
    workbook_ = nullptr;
    return error;
  }

 private:
  lxw_workbook* workbook_;
};

void WriteTo(const TWorkbookData& data, const QString& file, const QString& target) {
  QTemporaryDir scratch(QDir(QDir::tempPath()).filePath(QStringLiteral("xlsx-XXXXXX")));
  if (!scratch.isValid()) Fail(target, QStringLiteral("无法创建临时文件夹。"));
  const QByteArray scratchPath = QFile::encodeName(scratch.path());
  const QByteArray filePath = QFile::encodeName(file);
  lxw_workbook_options options = {};
  options.constant_memory = LXW_TRUE;
  options.tmpdir = const_cast<char*>(scratchPath.constData());
  lxw_workbook* workbook = workbook_new_opt(filePath.constData(), &options);
  if (!workbook) Fail(target, QStringLiteral("内存不足。"));
  TWorkbookCloser closer(workbook);

  const QStringList names = SheetNames(data.Sheets);
  for (size_t i = 0; i < data.Sheets.size(); ++i) {
    const TSheetData& sheet = data.Sheets[i];
    CheckLimits(sheet, target);
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook, names[qsizetype(i)].toUtf8());
    if (!worksheet) Fail(target, QStringLiteral("无法添加工作表 %1。").arg(names[qsizetype(i)]));
    for (size_t c = 0; c < sheet.ColumnWidths.size(); ++c)
      if (sheet.ColumnWidths[c] > 0)
        worksheet_set_column(worksheet, lxw_col_t(c), lxw_col_t(c), sheet.ColumnWidths[c], nullptr);
    for (size_t r = 0; r < sheet.Rows.size(); ++r) {
      const QStringList& cells = sheet.Rows[r];
      for (qsizetype c = 0; c < cells.size(); ++c) {
        if (cells[c].isEmpty()) continue;
        const lxw_error error = worksheet_write_string(worksheet, lxw_row_t(r), lxw_col_t(c),
                                                       CellBytes(cells[c]).constData(), nullptr);
        if (error != LXW_NO_ERROR)
          Fail(target, QStringLiteral("第 %1 行第 %2 列的内容无法写入。").arg(r + 1).arg(c + 1));
      }
    }
  }
  const lxw_error error = closer.Close();
  if (error != LXW_NO_ERROR) Fail(target, WriteProblemText(target));
  if (!XlsxPartsAreWhole(file))
    Fail(target, QStringLiteral("临时文件夹 %1 所在的磁盘已满或无法写入。")
                     .arg(QDir::toNativeSeparators(QDir::tempPath())));
}

// What a new file may allow: read and write for everyone, less what the
// process's umask takes away. The umask is read without changing it.
QFile::Permissions NewFilePermissions() {
  mode_t mask = 022;
  QFile status(QStringLiteral("/proc/self/status"));
  if (status.open(QIODevice::ReadOnly)) {
    for (const QByteArray& line : status.readAll().split('\n'))
      if (line.startsWith("Umask:")) mask = mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
  }
  const std::pair<mode_t, QFile::Permissions> bits[] = {
      {S_IRUSR, QFile::ReadOwner | QFile::ReadUser},
      {S_IWUSR, QFile::WriteOwner | QFile::WriteUser},
      {S_IRGRP, QFile::ReadGroup},
      {S_IWGRP, QFile::WriteGroup},
      {S_IROTH, QFile::ReadOther},
      {S_IWOTH, QFile::WriteOther}};
  QFile::Permissions permissions;
  for (const auto& [bit, permission] : bits)
    if (!(mask & bit)) permissions |= permission;
  return permissions;
}

}  // namespace

void WriteXlsx(const TWorkbookData& workbook, const QString& path) {
  const QFileInfo info(path);
  QString temporaryPath;
  {
    QTemporaryFile placeholder(info.absoluteFilePath() + QStringLiteral(".tmpXXXXXX"));
    placeholder.setAutoRemove(false);
    if (!placeholder.open()) Fail(path, WriteProblemText(path));
    temporaryPath = placeholder.fileName();
  }
  try {
    WriteTo(workbook, temporaryPath, path);
    const QFile::Permissions permissions =
        info.exists() ? QFile::permissions(path) : NewFilePermissions();
    QFile::setPermissions(temporaryPath, permissions);
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(temporaryPath).toStdString()),
                            std::filesystem::path(QFile::encodeName(path).toStdString()), error);
    if (error) Fail(path, QString::fromLocal8Bit(error.message()));
  } catch (...) {
    QFile::remove(temporaryPath);
    throw;
  }
}

}  // namespace spreadsheet
