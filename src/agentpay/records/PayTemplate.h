#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

#include "xml/XmlNodes.h"

// One column of a template: its caption and where its value stands in the
// external file (the spreadsheet column, or the field of a text line, from 1).
struct TPayColumn {
  QString Name;
  int Position = 0;
  bool operator==(const TPayColumn&) const = default;
};

// A column template: how a company's own salary or collection file is read,
// and how the record lines the bank takes are written.
struct TPayTemplate {
  QString ListSeparator = QStringLiteral("|");  // as stored
  int Money = 1;                                // the amount column, from 1
  std::optional<int> UbankNo;                   // the interbank-number column, from 1
  int WorkAround = 1;                           // the worksheet read, from 1
  bool IfAddEndSign = false;                    // lines that leave end with the separator
  QList<TPayColumn> Columns;

  // What record lines are joined with: the stored separator trimmed, "|" when
  // blank.
  QString Separator() const;
  // The column indexes from 0, or nothing when out of the columns.
  std::optional<int> MoneyIndex() const;
  std::optional<int> UbankIndex() const;
  QStringList Captions() const;
  // A template is open: its first column has a caption.
  bool IsOpen() const;

  bool operator==(const TPayTemplate&) const = default;
};

// The template file: "Templates" holding "ListSeparator", "Money", "UbankNo",
// "WorkAround", "IfAddEndSign" and one "cluse" ("ColName", "ColPosition") per
// column, in this order, in the register file form (GBK, declared GB2312).
QByteArray TemplateFileBytes(const TPayTemplate& payTemplate);

// Reads a parsed template file: the root's children by exact name, unknown
// ones ignored. Nothing when a number ("Money", "WorkAround", "ColPosition") is
// not one; an empty or non-numeric "UbankNo" means no interbank column.
std::optional<TPayTemplate> ReadTemplate(const xml::Document& doc);

// Whether the text names every element a template needs: "Templates",
// "ListSeparator", "Money", "WorkAround", "cluse", "ColName", "ColPosition".
bool NamesTemplateElements(const QByteArray& text);

// The text from its first "<?" on (a byte-order mark or stray bytes before the
// declaration dropped); the text as it is when it has none.
QByteArray FromDeclaration(const QByteArray& text);

// A template file opened on a screen: the template, or the message that
// refuses the file.
struct TTemplateFileRead {
  std::optional<TPayTemplate> Template;
  QString Problem;
};

// Reads the bytes of a template file: they must name every element a template
// needs and are parsed from the declaration on. The file itself is never
// rewritten.
TTemplateFileRead ReadTemplateBytes(const QByteArray& text);
TTemplateFileRead ReadTemplateFile(const QString& path);

// The file "templet.xml" of the agent-pay folder names the active template:
// one line, ended by CR LF, in the system code page.
QString ActiveTemplatePointer(const QString& dfdkDir);
// The template path the pointer file names, trimmed; empty when there is no
// pointer file or it is empty.
QString ReadActiveTemplatePath(const QString& dfdkDir);
// The active template as the pointer file names it; nothing when there is no
// pointer, it is empty or its file is gone.
std::optional<TTemplateFileRead> ReadActiveTemplate(const QString& dfdkDir);
// Replaces the pointer file; throws TFileError when it cannot be written.
void WriteActiveTemplatePath(const QString& dfdkDir, const QString& templatePath);
