#pragma once

#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

// The child of a window by its object name, as the clerk's controls are found.
// A missing child ends the test with its name.
template <class Widget>
Widget& Child(const QObject& parent, const char* name) {
  auto* child = parent.findChild<Widget*>(QString::fromLatin1(name));
  if (!child) throw std::logic_error(std::string("no child named ") + name);
  return *child;
}
