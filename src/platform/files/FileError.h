#pragma once

#include "platform/errors/ClerkError.h"

// A file could not be written or read. The message names the file and the reason.
class TFileError : public TClerkError {
 public:
  using TClerkError::TClerkError;
};
