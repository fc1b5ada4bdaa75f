#pragma once

#include <QString>

// A file that could not be read is copied aside before anything can overwrite
// it: beside it as "<name>.damaged", or ".damaged2", ".damaged3", ... when that
// name is taken. Returns the copy's path, empty when even the copy failed.
QString KeepDamagedCopy(const QString& path);
