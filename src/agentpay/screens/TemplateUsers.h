#pragma once

#include "agentpay/records/PayTemplate.h"

// The screens that work through the active template, as the template editor
// reaches them when it saves one.
class TTemplateUsers {
 public:
  virtual ~TTemplateUsers() = default;
  // Whether the agent-pay screen holds records.
  virtual bool HoldsRecords() const = 0;
  // Runs the agent-pay screen's "保存".
  virtual void SaveRecords() = 0;
  // Empties the agent-pay screen and hands it the template's end-sign flag.
  virtual void ClearRecords(bool endSign) = 0;
  // Makes the template the one the screens work through.
  virtual void Activate(const TPayTemplate& payTemplate) = 0;
};
