#pragma once

#include <QList>
#include <QString>

// The kinds of statement rows: the named fields of each kind in table order
// and the columns its grid shows. Fields are always looked up by name; the
// names are the Chinese ones the receipts and vouchers read, and 帐 and 账
// differ between names on purpose.

enum class TFieldType {
  Text,        // any text
  Amount,      // a decimal value held as TAmount; reads as text with two decimals
  AmountText,  // a text that holds an amount: kept as written, sorted by its value
};

struct TStatementField {
  QString Name;
  TFieldType Type = TFieldType::Text;
};

struct TGridColumn {
  QString Field;    // the field the column shows
  QString Caption;  // its caption before any sort marks it
};

struct TRowKind {
  QList<TStatementField> Fields;
  QList<TGridColumn> Columns;

  // The position of the named field in table order, or -1.
  int FieldIndex(const QString& name) const;
};

// An account-detail row fetched online.
const TRowKind& DetailRow();
// A transfer-flow row fetched online.
const TRowKind& FlowRow();
// A row of an account-detail file; the column captioned "摘要" shows 用途.
const TRowKind& DetailFileRow();
// A row of a transfer-flow file.
const TRowKind& FlowFileRow();
