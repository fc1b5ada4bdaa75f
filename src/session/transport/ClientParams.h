#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <pugixml.hpp>

#include "session/transport/ListRecords.h"

struct TServerConfig;
struct TUSER;

// The files the client works with, downloaded from the bank: the payer and
// payee register templates, the interbank-number package and the company's
// agent-pay templates.

// The company's agent-pay templates: N18501 (agent type 1) or 660701, and the
// entries of "ITEMLIST" or "MODELIST".
QString ModeListUrl(const TServerConfig& server, const TUSER& user);
QByteArray ModeListBody(const TUSER& user);
QList<TModeItem> ReadModeList(const pugi::xml_node& root, const TUSER& user);

enum class TParamFile { Payer, Payee, Bank, Mode };

struct TParamRequest {
  QString Url;
  QByteArray Body;
};
// The download of one file; mode is the chosen template for TParamFile::Mode.
TParamRequest ParamDownloadRequest(const TServerConfig& server, const TUSER& user, TParamFile file,
                                   const TModeItem& mode = {});
