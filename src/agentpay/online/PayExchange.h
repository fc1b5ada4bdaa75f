#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <pugixml.hpp>

struct TPayModeLists;
struct TPaySubmission;
struct TServerConfig;
struct TUSER;

// The exchanges of the agent-pay flow. Each returns the reply that passed the
// check; a failed transport or a reply that reports an error throws
// EResponseError.

// A form to the interface's main platform path: the lists, the polls and the
// confirmations.
pugi::xml_document PostPayForm(const TUSER& user, const TServerConfig& server, QByteArrayView body);

// The file lines with the clerk's choice, on the path and under the code of the
// interface and the item.
pugi::xml_document UploadPayFile(const TUSER& user, const TServerConfig& server,
                                 const QStringList& fileLines, const TPaySubmission& submission,
                                 const TPayModeLists& lists);
