#pragma once

#include <optional>

#include "support/FileSizeLimit.h"
#include "support/TempAppDir.h"

// A fresh program directory on a disk of kSize bytes, for saves that fill it.
// Where the process may mount (root, as in CI, or a test run under
// "unshare -rm") the directory is a tmpfs of that size, mounted in a mount
// namespace of the test's own, so that no other process sees it. Elsewhere it
// is an ordinary directory, and while the object of Full() lives every file
// write of the process fails past kSize bytes (RLIMIT_FSIZE), as on a full disk.
class TSmallDisk : public TempAppDir {
 public:
  static constexpr rlim_t kSize = 16 * 1024;

  TSmallDisk();
  ~TSmallDisk();
  TSmallDisk(const TSmallDisk&) = delete;
  TSmallDisk& operator=(const TSmallDisk&) = delete;

  bool IsTmpfs() const { return mounted_; }
  // Held around a save that must fill the disk: the size limit where the
  // directory is no tmpfs, nothing where it is.
  std::optional<FileSizeLimit> Full() const;

 private:
  bool mounted_ = false;
};
