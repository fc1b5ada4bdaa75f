#include "support/SmallDisk.h"

#include <sched.h>
#include <sys/mount.h>

#include <QFile>

namespace {

// Moves this thread into a mount namespace of its own whose mounts do not
// propagate back, once. False where the process may not.
bool InOwnMountNamespace() {
  static const bool kMoved =
      unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
  return kMoved;
}

}  // namespace

TSmallDisk::TSmallDisk() {
  const QByteArray options = "size=" + QByteArray::number(qulonglong(kSize));
  mounted_ = InOwnMountNamespace() && mount("tmpfs", QFile::encodeName(Path()).constData(), "tmpfs",
                                            0, options.constData()) == 0;
}

TSmallDisk::~TSmallDisk() {
  if (mounted_) umount2(QFile::encodeName(Path()).constData(), MNT_DETACH);
}

std::optional<FileSizeLimit> TSmallDisk::Full() const {
  if (mounted_) return std::nullopt;
  return std::optional<FileSizeLimit>(std::in_place, kSize);
}
