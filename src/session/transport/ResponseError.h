#pragma once

#include "platform/errors/ClerkError.h"

// The error of a failed exchange with the bank or of an error reply. It carries
// only the message the clerk reads.
class EResponseError : public TClerkError {
 public:
  using TClerkError::TClerkError;
};
