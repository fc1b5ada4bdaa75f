#pragma once

#include <QByteArray>
#include <QString>

// A zip archive holding one file of that name, deflated; empty when libzip fails.
QByteArray ZipOf(const QString& fileName, const QByteArray& content);
