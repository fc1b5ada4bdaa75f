#pragma once

#include <QString>
#include <algorithm>
#include <span>
#include <variant>
#include <vector>

#include "core/Amount.h"
#include "xml/XmlNodes.h"

// One field of a register record as its files know it: the element of the
// record's XML item, the column of the register workbook, and whether the
// program writes it. A record lists its fields once, in one table of these,
// and every form of the record (XML, workbook, text line) is read and written
// from that table.
template <class Record>
struct TRecordField {
  const char* Name;
  std::variant<QString Record::*, TAmount Record::*> Member;
  int Column = 0;     // of the register workbook, from 1; 0: not in the workbook
  bool Saved = true;  // false: read from files but never written

  QString Text(const Record& record) const {
    if (const auto* text = std::get_if<QString Record::*>(&Member)) return record.**text;
    return (record.*std::get<TAmount Record::*>(Member)).ToText();
  }
  // An amount that is not a number reads as 0.
  void SetText(Record& record, const QString& text) const {
    if (const auto* field = std::get_if<QString Record::*>(&Member)) {
      record.** field = text;
      return;
    }
    // Parsed as decimal text, not through double, so that 0.00005 rounds to even exactly.
    record.*std::get<TAmount Record::*>(Member) = TAmount::Parse(text).value_or(TAmount());
  }
};

template <class Record>
using TRecordFields = std::span<const TRecordField<Record>>;

// Fills every field from the item element; a missing field gives empty text or 0.
template <class Record>
void LoadRecordFields(Record& record, xml::Node item, TRecordFields<Record> fields) {
  xml::TFieldReader reader(item);
  for (const TRecordField<Record>& field : fields) field.SetText(record, reader.Str(field.Name));
}

// Appends the saved fields to the item element in table order.
template <class Record>
void AppendRecordFields(const Record& record, xml::Node item, TRecordFields<Record> fields) {
  for (const TRecordField<Record>& field : fields) {
    // SetNodeTextStr on the new element finds that element itself, so the
    // fields written before are not searched: on a large register that search
    // was a third of the time to save.
    if (field.Saved)
      xml::SetNodeTextStr(xml::AppendNode(item, field.Name), field.Name, field.Text(record));
  }
}

// Appends an item element of that name under the parent, holding the saved
// fields in table order.
template <class Record>
void SaveRecordFields(const Record& record, xml::Node parent, const char* itemNode,
                      TRecordFields<Record> fields) {
  AppendRecordFields(record, xml::AppendNode(parent, itemNode), fields);
}

// The fields of the register workbook in the order of its columns.
template <class Record>
std::vector<const TRecordField<Record>*> WorkbookFields(TRecordFields<Record> fields) {
  std::vector<const TRecordField<Record>*> columns;
  for (const TRecordField<Record>& field : fields)
    if (field.Column > 0) columns.push_back(&field);
  std::sort(columns.begin(), columns.end(),
            [](const auto* a, const auto* b) { return a->Column < b->Column; });
  return columns;
}
