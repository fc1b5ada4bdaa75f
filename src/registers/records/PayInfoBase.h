#pragma once

#include <QString>

#include "xml/XmlNodes.h"

// A register record that loads itself from its item element and saves itself as
// a new item element under a parent.
class TPayInfoBase {
 public:
  virtual ~TPayInfoBase() = default;

  // Fills every field from the item element; a missing field gives empty text or 0.
  virtual void LoadFromXml(xml::Node item) = 0;
  // Appends the record's own item element under the parent, with every field.
  virtual void SaveToXml(xml::Node parent) const = 0;

 protected:
  // Appends a field element holding the value. SetNodeTextStr on the new element
  // finds that element itself, so the fields written before are not searched: on
  // a large register that search was a third of the time to save.
  static void AppendField(xml::Node item, const char* name, const QString& value) {
    xml::SetNodeTextStr(xml::AppendNode(item, name), name, value);
  }

  TPayInfoBase() = default;
  TPayInfoBase(const TPayInfoBase&) = default;
  TPayInfoBase& operator=(const TPayInfoBase&) = default;
};
