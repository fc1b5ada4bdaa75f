#pragma once

#include <QString>

class QTableView;

// Column widths of grids in a layout file: root "Grids", one element per grid
// key, and under it "Col1".."ColN" holding the widths of the model's columns in
// pixels. Keys must be XML names; another key throws std::invalid_argument.

// Applies the widths stored under the key. A missing or broken file, a missing
// key and widths that are not positive change nothing.
void LoadGridLayoutFile(const QString& path, QTableView& grid, const QString& key);

// Stores the grid's widths under the key, replacing those stored before. A
// missing or broken file is started afresh. Throws TFileError when the file
// cannot be written.
void SaveGridLayoutFile(const QString& path, const QTableView& grid, const QString& key);
