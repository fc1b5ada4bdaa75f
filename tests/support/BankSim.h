#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>

// One request as the simulator received it.
struct TSimRequest {
  QByteArray Method;  // "POST", "GET"
  QByteArray Path;    // "/NNVX/NECV5B2BMainPlat" (without the query)
  QByteArray Query;   // the raw query string, without "?"
  QList<QPair<QByteArray, QByteArray>> Headers;
  QByteArray Body;  // exact bytes
  // The first header of that name (case-insensitive); empty when absent.
  QByteArray Header(const QByteArray& name) const;
  bool HasHeader(const QByteArray& name) const;
  // The value of a form field of the body, percent-decoded, as raw bytes.
  QByteArray Field(const QByteArray& key) const;
};

// The bank simulator run as a child process on a free loopback port, for one
// test. It starts on its demo data unless other arguments are given, with its
// control interface unless control is false (as in the demo); throws
// std::runtime_error when it cannot start.
class TBankSim {
 public:
  explicit TBankSim(const QStringList& arguments = {QStringLiteral("--demo")}, bool control = true);
  ~TBankSim();
  TBankSim(const TBankSim&) = delete;
  TBankSim& operator=(const TBankSim&) = delete;

  quint16 Port() const { return port_; }
  // "http://127.0.0.1:PORT": the client's ServerBaseUrl.
  QString BaseUrl() const;

  // Every request received so far (control requests excluded), oldest first.
  QList<TSimRequest> Requests() const;
  void ClearRequests();

  // The next `count` requests (0: all until ClearFault) misbehave. Modes:
  // "error" (ERROR reply; params "code", "message"), "certificate" (ERROR with
  // code 0130Z1108005), "tooclose", "busy503", "nonxml", "empty",
  // "slow" (param "delay_ms", default 7000, then the normal reply), "drop",
  // "bare" (a ROOT without elements), "notice" (the bank's "提示信息" page).
  // Param "txcode" limits the fault to requests of that transaction code.
  void SetFault(const QString& mode, int count = 1,
                const QList<QPair<QString, QString>>& params = {});
  void ClearFault();

  // Changes a setting of the running simulator: "encoding" ("GBK" or "UTF-8"),
  // "versionTime", "announce" ("ISHOWMSG" value, spaces kept), "announceMsg",
  // "recordPasswords" ("1": Requests() shows the passwords; by default they
  // are masked with "*").
  void Configure(const QString& key, const QString& value);

  // The print counts of the electronic receipts printed (or set) so far, one
  // object per receipt: "customer", "kind" ("detail" with "accNo" and
  // "detailNo", or "transfer" with "creditNo") and "count".
  QJsonArray PrintCounts() const;
  // Sets a receipt's print count; the receipt's fields as in PrintCounts().
  void SetPrintCount(const QList<QPair<QString, QString>>& receipt, int count);

 private:
  QByteArray Control(const QByteArray& method, const QByteArray& path,
                     const QByteArray& body = {}) const;
  QProcess process_;
  quint16 port_ = 0;
};
