#include "session/SessionUser.h"

TUSER& SessionUser() {
  static TUSER user;
  return user;
}
