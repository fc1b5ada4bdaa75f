#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <mutex>
#include <optional>

#include "FormFields.h"
#include "Reply.h"

// A misbehaviour asked for by a test.
struct TFault {
  QString Mode;        // error, certificate, tooclose, busy503, nonxml, empty, slow, drop,
                       // bare, notice
  int Count = 1;       // matching requests left; 0: until cleared
  QByteArray TxCode;   // empty: every request
  QString Code;        // "error": the ERRORCODE
  QString Message;     // "error", "certificate": the message
  int DelayMs = 7000;  // "slow"

  // Parses the control form (mode, count, txcode, code, message, delay_ms;
  // text in UTF-8). Returns nothing and sets error for a bad form.
  static std::optional<TFault> FromForm(const TFormFields& form, QString& error);
};

// The faults set, in the order they were set. A request takes the first one
// that matches its transaction code, which counts down.
class TFaults {
 public:
  void Add(const TFault& fault);
  void Clear();
  std::optional<TFault> Take(const QByteArray& txCode);

 private:
  std::mutex mutex_;
  QList<TFault> faults_;
};

// The reply of a fault that replaces the answer (every mode but "slow" and "drop").
TSimReply FaultReply(const TFault& fault, TReplyEncoding encoding);
