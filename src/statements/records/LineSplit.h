#pragma once

#include <QList>
#include <QStringView>

// The fields of one line of a statement file, as views into the line.

// An account-detail line: fields separated by ",", each enclosed in one
// character at either end that is dropped unseen ("\"a\",\"b\"" gives a and
// "\"b\""). Nothing between two adjacent separators is an empty field, and so
// is a single character before one. The last field is taken as it stands, its
// quotes included.
QList<QStringView> SplitQuotedLine(QStringView line);

// A transfer-flow line: the text before each "|", then the rest after the last
// one, which is empty when the line ends with "|".
QList<QStringView> SplitBarLine(QStringView line);

// A field without the spaces and control characters at its ends.
QStringView TrimField(QStringView field);
