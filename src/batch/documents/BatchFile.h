#pragma once

#include <QByteArray>
#include <QString>

#include "batch/documents/PayMoneyInfo.h"

// The XML batch file: the working copy "PayInfo.tmp" of the open batch and the
// archive copies in BatchLog. Document element "PayInfoList", one "PayInfo" per
// document holding the payer item ("PayerList"), the payee item ("PayeeList"),
// "Usage" and "Money", in that order. SerialNo and Remark are not kept.

// The file as the XML library saves it: UTF-8 without a declaration, indented.
QByteArray BatchFileBytes(const TBatch& batch);

// Writes BatchFileBytes, replacing the file atomically; throws TFileError, the
// old file then staying as it was.
void SaveBatchFile(const TBatch& batch, const QString& path);

// Replaces the batch by the documents of the file. A "PayInfo" element is read
// by the position of its child elements, not their names: payer item, payee
// item, usage text, amount text (unreadable gives 0); one with fewer than four
// child elements is skipped, as are children of the root with other names.
// False, with the batch empty, when the file is missing, not well-formed or its
// document element is not "PayInfoList".
bool LoadBatchFile(const QString& path, TBatch& batch);
// The same for the file's bytes.
bool LoadBatchBytes(const QByteArray& bytes, TBatch& batch);

// The archive's file name for an exported text file: the file name of the path
// less its last four characters, plus ".xml" ("d:/x/2024批次.txt" gives
// "2024批次.xml"). A name of four characters or fewer gives ".xml".
QString ArchiveFileName(const QString& exportedTextPath);
