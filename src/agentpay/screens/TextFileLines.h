#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class TPrompts;

// The lines of a text file in the system code page; nothing, after telling the
// clerk, when it cannot be read.
std::optional<QStringList> ReadTextFileLines(TPrompts& prompts, const QString& path);
