#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// Runs a script with the system's Python, the one with openpyxl, xlwt and xlrd,
// and gives its standard output.
inline QByteArray RunSystemPython(const QString& script, const QStringList& arguments = {}) {
  QProcess python;
  python.start(QStringLiteral("/usr/bin/python3"),
               QStringList{QStringLiteral("-c"), script} + arguments);
  EXPECT_TRUE(python.waitForFinished(60000));
  EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  return python.readAllStandardOutput();
}
