#include "xml/XmlNodes.h"

#include <array>
#include <charconv>
#include <cstring>
#include <stdexcept>

namespace xml {
namespace {

Node RootElement(Node document) {
  for (Node child = document.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element) return child;
  return {};
}

// A document stands for its root element.
Node Effective(Node parent) {
  return parent.type() == pugi::node_document ? RootElement(parent) : parent;
}

Node RequireParent(Node parent) {
  Node p = Effective(parent);
  if (!p) throw std::invalid_argument("XML parent element is missing");
  return p;
}

bool IsControlOrSpace(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

// Short values (flags, codes, currency) repeat throughout a register: one copy
// of each is shared instead of allocating it for every record.
QString SharedShortText(const char* utf8, qsizetype size) {
  constexpr qsizetype kMaxBytes = 8;
  if (size == 0 || size > kMaxBytes) return QString::fromUtf8(utf8, size);
  struct Slot {
    quint64 Key = 0;
    qsizetype Size = 0;
    QString Text;
  };
  thread_local std::array<Slot, 1024> slots;
  quint64 key = 0;
  std::memcpy(&key, utf8, size_t(size));
  Slot& slot = slots[(key * 0x9E3779B97F4A7C15ull) >> 54];
  if (slot.Size != size || slot.Key != key) slot = {key, size, QString::fromUtf8(utf8, size)};
  return slot.Text;
}

// UTF-8 text trimmed of white space and control characters; multi-byte
// characters never start with a byte <= 0x20, so trimming bytes is safe.
QString TrimmedUtf8(const char* text) {
  const char* begin = text;
  const char* end = text + std::strlen(text);
  while (begin < end && IsControlOrSpace(*begin)) ++begin;
  while (end > begin && IsControlOrSpace(end[-1])) --end;
  return SharedShortText(begin, end - begin);
}

// The first text (or CDATA) node directly under the element.
Node FirstTextNode(Node element) {
  for (Node child = element.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) return child;
  return {};
}

QString ElementText(Node element, const QString& defaultValue) {
  if (!element) return defaultValue;
  Node text = FirstTextNode(element);
  if (!text) return defaultValue;
  return TrimmedUtf8(text.value());
}

}  // namespace

Node SelectNode(Node parent, const char* name) {
  Node p = Effective(parent);
  if (!p) return {};
  if (std::strcmp(p.name(), name) == 0) return p;
  return p.child(name);
}

Node FindNode(Node parent, const char* name) {
  Node p = Effective(parent);
  if (!p) return {};
  return p.child(name);
}

Node AppendNode(Node parent, const char* name) {
  // An empty document gets the new element as its root.
  if (parent.type() == pugi::node_document && !RootElement(parent))
    return parent.append_child(name);
  return RequireParent(parent).append_child(name);
}

Node EnsureNode(Node parent, const char* name) {
  Node found = SelectNode(parent, name);
  return found ? found : AppendNode(parent, name);
}

QString GetNodeTextStr(Node parent, const char* name, const QString& defaultValue) {
  return ElementText(SelectNode(parent, name), defaultValue);
}

QString TFieldReader::Str(const char* name, const QString& defaultValue) {
  while (next_ && next_.type() != pugi::node_element) next_ = next_.next_sibling();
  if (inOrder_ && next_ && std::strcmp(next_.name(), name) == 0 &&
      std::strcmp(item_.name(), name) != 0) {
    const Node found = next_;
    next_ = next_.next_sibling();
    return ElementText(found, defaultValue);
  }
  const Node found = SelectNode(item_, name);
  if (found) inOrder_ = false;  // elements were passed over unread
  return ElementText(found, defaultValue);
}

qint64 GetNodeTextInt(Node parent, const char* name, qint64 defaultValue) {
  const QString text = GetNodeTextStr(parent, name);
  bool ok = false;
  const qint64 value = text.toLongLong(&ok, 10);
  return ok ? value : defaultValue;
}

double GetNodeTextReal(Node parent, const char* name, double defaultValue) {
  return ParseReal(GetNodeTextStr(parent, name)).value_or(defaultValue);
}

void SetNodeTextStr(Node parent, const char* name, const QString& value) {
  RequireParent(parent);
  Node element = EnsureNode(parent, name);
  for (Node child = element.first_child(); child;) {
    Node next = child.next_sibling();
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
      element.remove_child(child);
    child = next;
  }
  element.append_child(pugi::node_pcdata).set_value(value.toUtf8().constData());
}

void SetNodeTextInt(Node parent, const char* name, qint64 value) {
  SetNodeTextStr(parent, name, QString::number(value));
}

void SetNodeTextReal(Node parent, const char* name, double value) {
  SetNodeTextStr(parent, name, FormatReal(value));
}

QString FormatReal(double value) {
  // %.15g in the C locale: shortest general form, never a comma.
  char buffer[64];
  auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return QString::fromLatin1(buffer, result.ptr - buffer);
}

std::optional<double> ParseReal(QStringView text) {
  const QByteArray latin = text.trimmed().toLatin1();
  if (latin.isEmpty()) return std::nullopt;
  const char* begin = latin.constData();
  const char* end = begin + latin.size();
  if (*begin == '+') ++begin;  // from_chars refuses a leading plus
  double value = 0;
  auto result = std::from_chars(begin, end, value);
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return value;
}

QString TrimControls(QStringView text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text[begin].unicode() <= 0x20) ++begin;
  while (end > begin && text[end - 1].unicode() <= 0x20) --end;
  return text.mid(begin, end - begin).toString();
}

}  // namespace xml
