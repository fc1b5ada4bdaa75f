#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "agentpay/records/PayTemplate.h"
#include "platform/spreadsheet/WorkbookData.h"

// The text export: blank record lines left out, each other one with the end
// sign when the template asks for it, in GBK, CR LF between lines and none
// after the last.
QByteArray PayTextFileBytes(const QStringList& lines, const TPayTemplate& payTemplate);

// The records (one list of cells per record) as the first sheet of a new
// workbook, from row 1, every cell as text.
TWorkbookData PayWorkbook(const QList<QStringList>& records);

// The copy of an export kept in the agent-pay folder: "Templates" holding a
// "Record" per record, and in it one element per column named by its caption
// (made a valid element name), in the register file form.
QByteArray PayRecordsXmlBytes(const QStringList& captions, const QList<QStringList>& records);

// Where that copy goes: the export's file name without its extension, plus
// ".xml", in the agent-pay folder.
QString PayRecordsXmlPath(const QString& dfdkDir, const QString& exportPath);
