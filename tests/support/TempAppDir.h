#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh program directory for one test, removed afterwards.
class TempAppDir {
 public:
  TempAppDir();
  QString Path() const { return dir_.path(); }
  // Path of a file below the program directory, e.g. file("param/Payer.xml").
  QString File(const QString& relative) const;
  void Write(const QString& relative, const QByteArray& bytes) const;
  QByteArray Read(const QString& relative) const;

 private:
  QTemporaryDir dir_;
};
