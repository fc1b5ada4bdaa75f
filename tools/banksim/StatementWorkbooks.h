#pragma once

#include <QByteArray>
#include <QList>

#include "DetailQuery.h"
#include "TransferDocuments.h"

// The spreadsheets that the statement downloads answer with: .xls workbooks
// of one worksheet, a row of captions and then one row per transaction or
// document, every cell text.
QByteArray DetailWorkbook(const QList<TDatedDetail>& rows, const TSimAccount& account);
QByteArray TransferWorkbook(const QList<TTransferDocument>& documents, bool newGeneration);

// The attachment of a workbook under the name the client asked for
// (clientFileName) or, when it asked for none, under the fallback.
TSimReply WorkbookReply(const TTxContext& tx, const QByteArray& workbook, const QString& fallback);
