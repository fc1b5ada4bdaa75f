#pragma once

#include <QByteArrayView>
#include <QString>
#include <pugixml.hpp>

#include "session/transport/ResponseError.h"

class TPrompts;
struct TLOGON;
struct TServerConfig;
struct TUSER;

// One exchange with the server.
struct RSend2Srv {
  QString Url;
  QString Headers;
  QByteArray PostData;
  QString Response;   // the reply text, filled by Send
  QString ErrorText;  // left empty by Send
};

// The road of every exchange with the bank.
class TGetData {
 public:
  // Sends PostData to Url with Headers through the session browser and stores
  // the reply text in Response. Throws EResponseError (MakeTransportError of the
  // reply text) when the transport itself fails.
  static void Send(RSend2Srv& srv);
  // Send for a body that is not in an RSend2Srv (one that carries a password):
  // the bytes are read where they lie. Returns the reply text.
  static QString Post(const QString& url, QByteArrayView body, const QString& headers);

  // False for a usable reply; throws EResponseError for a reply without "ROOT"
  // (MakeTransportError of the document's text content) or with "ERROR" under it.
  static bool CheckReply(const pugi::xml_document& doc);

  // The error for a reply that is not a usable XML reply, chosen by its text.
  static EResponseError MakeTransportError(const QString& text);

  // The logon exchange: fills the session record when the bank lets the
  // operator in (see Logon.cpp).
  static void Logon(TLOGON& logon, TUSER& user, TPrompts& prompts);

  // The session's TradeType, asked from the server once per session (NC1001),
  // which also sets AgentType. -1 when the query's reply is unusable (the error
  // is shown, caption "错误"); a failed transport throws EResponseError.
  static qint32 QueryTradeType(const TServerConfig& config, TUSER& user, TPrompts& prompts);
};

// Loads reply text into a document; text that is not well-formed leaves it empty.
void LoadReply(pugi::xml_document& doc, const QString& text);

// The text content of a document (every text node in order), its first
// megabyte at most.
QString DocumentTextContent(const pugi::xml_node& node);

// Text (trimmed) of the child element of that name; throws EResponseError
// "服务器返回信息不完整，请稍后再试！" when the element is missing.
QString RequiredText(const pugi::xml_node& parent, const char* name);

// The whole number the child element of that name holds; throws EResponseError
// when it is missing or holds something else.
int RequiredNumber(const pugi::xml_node& parent, const char* name);

// Text (trimmed) of the child element of that name; empty when it is missing.
QString OptionalText(const pugi::xml_node& parent, const char* name);

// "ROOT" of a reply that passed CheckReply.
pugi::xml_node ReplyRoot(const pugi::xml_document& doc);
