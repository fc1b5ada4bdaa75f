#pragma once

#include <QString>
#include <QStringList>

// The program directory: the DIR of "--appdir DIR" (or "--appdir=DIR") among the
// arguments (the first argument is the program and is skipped), made absolute
// against the current directory, else the executable's directory. Throws
// std::invalid_argument when "--appdir" has no directory after it.
QString ResolveAppDir(const QStringList& arguments, const QString& executableDir);
