#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh program directory for one test, removed afterwards.
class TempAppDir {
 public:
  TempAppDir();
  QString path() const { return dir_.path(); }
  // Path of a file below the program directory, e.g. file("param/Payer.xml").
  QString file(const QString& relative) const;
  void write(const QString& relative, const QByteArray& bytes) const;
  QByteArray read(const QString& relative) const;

 private:
  QTemporaryDir dir_;
};
