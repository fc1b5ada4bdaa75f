#pragma once

#include <QList>

#include "PayDocuments.h"
#include "PayFlow.h"

// The field lists of the N17 agent-pay replies, which the client sends back in
// its polls and its confirmation.

// The file still being processed: PROCESS_FLAG "1" of N17141, the N17144 polls.
QList<TEchoField> FileRequestFields(const TPayDocument& document, const TSimCustomer& customer);
// The summary of the processed file, in the order the client reads it.
QList<TEchoField> FileResultFields(const TPayDocument& document, const TSimCustomer& customer);
// FILE_ERROR and, unless the file is in error, the summary and ITEMLIST of the
// reviewers (WF_EXTR_ID, WF_EXTR_NM).
void AddFileResult(TXmlElement& root, const TPayDocument& document, const TSimCustomer& customer);
// The fields but TimeOut: the client may hold the waiting time to its own
// bounds before sending it back.
QList<TEchoField> WithoutTimeOut(QList<TEchoField> fields);
// The fields of those keys, in the order of the keys.
QList<TEchoField> Only(const QList<TEchoField>& fields, const QList<QByteArray>& keys);
