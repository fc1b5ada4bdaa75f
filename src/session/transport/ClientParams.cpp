#include "session/transport/ClientParams.h"

#include "core/ServerPaths.h"
#include "core/SessionUser.h"
#include "session/transport/FormBody.h"
#include "session/transport/GetData.h"

namespace {

bool NewInterface(const TUSER& user) {
  return user.AgentType == 1;
}

// The keys of a file on the bank's side that every template download sends.
TFormBody& AddTemplateFile(TFormBody& body) {
  return body.Add("IS_GENDAN", QStringLiteral("1"))
      .Add("FILEPATH", QStringLiteral("B2B.customer.template"))
      .Add("DOWNLOAD_TYPE", QString())
      .Add("FILENAME", QString());
}

TFormBody& AddFlags(TFormBody& body) {
  return body.Add("NAMEFLAG", QStringLiteral("1"))
      .Add("LOCAL_REMOTE", QStringLiteral("0"))
      .Add("IS_VERIFY", QStringLiteral("0"));
}

TFormBody Caller(const char* radio, const TUSER& user) {
  TFormBody body;
  body.Add("RADIOBUTTON", QString::fromLatin1(radio)).Add("SKEY", user.SKey);
  return body;
}

QByteArray RegisterTemplateBody(const char* radio, const TUSER& user) {
  TFormBody body = Caller(radio, user);
  body.Add("CUSTOMERID", user.CustId).Add("USERID", user.UserId);
  AddTemplateFile(body).Add("PT_LANGUAGE", QStringLiteral("CN")).Add("SOURCE", QString());
  return AddFlags(body)
      .Add("TXCODE", QStringLiteral("660702"))
      .Add("NVX_IBSVersion", QStringLiteral("V6"))
      .Add("PT_LANGUAGE", QStringLiteral("CN"))
      .Add("PT_STYLE", QStringLiteral("3"))
      .Add("resType", QStringLiteral("jsp"))
      .Bytes();
}

}  // namespace

QString ModeListUrl(const TServerConfig& server, const TUSER& user) {
  return server.ServerBaseUrl + (NewInterface(user) ? MainPlatV6Path() : MainPlatV5Path());
}

QByteArray ModeListBody(const TUSER& user) {
  return TFormBody::Standard(
             NewInterface(user) ? QStringLiteral("N18501") : QStringLiteral("660701"), user)
      .Bytes();
}

QList<TModeItem> ReadModeList(const pugi::xml_node& root, const TUSER& user) {
  const bool newer = NewInterface(user);
  QList<TModeItem> modes;
  for (const pugi::xml_node& item : root.child(newer ? "ITEMLIST" : "MODELIST").children()) {
    if (item.type() != pugi::node_element) continue;
    if (newer)
      modes.append({OptionalText(item, "Entrst_Prj_ID"), OptionalText(item, "Entrst_Prj_Nm"), {}});
    else
      modes.append({OptionalText(item, "MODENO"), OptionalText(item, "MODENAME"),
                    OptionalText(item, "TEMPNAME")});
  }
  return modes;
}

TParamRequest ParamDownloadRequest(const TServerConfig& server, const TUSER& user, TParamFile file,
                                   const TModeItem& mode) {
  const QString v5 = server.ServerBaseUrl + MainPlatV5Path();
  switch (file) {
    case TParamFile::Payer:
      return {v5, RegisterTemplateBody("1", user)};
    case TParamFile::Payee:
      return {v5, RegisterTemplateBody("2", user)};
    case TParamFile::Bank: {
      TFormBody body = Caller("3", user);
      body.Add("CUSTOMERID", user.CustId)
          .Add("USERID", user.UserId)
          .Add("IS_GENDAN", QStringLiteral("1"))
          .Add("FILEPATH", QStringLiteral("ibszhlhh"))
          .Add("DOWNLOAD_TYPE", QStringLiteral("1"))
          .Add("FILENAME", QString())
          .Add("PT_LANGUAGE", QStringLiteral("CN"))
          .Add("SOURCE", QStringLiteral("zhlhh_unload.tar.gz"));
      return {server.ServerBaseUrl + FileDownloadV5Path(),
              AddFlags(body).Add("TXCODE", QStringLiteral("660702")).Bytes()};
    }
    case TParamFile::Mode:
      break;
  }
  if (NewInterface(user)) {
    TFormBody body;
    body.Add("TXCODE", QStringLiteral("N18502"))
        .Add("SKEY", user.SKey)
        .Add("CUSTOMERID", user.CustId)
        .Add("USERID", user.UserId)
        .Add("PT_LANGUAGE", QStringLiteral("CN"))
        .Add("NVX_IBSVersion", QStringLiteral("V6"))
        .Add("PT_STYLE", QStringLiteral("3"))
        .Add("resType", QStringLiteral("jsp"));
    AddTemplateFile(body).Add("SOURCE", QString());
    return {server.ServerBaseUrl + MainPlatV6Path(),
            AddFlags(body)
                .Add("Entrst_Prj_ID", mode.ModeNo)
                .AddUtf8("clientFileName", mode.ModeName + QStringLiteral(".xml"))
                .Bytes()};
  }
  TFormBody body = Caller("4", user);
  body.Add("BILL_NAME", mode.ModeNo).Add("CUSTOMERID", user.CustId).Add("USERID", user.UserId);
  AddTemplateFile(body).Add("SOURCE", QString());
  return {v5, AddFlags(body)
                  .Add("TXCODE", QStringLiteral("660702"))
                  .Add("NVX_IBSVersion", QStringLiteral("V6"))
                  .Add("PT_STYLE", QStringLiteral("3"))
                  .Add("resType", QStringLiteral("jsp"))
                  .Add("PT_LANGUAGE", QStringLiteral("CN"))
                  .Add("clientFileName", mode.TempName + QStringLiteral(".xml"))
                  .Bytes()};
}
