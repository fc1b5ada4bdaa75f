#pragma once

#include <QString>
#include <QTreeWidgetItem>
#include <QtGlobal>

// What a leaf of the menu tree stands for: its text and the menu code it runs.
struct TMenu {
  QString Caption;
  qint32 Code = 0;
};

// A leaf of the menu tree; top-level nodes are plain items and carry no TMenu.
class TMenuTreeItem : public QTreeWidgetItem {
 public:
  TMenuTreeItem(QTreeWidgetItem* parent, TMenu menu)
      : QTreeWidgetItem(parent, QStringList{menu.Caption}), menu_(std::move(menu)) {}
  const TMenu& Menu() const { return menu_; }

 private:
  TMenu menu_;
};

// The TMenu of a tree item, or nullptr for a top-level node or no item.
inline const TMenu* MenuOf(const QTreeWidgetItem* item) {
  const auto* leaf = dynamic_cast<const TMenuTreeItem*>(item);
  return leaf ? &leaf->Menu() : nullptr;
}
