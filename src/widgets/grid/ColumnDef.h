#pragma once

#include <QString>
#include <Qt>

enum class TColumnAlignment { Left, Right, Center };

Qt::Alignment ToQtAlignment(TColumnAlignment alignment);

constexpr int kDefaultColumnWidth = 64;

// A column as screens declare it: grid->SetColumns({{title, width, alignment}, ...}).
// A column that fits its text widens, whenever the rows change, to the widest
// text it holds (amounts are never cut); it never becomes narrower.
struct TColumnDef {
  QString Title;
  int Width = kDefaultColumnWidth;
  TColumnAlignment Alignment = TColumnAlignment::Center;
  bool FitsText = false;
};
