#pragma once

#include <QByteArrayView>
#include <QString>

#include "statements/records/StatementFile.h"
#include "statements/records/StatementTable.h"

// An account-detail file as the bank's site gives it: GBK lines of quoted
// fields separated by ",", a header line first. The table (of DetailFileRow)
// is emptied and gets one row per data line; blank lines do not count. A line
// stops the reading when its fifth field is not 0, 1, 借方 or 贷方
// ("导入文件出错，该文件中不包含历史明细数据！") or when it has fewer than 18
// fields ("导入文件出错，请检查数据格式是否正确").
TStatementFileRead ReadDetailBytes(QByteArrayView bytes, StatementTable& table);

// The same from a file; a file that cannot be read gives
// "导入文件出错，请检查数据格式是否正确" and an empty table.
TStatementFileRead ReadDetailFile(const QString& path, StatementTable& table);
