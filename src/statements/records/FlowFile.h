#pragma once

#include <QByteArrayView>
#include <QString>

#include "statements/records/StatementFile.h"
#include "statements/records/StatementTable.h"

// A transfer-flow file as the bank's site gives it: GBK lines of fields
// separated by "|", no header. The table (of FlowFileRow) is emptied and gets
// one row per line; blank lines do not count. Every line needs 23 fields (22
// values each followed by "|" will do); the 23rd and later are not read. A
// shorter line stops the reading ("导入的文件有误,请检查是否是网银流水数据！").
TStatementFileRead ReadFlowBytes(QByteArrayView bytes, StatementTable& table);

// The same from a file; a file that cannot be read gives "导入的文件数据格式有误！"
// and an empty table.
TStatementFileRead ReadFlowFile(const QString& path, StatementTable& table);
