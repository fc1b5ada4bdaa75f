#include <QDate>
#include <QDateTime>
#include <QDir>
#include <charconv>
#include <cstring>
#include <map>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "platform/spreadsheet/FormulaText.h"
#include "platform/spreadsheet/NumberText.h"
#include "platform/spreadsheet/UnstoredFormulas.h"
#include "platform/spreadsheet/XlsxFormat.h"
#include "platform/spreadsheet/XlsxPackage.h"
#include "platform/spreadsheet/XlsxXmlScanner.h"

namespace spreadsheet {

namespace {

constexpr int kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;

using EToken = TXlsxXmlScanner::EToken;

std::string_view LocalName(const char* name) {
  const char* colon = std::strrchr(name, ':');
  return colon ? colon + 1 : name;
}

int HexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

// Text as a spreadsheet shows it: _xHHHH_ stands for the UTF-16 unit HHHH.
// The ISO 8601 date or date-time of a t="d" cell as the day serial that other
// date cells hold: days since 1899-12-30 with the time as the fraction, less
// one before 1900-03-01 (the serials count a 29 February 1900). Nothing for
// text that is no such date or lies before 1900.
std::optional<double> DateSerial(const std::string& iso) {
  const QString text = QString::fromLatin1(iso).trimmed();
  QDateTime at = QDateTime::fromString(text, Qt::ISODateWithMs);
  if (!at.isValid()) {
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (!day.isValid()) return std::nullopt;
    at = QDateTime(day, QTime(0, 0));
  }
  if (at.date().year() < 1900) return std::nullopt;
  double serial = double(QDate(1899, 12, 30).daysTo(at.date()));
  if (serial < 61) serial -= 1;
  return serial + at.time().msecsSinceStartOfDay() / 86400000.0;
}

QString TextOf(const std::string& utf8) {
  QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
  if (utf8.find("_x") == std::string::npos) return text;
  QString decoded;
  decoded.reserve(text.size());
  qsizetype i = 0;
  while (i < text.size()) {
    if (i + 7 <= text.size() && text[i] == u'_' && text[i + 1] == u'x' && text[i + 6] == u'_') {
      int code = 0;
      bool hex = true;
      for (int k = 2; k < 6 && hex; ++k) {
        const int digit = HexDigit(text[i + k]);
        hex = digit >= 0;
        code = code * 16 + digit;
      }
      if (hex) {
        decoded += QChar(char16_t(code));
        i += 7;
        continue;
      }
    }
    decoded += text[i++];
  }
  return decoded;
}

// "AB12" as column 27 and row 11 (from 0); false when it is no cell reference
// inside the sheet limits. A reference without digits leaves the row as it is.
bool ParseReference(const std::string& ref, int& row, int& column) {
  size_t i = 0;
  int col = 0;
  while (i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z' && col <= kMaxColumns)
    col = col * 26 + (ref[i++] - 'A' + 1);
  if (i == 0 || col > kMaxColumns) return false;
  if (i < ref.size()) {
    int r = 0;
    const auto [end, error] = std::from_chars(ref.data() + i, ref.data() + ref.size(), r);
    if (error != std::errc() || end != ref.data() + ref.size() || r < 1 || r > kMaxRows)
      return false;
    row = r - 1;
  }
  column = col - 1;
  return true;
}

// The memory the strings and cells read so far take, estimated from what they
// really hold rather than from what the file declares, held to
// TXlsxLimits::HeldBytes.
class TMemoryBudget {
 public:
  TMemoryBudget(const TXlsxPackage& package, uint64_t limit) : package_(package), limit_(limit) {}

  void Charge(uint64_t bytes) {
    held_ += bytes;
    if (held_ > limit_)
      package_.Fail(QStringLiteral(
                        "其中的字符串和单元格需要超过 %1 MB 内存。请把数据分到几个较小的工作簿中。")
                        .arg(limit_ >> 20));
  }
  void Release(uint64_t bytes) { held_ -= std::min(held_, bytes); }

  // A text in a buffer of its own: the buffer with its header and heap overhead.
  static uint64_t OwnText(const QString& text) {
    return text.isEmpty() ? 0 : 32 + 2 * uint64_t(text.size());
  }

 private:
  const TXlsxPackage& package_;
  uint64_t limit_;
  uint64_t held_ = 0;
};

// Charges a part being read for as long as the object lives.
class TPartCharge {
 public:
  TPartCharge(TMemoryBudget& budget, const TXlsxPart& part) : budget_(budget), size_(part.Size) {
    budget_.Charge(size_);
  }
  ~TPartCharge() { budget_.Release(size_); }
  TPartCharge(const TPartCharge&) = delete;
  TPartCharge& operator=(const TPartCharge&) = delete;

 private:
  TMemoryBudget& budget_;
  uint64_t size_;
};

std::vector<QString> ParseSharedStrings(const TXlsxPart& xml, TMemoryBudget& budget) {
  const TPartCharge part(budget, xml);
  std::vector<QString> strings;
  TXlsxXmlScanner scanner(xml.begin(), xml.end());
  std::string text;
  bool inItem = false, inText = false;
  int phoneticDepth = 0;
  for (EToken token; (token = scanner.Next()) != EToken::End;) {
    if (token == EToken::Text) {
      if (inItem && inText && phoneticDepth == 0) scanner.AppendText(text);
      continue;
    }
    const std::string_view name = scanner.Name();
    const bool start = token == EToken::StartElement;
    if (name == "si") {
      inItem = start;
      if (start) {
        text.clear();
      } else {
        strings.push_back(TextOf(text));
        budget.Charge(sizeof(QString) + TMemoryBudget::OwnText(strings.back()));
      }
    } else if (name == "t") {
      inText = start;
    } else if (name == "rPh") {
      phoneticDepth += start ? 1 : -1;
    }
  }
  return strings;
}

// What the sheets of a workbook share while they are read.
struct TWorkbookReading {
  const std::vector<QString>* SharedStrings = nullptr;
  TMemoryBudget* Budget = nullptr;
  QStringList SheetNames;
  // The workbook asks to be calculated when opened, so a stored 0 may be a
  // placeholder its writer put in.
  bool RecalculateOnLoad = false;
  TUnstoredFormulas Formulas;
};

class TSheetParser {
 public:
  TSheetParser(TXlsxPackage& package, TWorkbookReading& workbook, int sheet)
      : package_(package),
        sharedStrings_(workbook.SharedStrings),
        budget_(*workbook.Budget),
        workbook_(workbook),
        sheet_(sheet) {}

  void Parse(const TXlsxPart& xml, TSheetData& sheet) {
    const TPartCharge part(budget_, xml);
    TXlsxXmlScanner scanner(xml.begin(), xml.end());
    for (EToken token; (token = scanner.Next()) != EToken::End;) {
      if (token == EToken::Text) {
        if (inFormula_)
          scanner.AppendText(formula_);
        else if (inCell_ && (inValue_ || (inInline_ && inText_ && phoneticDepth_ == 0)))
          scanner.AppendText(inValue_ ? value_ : inlineText_);
      } else if (token == EToken::StartElement) {
        Start(scanner, sheet);
      } else {
        End(scanner.Name(), sheet);
      }
    }
  }

 private:
  // <col min=".." max=".." width=".."/>: the width of columns min to max (from 1).
  void ReadColumnWidth(const TXlsxXmlScanner& scanner, TSheetData& sheet) {
    int first = 0;
    int last = 0;
    double width = 0;
    const auto number = [&](const char* name, auto& value) {
      if (!scanner.Attribute(name, attribute_)) return false;
      const auto [end, error] =
          std::from_chars(attribute_.data(), attribute_.data() + attribute_.size(), value);
      return error == std::errc();
    };
    if (!number("min", first) || !number("max", last) || !number("width", width)) return;
    last = std::min(last, kMaxColumns);
    if (first < 1 || first > last || width <= 0) return;
    std::vector<double>& widths = sheet.ColumnWidths;
    if (widths.size() < std::size_t(last)) widths.resize(std::size_t(last));
    for (int c = first; c <= last; ++c) widths[std::size_t(c - 1)] = width;
  }

  void Start(const TXlsxXmlScanner& scanner, TSheetData& sheet) {
    const std::string_view name = scanner.Name();
    if (inCell_) {
      if (name == "v")
        inValue_ = true;
      else if (name == "is")
        inInline_ = true;
      else if (name == "t")
        inText_ = true;
      else if (name == "rPh")
        ++phoneticDepth_;
      else if (name == "f")
        StartFormula(scanner);
    } else if (name == "col") {
      ReadColumnWidth(scanner, sheet);
    } else if (name == "row") {
      if (scanner.Attribute("r", attribute_)) {
        int r = 0;
        const auto [end, error] =
            std::from_chars(attribute_.data(), attribute_.data() + attribute_.size(), r);
        if (error != std::errc() || r < 1 || r > kMaxRows) Damaged();
        row_ = r - 1;
      } else if (++row_ >= kMaxRows) {
        Damaged();
      }
      column_ = -1;
    } else if (name == "c") {
      inCell_ = true;
      inValue_ = inInline_ = inText_ = hasFormula_ = false;
      phoneticDepth_ = 0;
      value_.clear();
      inlineText_.clear();
      if (!scanner.Attribute("t", type_)) type_.clear();
      if (scanner.Attribute("r", attribute_)) {
        if (!ParseReference(attribute_, row_, column_)) Damaged();
      } else if (++column_ >= kMaxColumns) {
        Damaged();
      }
      if (row_ < 0) row_ = 0;
    }
  }

  void End(std::string_view name, TSheetData& sheet) {
    if (!inCell_) return;
    if (name == "v")
      inValue_ = false;
    else if (name == "is")
      inInline_ = false;
    else if (name == "t")
      inText_ = false;
    else if (name == "rPh")
      --phoneticDepth_;
    else if (name == "f")
      inFormula_ = false;
    else if (name == "c")
      EndCell(sheet);
  }

  void EndCell(TSheetData& sheet) {
    inCell_ = false;
    // A shared formula is written out in its first cell and used by the others.
    if (hasFormula_ && formulaType_ == "shared" && !formula_.empty())
      sharedFormulas_[sharedIndex_] = {formula_, nullptr, row_, column_};
    if (hasFormula_ && !HasResult()) {
      AddFormula();
      return;
    }
    inexact_ = false;
    QString text = CellText();
    if (text.isEmpty()) return;
    if (type_ != "s" && type_ != "str" && type_ != "inlineStr") {
      workbook_.Formulas.NoteValueCell(sheet_, row_, column_);
      budget_.Charge(sizeof(quint64));
    }
    Place(sheet, std::move(text));
    if (inexact_) sheet.MarkInexactNumber(row_, column_);
  }

  void StartFormula(const TXlsxXmlScanner& scanner) {
    inFormula_ = hasFormula_ = true;
    formula_.clear();
    if (!scanner.Attribute("t", formulaType_)) formulaType_.clear();
    if (!scanner.Attribute("si", sharedIndex_)) sharedIndex_.clear();
  }

  // Whether the file holds the result of the cell's formula.
  bool HasResult() const {
    if (type_ == "inlineStr") return !inlineText_.empty();
    if (value_.empty()) return false;
    return !(workbook_.RecalculateOnLoad && value_ == "0" && (type_.empty() || type_ == "n"));
  }

  void AddFormula() {
    budget_.Charge(kBytesPerFormula);
    const auto parse = [this](const std::string& text) {
      return formula::ParseFormulaText(QString::fromUtf8(text), workbook_.SheetNames);
    };
    const auto unsupported = [](const char* what) {
      return formula::UnsupportedFormula(QString::fromUtf8(what));
    };
    if (formulaType_ == "array" || formulaType_ == "dataTable") {
      workbook_.Formulas.Add(sheet_, row_, column_, unsupported("数组公式或模拟运算表"));
      return;
    }
    if (formulaType_ != "shared") {
      workbook_.Formulas.Add(sheet_, row_, column_, parse(formula_));
      return;
    }
    const auto found = sharedFormulas_.find(sharedIndex_);
    if (found == sharedFormulas_.end()) {
      workbook_.Formulas.Add(sheet_, row_, column_, unsupported("缺失的共享公式"));
      return;
    }
    TSharedFormula& shared = found->second;
    if (!shared.Formula)
      shared.Formula = std::make_shared<const formula::TFormula>(parse(shared.Text));
    workbook_.Formulas.Add(sheet_, row_, column_, shared.Formula, row_ - shared.Row,
                           column_ - shared.Column);
  }

  // Rows usually hold as many cells as the one before, so that one's width
  // saves growing each row cell by cell. Rows are held in full up to their
  // last cell, so a few cells far to the right on many rows would take far
  // more memory than the file suggests: the slots are bounded by the cells.
  void Place(TSheetData& sheet, QString&& text) {
    if (size_t(row_) >= sheet.Rows.size()) {
      budget_.Charge(kBytesPerRow * (size_t(row_) + 1 - sheet.Rows.size()));
      sheet.Rows.resize(size_t(row_) + 1);
    }
    QStringList& cells = sheet.Rows[size_t(row_)];
    if (cells.isEmpty()) cells.reserve(lastWidth_);
    ++cells_;
    if (cells.size() <= column_) {
      slots_ += uint64_t(column_ + 1 - cells.size());
      if (slots_ > kSlotsAlways + kSlotsPerCell * cells_)
        package_.Fail(QStringLiteral("工作表的单元格分布过于稀疏，无法读取。"));
      budget_.Charge(sizeof(QString) * uint64_t(column_ + 1 - cells.size()));
      cells.resize(column_ + 1);
    }
    // A shared string is held once, by the table.
    if (text.isDetached()) budget_.Charge(TMemoryBudget::OwnText(text));
    cells[column_] = std::move(text);
    lastWidth_ = cells.size();
  }

  QString CellText() {
    if (type_ == "inlineStr" && !inlineText_.empty()) return TextOf(inlineText_);
    if (value_.empty()) return {};
    if (type_ == "s") {
      if (!sharedStrings_) package_.Fail(QStringLiteral("单元格引用的共享字符串表不存在。"));
      size_t index = 0;
      const auto [end, error] =
          std::from_chars(value_.data(), value_.data() + value_.size(), index);
      if (error != std::errc() || index >= sharedStrings_->size())
        package_.Fail(QStringLiteral("单元格引用的共享字符串不存在。"));
      return (*sharedStrings_)[index];
    }
    if (type_ == "b") return QLatin1String(value_ == "0" ? "FALSE" : "TRUE");
    if (type_ == "d") {
      if (const std::optional<double> serial = DateSerial(value_))
        return GeneralNumberText(*serial);
    }
    if (type_.empty() || type_ == "n") {
      double number = 0;
      const char* begin = value_.data();
      const char* end = begin + value_.size();
      while (begin < end && (*begin == ' ' || *begin == '+')) ++begin;
      const auto [stop, error] = std::from_chars(begin, end, number);
      if (error == std::errc() && stop == end) {
        inexact_ = IsInexactNumber(number);
        return GeneralNumberText(number);
      }
    }
    return TextOf(value_);  // "str", "e", dates and anything unknown as written
  }

  [[noreturn]] void Damaged() {
    package_.Fail(
        QStringLiteral("工作表中有超出 1,048,576 行、16,384 列范围的单元格，或单元格引用已损坏。"));
  }

  struct TSharedFormula {
    std::string Text;
    std::shared_ptr<const formula::TFormula> Formula;  // parsed when first needed
    int Row = 0, Column = 0;
  };

  TXlsxPackage& package_;
  const std::vector<QString>* sharedStrings_;
  TMemoryBudget& budget_;
  TWorkbookReading& workbook_;
  int sheet_;
  std::map<std::string, TSharedFormula> sharedFormulas_;  // by index
  bool inFormula_ = false, hasFormula_ = false;
  std::string formula_, formulaType_, sharedIndex_;
  int row_ = -1;
  int column_ = -1;
  bool inCell_ = false, inValue_ = false, inInline_ = false, inText_ = false, inexact_ = false;
  int phoneticDepth_ = 0;
  qsizetype lastWidth_ = 0;
  static constexpr uint64_t kSlotsAlways = 4u << 20, kSlotsPerCell = 256;
  // A row's list with its header; a formula waiting to be worked out, roughly.
  static constexpr uint64_t kBytesPerRow = sizeof(QStringList) + 32, kBytesPerFormula = 64;
  uint64_t slots_ = 0, cells_ = 0;
  std::string attribute_, type_, value_, inlineText_;
};

// A relationship target as a part name: relative to the folder of the part
// that holds the relationship ("" for the package), or absolute with a leading "/".
std::string PartName(const char* target, const QString& folder) {
  const QString path = QString::fromUtf8(target);
  const QString full = path.startsWith(u'/') ? path.mid(1) : folder + path;
  return QDir::cleanPath(full).toStdString();
}

bool HasType(std::string_view type, std::string_view suffix) {
  return type.size() >= suffix.size() && type.substr(type.size() - suffix.size()) == suffix;
}

// The relationships part of a part: xl/workbook.xml -> xl/_rels/workbook.xml.rels.
std::string RelationshipsOf(const std::string& part) {
  const size_t slash = part.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : part.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? part : part.substr(slash + 1);
  return folder + "_rels/" + name + ".rels";
}

QString FolderOf(const std::string& part) {
  const size_t slash = part.rfind('/');
  return slash == std::string::npos ? QString() : QString::fromStdString(part.substr(0, slash + 1));
}

struct TSheetEntry {
  QString Name;
  std::string Part;
};

void LoadXml(TXlsxPackage& package, TXlsxPart& part, pugi::xml_document& document) {
  if (!document.load_buffer_inplace(part.begin(), part.Size))
    package.Fail(QStringLiteral("某个部件不是格式正确的 XML。"));
}

// The workbook part named by the package relationships; xl/workbook.xml when
// the package has none.
std::string FindWorkbookPart(TXlsxPackage& package) {
  std::optional<TXlsxPart> relsXml = package.Read("_rels/.rels", true);
  if (!relsXml) return "xl/workbook.xml";
  pugi::xml_document rels;
  LoadXml(package, *relsXml, rels);
  for (pugi::xml_node node : rels.document_element().children()) {
    if (LocalName(node.name()) == "Relationship" &&
        HasType(node.attribute("Type").value(), "/officeDocument"))
      return PartName(node.attribute("Target").value(), QString());
  }
  return "xl/workbook.xml";
}

struct TWorkbookPart {
  std::vector<TSheetEntry> Sheets;  // the worksheets in order; chart and dialog sheets left out
  std::string SharedStringsPart;
  bool RecalculateOnLoad = false;
};

TWorkbookPart FindSheets(TXlsxPackage& package) {
  const std::string workbookPart = FindWorkbookPart(package);
  std::optional<TXlsxPart> workbookXml = package.Read(workbookPart, true);
  std::optional<TXlsxPart> relsXml = package.Read(RelationshipsOf(workbookPart), true);
  if (!workbookXml || !relsXml) package.Fail(QStringLiteral("不是有效的 .xlsx 工作簿。"));
  pugi::xml_document workbook, rels;
  LoadXml(package, *workbookXml, workbook);
  LoadXml(package, *relsXml, rels);

  TWorkbookPart found;
  std::string& sharedStringsPart = found.SharedStringsPart;
  const QString folder = FolderOf(workbookPart);
  sharedStringsPart = (folder + QStringLiteral("sharedStrings.xml")).toStdString();
  std::map<std::string, std::string> targets;
  std::map<std::string, bool> isWorksheet;
  for (pugi::xml_node node : rels.document_element().children()) {
    if (LocalName(node.name()) != "Relationship") continue;
    const std::string part = PartName(node.attribute("Target").value(), folder);
    const std::string id = node.attribute("Id").value();
    targets[id] = part;
    const std::string_view type = node.attribute("Type").value();
    isWorksheet[id] = HasType(type, "/worksheet");
    if (HasType(type, "/sharedStrings")) sharedStringsPart = part;
  }

  std::vector<TSheetEntry>& sheets = found.Sheets;
  for (pugi::xml_node section : workbook.document_element().children()) {
    if (LocalName(section.name()) == "calcPr")
      found.RecalculateOnLoad = section.attribute("fullCalcOnLoad").as_bool();
    if (LocalName(section.name()) != "sheets") continue;
    for (pugi::xml_node sheet : section.children()) {
      if (LocalName(sheet.name()) != "sheet") continue;
      std::string id;
      for (pugi::xml_attribute attribute : sheet.attributes())
        if (std::strchr(attribute.name(), ':') && LocalName(attribute.name()) == "id")
          id = attribute.value();
      const auto target = targets.find(id);
      if (target == targets.end()) package.Fail(QStringLiteral("某个工作表缺少数据部件。"));
      if (!isWorksheet[id]) continue;
      sheets.push_back({QString::fromUtf8(sheet.attribute("name").value()), target->second});
    }
  }
  if (sheets.empty()) package.Fail(QStringLiteral("工作簿中没有工作表。"));
  return found;
}

TWorkbookData ReadPackage(TXlsxPackage& package, const TXlsxLimits& limits) {
  const TWorkbookPart part = FindSheets(package);

  TWorkbookData workbook;
  try {
    TMemoryBudget budget(package, limits.HeldBytes);
    TWorkbookReading reading;
    reading.Budget = &budget;
    reading.RecalculateOnLoad = part.RecalculateOnLoad;
    for (const TSheetEntry& entry : part.Sheets) reading.SheetNames.append(entry.Name);
    std::optional<std::vector<QString>> sharedStrings;
    if (std::optional<TXlsxPart> xml = package.Read(part.SharedStringsPart))
      sharedStrings = ParseSharedStrings(*xml, budget);
    reading.SharedStrings = sharedStrings ? &*sharedStrings : nullptr;
    for (const TSheetEntry& entry : part.Sheets) {
      std::optional<TXlsxPart> xml = package.Read(entry.Part);
      if (!xml) package.Fail(QStringLiteral("工作表 %1 缺失。").arg(entry.Name));
      TSheetData sheet;
      sheet.Name = entry.Name;
      TSheetParser(package, reading, int(workbook.Sheets.size())).Parse(*xml, sheet);
      xml.reset();
      workbook.Sheets.push_back(std::move(sheet));
    }
    reading.Formulas.WorkOut(workbook);
  } catch (const TXlsxXmlScanner::TMalformed&) {
    package.Fail(QStringLiteral("某个部件不是格式正确的 XML。"));
  }
  return workbook;
}

}  // namespace

TWorkbookData ReadXlsxWithLimits(const QString& path, const TXlsxLimits& limits) {
  TXlsxPackage package(path, limits);
  return ReadPackage(package, limits);
}

TWorkbookData ReadXlsxFromMemory(const QByteArray& bytes, const QString& name,
                                 const TXlsxLimits& limits) {
  TXlsxPackage package(bytes, name, limits);
  return ReadPackage(package, limits);
}

TWorkbookData ReadXlsx(const QString& path) {
  return ReadXlsxWithLimits(path, TXlsxLimits());
}

}  // namespace spreadsheet
