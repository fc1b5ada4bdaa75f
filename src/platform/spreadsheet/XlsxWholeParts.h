#pragma once

#include <QString>

namespace spreadsheet {

// True when every part of the package at the path ends with the end tag of its
// root element. libxlsxwriter writes each part through a scratch file and does
// not notice when such a write fails (the scratch folder's disk is full): the
// part is cut short, and the package still closes without an error.
bool XlsxPartsAreWhole(const QString& path);

}  // namespace spreadsheet
