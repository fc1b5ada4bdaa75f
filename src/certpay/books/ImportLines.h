#pragma once

#include <QByteArray>
#include <QStringList>

// The lines of a GBK text file to import: the first skipped lines are passed
// over, then each line is trimmed of white space and control characters, up to
// (without) the first empty one. Line i of the result is line i + skipped + 1
// of the file.
QStringList ImportLines(const QByteArray& fileBytes, int skipped);
