#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>

#include "support/TempAppDir.h"

// Runs a program to its end (at most three minutes); whether it ended with
// exit code 0. The output, standard and error together, goes to *output.
inline bool RunProgram(const QString& program, const QStringList& arguments,
                       QString* output = nullptr) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  if (!process.waitForFinished(180000)) return false;
  if (output) *output = QString::fromUtf8(process.readAll());
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Converts the files into outDir with headless LibreOffice, each to the given
// filter, its profile kept in the test's directory.
inline void ConvertWithLibreOffice(const TempAppDir& dir, const QStringList& files,
                                   const QString& filter, const QString& outDir) {
  QString output;
  const QStringList arguments =
      QStringList{QStringLiteral("-env:UserInstallation=file://") + dir.File("lo-profile"),
                  QStringLiteral("--headless"),
                  QStringLiteral("--convert-to"),
                  filter,
                  QStringLiteral("--outdir"),
                  outDir} +
      files;
  ASSERT_TRUE(RunProgram(QStringLiteral("soffice"), arguments, &output)) << output.toStdString();
}
