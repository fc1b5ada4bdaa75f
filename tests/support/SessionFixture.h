#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "core/ServerPaths.h"
#include "core/SessionUser.h"
#include "platform/codec/Gbk.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "session/screens/fmLogon.h"
#include "session/transport/TempWbFm.h"
#include "support/BankSim.h"
#include "support/TempAppDir.h"

// A test against the simulator on its demo data, with a fresh program directory
// whose ClientSys.ini points at it, scripted prompts, a session browser of its
// own and an empty session record.
class SessionFixture : public testing::Test {
 protected:
  SessionFixture() { WriteClientSysIni(""); }

  void WriteClientSysIni(const char* extraLines) {
    const QString text = QStringLiteral("; 客户端配置\r\n[B2B]\r\nURL=%1\r\nVerTime=20261201\r\n")
                             .arg(sim.BaseUrl()) +
                         QString::fromUtf8(extraLines);
    dir.Write(QStringLiteral("param/ClientSys.ini"), codec::ToGbk(text));
  }

  TServerConfig Config() const {
    return {sim.BaseUrl(), QStringLiteral("20261201"),
            dir.File(QStringLiteral("param/ClientSys.ini"))};
  }

  // The requests the simulator got for one transaction code.
  QList<TSimRequest> RequestsOf(const QByteArray& txCode) const {
    QList<TSimRequest> found;
    for (const TSimRequest& request : sim.Requests())
      if (request.Field("TXCODE") == txCode) found.append(request);
    return found;
  }

  static QLineEdit* Field(QDialog& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
  }
  static QPushButton* Button(QDialog& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
  }

  // Fills the logon dialog and presses "登录".
  static void TypeAndLogin(QDialog& dialog, const char* custId, const char* operId,
                           const char* password) {
    Field(dialog, "edtCustId")->setText(QString::fromUtf8(custId));
    Field(dialog, "EdtOperId")->setText(QString::fromUtf8(operId));
    Field(dialog, "edtLogpwd")->setText(QString::fromUtf8(password));
    Button(dialog, "btnLogin")->click();
  }

  // The next modal run is the logon dialog: it is filled and "登录" pressed once.
  void ScriptLogon(const char* custId, const char* operId, const char* password) {
    prompts.AnswerModal([=](QDialog& dialog) {
      TypeAndLogin(dialog, custId, operId, password);
      return dialog.result();
    });
  }

  TBankSim sim;
  TempAppDir dir;
  TScriptedPrompts prompts;
  TTempWbFm browser{prompts};
  TUSER user;
};
