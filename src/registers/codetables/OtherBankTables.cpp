#include "registers/codetables/OtherBankTables.h"

#include <QDir>
#include <cstring>
#include <functional>

#include "registers/codetables/CodeFileConversion.h"
#include "xml/RegisterStream.h"

namespace {

QString Attribute(xml::Node element, const char* name) {
  return QString::fromUtf8(element.attribute(name).value());
}

QString Text(xml::Node element) {
  return QString::fromUtf8(element.child_value());
}

// Calls f for each child element of the node, in order.
template <class F>
void ForEachElement(xml::Node parent, F f) {
  for (xml::Node child = parent.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element) f(child);
}

// Calls onChild for each child element of the table file's document element,
// in order. The file is GBK whatever its declaration names and is read a part
// at a time, so a large table never stands in memory as one document. False
// when it is missing, not GBK or not well-formed; onChild may then have run for
// the children before the fault.
bool ReadTable(const QString& path, const std::function<void(xml::Node)>& onChild) {
  return xml::StreamRegisterFile(
      path, [](const char*) {}, onChild);
}

}  // namespace

TOtherBankTables TOtherBankTables::Load(const QString& paramDir) {
  using codetables::TableFileName;
  using codetables::TCodeFile;
  const QDir dir(paramDir);
  TOtherBankTables tables;
  tables.ReadBanks(dir.filePath(TableFileName(TCodeFile::Bank)));
  tables.ReadProvinces(dir.filePath(TableFileName(TCodeFile::Area)));
  tables.ReadBranches(dir.filePath(TableFileName(TCodeFile::Branch)));
  return tables;
}

void TOtherBankTables::ReadBanks(const QString& path) {
  const bool read = ReadTable(path, [this](xml::Node bank) {
    banks_.append({Attribute(bank, "BankCode"), Text(bank)});
  });
  if (!read) banks_.clear();
}

void TOtherBankTables::ReadProvinces(const QString& path) {
  const bool read = ReadTable(path, [this](xml::Node element) {
    TAreaProvince province{Attribute(element, "AreaName"), {}};
    ForEachElement(element, [&province](xml::Node city) {
      province.Cities.append({Attribute(city, "AreaCode"), Text(city)});
    });
    provinces_.append(std::move(province));
  });
  if (!read) provinces_.clear();
}

void TOtherBankTables::ReadBranches(const QString& path) {
  const bool read = ReadTable(path, [this](xml::Node bank) {
    const QString bankId = Attribute(bank, "BankId");
    // Only the first element of a bank code can ever be found.
    if (branchIndex_.contains(bankId)) return;
    QHash<QString, TRange>& areas = branchIndex_[bankId];
    ForEachElement(bank, [this, &areas](xml::Node area) {
      const QString areaId = Attribute(area, "AreaId");
      if (areas.contains(areaId)) return;
      TRange& range = areas[areaId];
      range.First = branches_.size();
      ForEachElement(area, [this](xml::Node branch) {
        const char* number = branch.attribute("UBankCode").value();
        const char* name = branch.child_value();
        TBranchText& entry = branches_.emplace_back();
        entry.At = branchText_.size();
        entry.NumberSize = int(std::strlen(number));
        entry.NameSize = int(std::strlen(name));
        branchText_.append(number, entry.NumberSize).append(name, entry.NameSize);
      });
      range.Count = branches_.size() - range.First;
    });
  });
  if (!read) {
    branchIndex_.clear();
    branches_.clear();
    branchText_.clear();
  }
  branches_.squeeze();
  branchText_.squeeze();
}

QList<TUBank> TOtherBankTables::Branches(const QString& bankCode, const QString& areaCode) const {
  const auto bank = branchIndex_.constFind(bankCode);
  if (bank == branchIndex_.cend()) return {};
  const auto area = bank->constFind(areaCode);
  if (area == bank->cend()) return {};
  QList<TUBank> list;
  list.reserve(area->Count);
  for (qsizetype i = area->First; i < area->First + area->Count; ++i) {
    const TBranchText& entry = branches_[i];
    const char* number = branchText_.constData() + entry.At;
    list.append({QString::fromUtf8(number, entry.NumberSize),
                 QString::fromUtf8(number + entry.NumberSize, entry.NameSize)});
  }
  return list;
}
