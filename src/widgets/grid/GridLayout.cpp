#include "widgets/grid/GridLayout.h"

#include <QAbstractItemModel>
#include <QTableView>
#include <stdexcept>

#include "xml/XmlFiles.h"

namespace {

bool IsNameStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsNameChar(char c) {
  return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// The key as an element name; only plain ASCII names are accepted.
QByteArray ElementName(const QString& key) {
  QByteArray name = key.toLatin1();
  bool valid = !key.isEmpty() && QString::fromLatin1(name) == key && IsNameStart(name[0]);
  for (char c : name) valid = valid && IsNameChar(c);
  if (!valid)
    throw std::invalid_argument("grid layout key is not an XML name: " + key.toStdString());
  return name;
}

// Larger stored widths are taken as damage, not as a layout.
constexpr qint64 kMaxColumnWidth = 0xFFFF;

QByteArray ColumnName(int column) {
  return "Col" + QByteArray::number(column + 1);
}

int ColumnCount(const QTableView& grid) {
  return grid.model() ? grid.model()->columnCount() : 0;
}

}  // namespace

void LoadGridLayoutFile(const QString& path, QTableView& grid, const QString& key) {
  const QByteArray name = ElementName(key);
  xml::Document doc;
  if (!xml::LoadLibraryFile(path, doc)) return;
  const xml::Node layout = xml::FindNode(doc, name.constData());
  if (!layout) return;
  for (int column = 0; column < ColumnCount(grid); ++column) {
    const qint64 width = xml::GetNodeTextInt(layout, ColumnName(column).constData(), 0);
    if (width > 0 && width <= kMaxColumnWidth) grid.setColumnWidth(column, int(width));
  }
}

void SaveGridLayoutFile(const QString& path, const QTableView& grid, const QString& key) {
  const QByteArray name = ElementName(key);
  xml::Document doc;
  if (!xml::LoadLibraryFile(path, doc)) doc.reset();
  if (!doc.document_element()) doc.append_child("Grids");
  xml::Node layout = xml::FindNode(doc, name.constData());
  if (layout) {
    // Columns stored by an earlier, wider grid go too.
    while (layout.first_child()) layout.remove_child(layout.first_child());
  } else {
    layout = xml::AppendNode(doc, name.constData());
  }
  for (int column = 0; column < ColumnCount(grid); ++column)
    xml::SetNodeTextInt(layout, ColumnName(column).constData(), grid.columnWidth(column));
  xml::SaveLibraryFile(doc, path, false);
}
