#pragma once

#include <QString>

// Why a file could not be opened for reading, or a new file not be made in a
// folder, in the clerk's words rather than the system's English text. The
// reason is found by looking at the path again, so it is a best guess when the
// failure was brief.
QString ReadProblemText(const QString& path);
QString WriteProblemText(const QString& path);
