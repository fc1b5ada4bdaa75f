#pragma once

#include <QByteArray>
#include <QString>

#include "SimData.h"

// The files of the client's parameter download, all made here: the register
// templates, the interbank-number package and the agent-pay templates.

// An empty payer (payee false: payee) register workbook in the register
// layout, .xls.
QByteArray RegisterTemplateWorkbook(bool payer);
// "zhlhh_unload.tar.gz": the three code files of the installation data.
QByteArray CodeFilePackage();
// An agent-pay template file for a pay item: account, name, amount (at the
// item's amount field) and remark.
QByteArray PayTemplateFile(const TSimPayItem& item);
