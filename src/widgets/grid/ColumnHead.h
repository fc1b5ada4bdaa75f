#pragma once

#include <QString>

// A caption drawn in the upper half of the header across the columns Col1 to
// Col2. It is drawn only when 0 <= Col1 < Col2 and Col2 is a column of the grid.
struct TColumnHead {
  QString Caption;
  int Col1 = -1;
  int Col2 = -1;
};
