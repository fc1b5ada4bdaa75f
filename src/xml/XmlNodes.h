#pragma once

#include <QString>
#include <optional>
#include <pugixml.hpp>

// Node operations shared by every record class. A parent that is a document
// stands for its root element. Element names of the system's own files are
// ASCII and are given as plain C strings; texts are QString.
namespace xml {

using Node = pugi::xml_node;
using Document = pugi::xml_document;

// The parent itself when its name is the name, else its first child element
// of that name, else a null node.
Node SelectNode(Node parent, const char* name);

// The first child element of the parent with that name, or a null node.
Node FindNode(Node parent, const char* name);

// A new element of that name appended as the parent's last child. Throws
// std::invalid_argument when the parent is null.
Node AppendNode(Node parent, const char* name);

// SelectNode, or AppendNode when it finds nothing.
Node EnsureNode(Node parent, const char* name);

// Text of the first text node directly under the named child, trimmed of white
// space and control characters at both ends; the default when the child or its
// text is missing.
QString GetNodeTextStr(Node parent, const char* name, const QString& defaultValue = {});

// GetNodeTextStr read as a decimal integer; the default when missing or not one.
qint64 GetNodeTextInt(Node parent, const char* name, qint64 defaultValue = 0);

// GetNodeTextStr read as a number with "." as decimal point whatever the locale.
double GetNodeTextReal(Node parent, const char* name, double defaultValue = 0);

// Reads the fields of one item element with GetNodeTextStr's results, fast when
// the fields stand in the order they are asked for: each lookup first tries the
// element after the one found last. Ask for each name at most once.
class TFieldReader {
 public:
  explicit TFieldReader(Node item) : item_(item), next_(item.first_child()) {}
  QString Str(const char* name, const QString& defaultValue = {});

 private:
  Node item_;
  Node next_;
  // Every element before next_ was found for an earlier, other name, so none of
  // them can be the first of the name asked now.
  bool inOrder_ = true;
};

// EnsureNode, then the element's text nodes are replaced by one with the value.
// Throws std::invalid_argument when the parent is null.
void SetNodeTextStr(Node parent, const char* name, const QString& value);
void SetNodeTextInt(Node parent, const char* name, qint64 value);
void SetNodeTextReal(Node parent, const char* name, double value);

// A real number in the shortest general form of up to 15 significant digits,
// "." as decimal point, no thousands separators: 1234.5, 100, 0.0001.
QString FormatReal(double value);

// Reads a number with "." as decimal point, the whole text or nothing.
std::optional<double> ParseReal(QStringView text);

// The text with white space and control characters removed at both ends.
QString TrimControls(QStringView text);

}  // namespace xml
