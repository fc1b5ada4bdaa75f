#include <gtest/gtest.h>

#include <QDir>
#include <stdexcept>

#include "core/AppDir.h"

TEST(AppDir, optionGivesTheDirectoryMadeAbsoluteElseTheExecutablesDirectory) {
  const QString exe = QStringLiteral("/opt/client");
  const QString program = QStringLiteral("b2bclient");
  EXPECT_EQ(ResolveAppDir({program}, exe), exe);
  EXPECT_EQ(ResolveAppDir({program, QStringLiteral("--appdir"), QStringLiteral("/srv/app/")}, exe),
            QStringLiteral("/srv/app"));
  EXPECT_EQ(ResolveAppDir({program, QStringLiteral("--appdir=/srv/other")}, exe),
            QStringLiteral("/srv/other"));
  EXPECT_EQ(
      ResolveAppDir({program, QStringLiteral("--appdir"), QStringLiteral("demo/../run")}, exe),
      QDir::current().absoluteFilePath(QStringLiteral("run")));
  EXPECT_THROW(ResolveAppDir({program, QStringLiteral("--appdir")}, exe), std::invalid_argument);
  EXPECT_THROW(ResolveAppDir({program, QStringLiteral("--appdir=")}, exe), std::invalid_argument);
}
