#include "agentpay/records/PayTemplate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"
#include "platform/files/FileProblem.h"
#include "xml/XmlFiles.h"

namespace {

std::optional<int> ToIndex(int number, qsizetype count) {
  if (number < 1 || number > count) return std::nullopt;
  return number - 1;
}

// The element's text as an integer, as the file holds it (trimmed).
std::optional<int> IntegerOf(const xml::Node& element) {
  bool ok = false;
  const int value = QString::fromUtf8(element.child_value()).trimmed().toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

void AddText(xml::Node parent, const char* name, const QString& text) {
  xml::Node element = xml::AppendNode(parent, name);
  if (!text.isEmpty()) element.text().set(text.toUtf8().constData());
}

}  // namespace

QString TPayTemplate::Separator() const {
  const QString trimmed = ListSeparator.trimmed();
  return trimmed.isEmpty() ? QStringLiteral("|") : trimmed;
}

bool TPayTemplate::IsOpen() const {
  return !Columns.isEmpty() && !Columns.first().Name.trimmed().isEmpty();
}

std::optional<int> TPayTemplate::MoneyIndex() const {
  return ToIndex(Money, Columns.size());
}

std::optional<int> TPayTemplate::UbankIndex() const {
  return UbankNo ? ToIndex(*UbankNo, Columns.size()) : std::nullopt;
}

QStringList TPayTemplate::Captions() const {
  QStringList captions;
  for (const TPayColumn& column : Columns) captions.append(column.Name);
  return captions;
}

QByteArray TemplateFileBytes(const TPayTemplate& payTemplate) {
  xml::Document doc;
  xml::Node root = doc.append_child("Templates");
  AddText(root, "ListSeparator", payTemplate.ListSeparator);
  AddText(root, "Money", QString::number(payTemplate.Money));
  AddText(root, "UbankNo", payTemplate.UbankNo ? QString::number(*payTemplate.UbankNo) : QString());
  AddText(root, "WorkAround", QString::number(payTemplate.WorkAround));
  AddText(root, "IfAddEndSign",
          payTemplate.IfAddEndSign ? QStringLiteral("1") : QStringLiteral("0"));
  for (const TPayColumn& column : payTemplate.Columns) {
    xml::Node cluse = xml::AppendNode(root, "cluse");
    AddText(cluse, "ColName", column.Name);
    AddText(cluse, "ColPosition", QString::number(column.Position));
  }
  return xml::RegisterFileBytes(doc);
}

std::optional<TPayTemplate> ReadTemplate(const xml::Document& doc) {
  TPayTemplate read;
  for (const xml::Node& child : doc.document_element().children()) {
    const std::string_view name = child.name();
    if (name == "IfAddEndSign") {
      read.IfAddEndSign = QString::fromUtf8(child.child_value()) == QLatin1String("1");
    } else if (name == "ListSeparator") {
      read.ListSeparator = QString::fromUtf8(child.child_value());
    } else if (name == "Money" || name == "WorkAround") {
      const std::optional<int> number = IntegerOf(child);
      if (!number) return std::nullopt;
      (name == "Money" ? read.Money : read.WorkAround) = *number;
    } else if (name == "UbankNo") {
      read.UbankNo = IntegerOf(child);
    } else if (name == "cluse") {
      const std::optional<int> position = IntegerOf(child.child("ColPosition"));
      if (!position) return std::nullopt;
      read.Columns.append({QString::fromUtf8(child.child("ColName").child_value()), *position});
    }
  }
  return read;
}

bool NamesTemplateElements(const QByteArray& text) {
  for (const char* name :
       {"Templates", "ListSeparator", "Money", "WorkAround", "cluse", "ColName", "ColPosition"})
    if (!text.contains(name)) return false;
  return true;
}

QByteArray FromDeclaration(const QByteArray& text) {
  const qsizetype start = text.indexOf("<?");
  return start < 0 ? text : text.mid(start);
}

TTemplateFileRead ReadTemplateBytes(const QByteArray& text) {
  const QString notXml = QStringLiteral("读取文件出错，请检查文件是否是正确的XML格式文件！");
  xml::Document doc;
  if (!NamesTemplateElements(text) || !xml::ParseLibraryBytes(FromDeclaration(text), doc))
    return {std::nullopt, notXml};
  std::optional<TPayTemplate> read = ReadTemplate(doc);
  if (!read) return {std::nullopt, QStringLiteral("读取文件出错，请检查格式是否正确")};
  return {std::move(read), {}};
}

TTemplateFileRead ReadTemplateFile(const QString& path) {
  const std::optional<QByteArray> bytes = ReadWholeFile(path);
  if (!bytes)
    return {std::nullopt, QStringLiteral("无法读取模板文件%1：%2")
                              .arg(QDir::toNativeSeparators(path), ReadProblemText(path))};
  return ReadTemplateBytes(*bytes);
}

std::optional<TTemplateFileRead> ReadActiveTemplate(const QString& dfdkDir) {
  const QString path = ReadActiveTemplatePath(dfdkDir);
  if (path.isEmpty() || !QFileInfo::exists(path)) return std::nullopt;
  return ReadTemplateFile(path);
}

QString ActiveTemplatePointer(const QString& dfdkDir) {
  return dfdkDir + QStringLiteral("/templet.xml");
}

QString ReadActiveTemplatePath(const QString& dfdkDir) {
  QFile file(ActiveTemplatePointer(dfdkDir));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return codec::FromGbk(file.readAll()).trimmed();
}

void WriteActiveTemplatePath(const QString& dfdkDir, const QString& templatePath) {
  WriteFileAtomically(ActiveTemplatePointer(dfdkDir),
                      codec::ToGbk(templatePath + QStringLiteral("\r\n")));
}
