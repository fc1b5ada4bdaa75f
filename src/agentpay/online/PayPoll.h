#pragma once

#include <QByteArray>
#include <QString>
#include <pugixml.hpp>

#include "agentpay/online/PayOutcome.h"

struct TUSER;

// What one poll of the bank's processing found.
enum class TPollStep {
  Processing,  // ask again after the wait
  TimedOut,    // the bank's polling window is over; the clerk may ask again
  Completed,   // the outcome is there
  FileError,   // the bank could not read the uploaded file
};

// The message when the bank could not read the uploaded file.
QString FileErrorText();

// The wait before the next poll: the bank's TimeOut in milliseconds, held to
// 1 to 60 seconds so that a bad reply can neither make a tight loop nor a wait
// of hours.
int PollWaitMs(const QString& timeOut);

// A file or a document the bank processes while the client asks after it.
class TPayPoll {
 public:
  virtual ~TPayPoll() = default;
  virtual QByteArray Body(const TUSER& user) const = 0;
  // Reads a reply that passed the check; a reply still processing renews what
  // the next poll sends.
  virtual TPollStep Read(const pugi::xml_node& root) = 0;
  virtual int WaitMs() const = 0;
};

// N17144: an uploaded file until its summary is there.
class TFilePoll final : public TPayPoll {
 public:
  explicit TFilePoll(TQueryFileResultRequest request) : request_(std::move(request)) {}
  QByteArray Body(const TUSER& user) const override;
  TPollStep Read(const pugi::xml_node& root) override;
  int WaitMs() const override { return PollWaitMs(request_.TimeOut); }
  const TQueryFileResultResult& Result() const { return result_; }

 private:
  TQueryFileResultRequest request_;
  TQueryFileResultResult result_;
};

// N17145: a confirmed document until its outcome is there.
class TDocumentPoll final : public TPayPoll {
 public:
  explicit TDocumentPoll(TQueryResultReq request) : request_(std::move(request)) {}
  QByteArray Body(const TUSER& user) const override;
  TPollStep Read(const pugi::xml_node& root) override;
  int WaitMs() const override { return PollWaitMs(request_.TimeOut); }
  const TQueryResultRes& Result() const { return result_; }

 private:
  TQueryResultReq request_;
  TQueryResultRes result_;
};
