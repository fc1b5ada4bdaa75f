#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

// A PDF as poppler-utils (scripts/setup) read it, independently of Qt.

inline QString RunPoppler(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  EXPECT_TRUE(process.waitForFinished(60000))
      << tool.toStdString() << " (poppler-utils) did not run";
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The lines of the pages as pdftotext -layout sets them, each run of blanks
// made one space, empty lines left out. Pages from 1; 0 for all.
inline QStringList PdfLines(const QString& path, int page = 0) {
  QStringList arguments{QStringLiteral("-layout")};
  if (page > 0)
    arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
              << QString::number(page);
  const QString text =
      RunPoppler(QStringLiteral("pdftotext"), arguments << path << QStringLiteral("-"));
  QStringList lines;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    const QString simple = line.simplified();
    if (!simple.isEmpty()) lines << simple;
  }
  return lines;
}

// The text of the pages without any blank or line break, to find texts that
// wrap over lines and the order of everything printed.
inline QString PdfCharacters(const QString& path) {
  return PdfLines(path).join(QString()).remove(QRegularExpression(QStringLiteral("\\s")));
}

inline int PdfPages(const QString& path) {
  const QString info = RunPoppler(QStringLiteral("pdfinfo"), {path});
  return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
}

// The pieces (blanks removed) one after the other in the text; the failure
// names the first one missing.
inline testing::AssertionResult InOrder(const QString& characters, const QStringList& pieces) {
  qsizetype at = 0;
  for (const QString& piece : pieces) {
    const QString wanted = QString(piece).remove(QRegularExpression(QStringLiteral("\\s")));
    const qsizetype found = characters.indexOf(wanted, at);
    if (found < 0)
      return testing::AssertionFailure()
             << "\"" << wanted.toStdString() << "\" missing after position " << at << " in "
             << characters.toStdString();
    at = found + wanted.size();
  }
  return testing::AssertionSuccess();
}
