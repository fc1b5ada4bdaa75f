#pragma once

#include <httplib.h>

#include <QByteArray>
#include <atomic>
#include <mutex>

#include "Faults.h"
#include "PayDocuments.h"
#include "PrintCounts.h"
#include "Reply.h"
#include "RequestLog.h"
#include "Sessions.h"
#include "SimData.h"
#include "TransferDocuments.h"

// The simulated bank on one loopback port: the bank's paths, the downloadable
// files, and the control interface under "/__sim/" for tests.
class TSimServer {
 public:
  // With control, the control interface under "/__sim/" answers and the
  // requests are recorded for it, their passwords masked unless a test asks
  // for them (setting "recordPasswords"); without it (the demo) nothing is
  // recorded and nobody can read what the client sent.
  TSimServer(TSimData data, bool verbose, bool control);
  // Binds 127.0.0.1:port (0: a free port) and returns the port, or -1.
  int Bind(int port);
  // Serves until the process ends.
  bool Listen();

 private:
  void Handle(const httplib::Request& request, httplib::Response& response);
  TSimReply Answer(const TLoggedRequest& request);
  TSimReply BankRequest(const TLoggedRequest& request);
  TSimReply Download(const QByteArray& path);
  // The control interface (SimControl.cpp).
  TSimReply Control(const TLoggedRequest& request);
  TSimReply Configure(const TFormFields& settings);
  // The confirmed agent-pay documents as JSON.
  TSimReply PayDocuments();
  // The receipts' print counts as JSON, and a count set by a test.
  TSimReply PrintCounts();
  TSimReply SetPrintCount(const TFormFields& form);

  httplib::Server server_;
  const bool verbose_;
  const bool control_;
  std::atomic<bool> recordPasswords_ = false;
  TRequestLog log_;
  TFaults faults_;
  std::mutex mutex_;  // guards what follows
  TSimData data_;
  TSessions sessions_;
  TPayDocuments payDocuments_;
  TTransferDocuments transfers_;
  TPrintCounts printCounts_;
  TReplyEncoding encoding_ = TReplyEncoding::Gbk;
};
