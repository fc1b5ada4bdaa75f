#include "core/IniFile.h"

#include <stdexcept>

#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"

namespace {

bool SameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString Unquoted(const QString& value) {
  if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
    return value.mid(1, value.size() - 2);
  return value;
}

bool HasLineBreak(const QString& text) {
  return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

void Require(bool condition, const char* what) {
  if (!condition) throw std::invalid_argument(what);
}

}  // namespace

TIniFile::TIniFile(const QString& path) : path_(path) {
  if (const std::optional<QByteArray> bytes = ReadWholeFile(path)) {
    exists_ = true;
    Parse(*bytes);
  }
}

void TIniFile::Parse(const QByteArray& bytes) {
  QList<QByteArray> rawLines = bytes.split('\n');
  // A final line end does not begin another line.
  if (!rawLines.isEmpty() && rawLines.last().isEmpty()) rawLines.removeLast();

  int current = -1;
  for (QByteArray& raw : rawLines) {
    if (raw.endsWith('\r')) raw.chop(1);
    Line line;
    line.raw = raw;
    const std::optional<QString> decoded = codec::fromGbkStrict(raw);
    const QString text = decoded ? decoded->trimmed() : QString();

    if (!decoded) {
      line.kind = Line::Damaged;
    } else if (text.isEmpty() || text.startsWith(QLatin1Char(';'))) {
      line.kind = Line::Comment;
    } else if (text.startsWith(QLatin1Char('['))) {
      const qsizetype close = text.indexOf(QLatin1Char(']'));
      line.kind = Line::Section;
      line.name = text.mid(1, close < 0 ? -1 : close - 1).trimmed();
      current = SectionIndex(line.name);
      if (current < 0) {
        sections_.push_back({line.name, false});
        current = int(sections_.size()) - 1;
      }
      if (close < 0 || line.name.isEmpty()) sections_[current].damaged = true;
    } else {
      const qsizetype equals = text.indexOf(QLatin1Char('='));
      line.name = equals < 0 ? QString() : text.left(equals).trimmed();
      if (line.name.isEmpty()) {
        line.kind = Line::Damaged;
      } else {
        line.kind = Line::Key;
        line.value = Unquoted(text.mid(equals + 1).trimmed());
      }
    }
    line.section = current;
    if (line.kind == Line::Damaged && current >= 0) sections_[current].damaged = true;
    lines_.push_back(std::move(line));
  }
}

int TIniFile::SectionIndex(const QString& name) const {
  for (size_t i = 0; i < sections_.size(); ++i)
    if (SameName(sections_[i].name, name)) return int(i);
  return -1;
}

const TIniFile::Line* TIniFile::FindKey(int section, const QString& key) const {
  if (section < 0) return nullptr;
  for (const Line& line : lines_)
    if (line.kind == Line::Key && line.section == section && SameName(line.name, key)) return &line;
  return nullptr;
}

QStringList TIniFile::Sections() const {
  QStringList names;
  for (const SectionInfo& s : sections_) names.append(s.name);
  return names;
}

QStringList TIniFile::Keys(const QString& section) const {
  const int index = SectionIndex(section);
  QStringList keys;
  if (index < 0) return keys;
  for (const Line& line : lines_) {
    if (line.kind != Line::Key || line.section != index) continue;
    if (!keys.contains(line.name, Qt::CaseInsensitive)) keys.append(line.name);
  }
  return keys;
}

bool TIniFile::HasKey(const QString& section, const QString& key) const {
  return FindKey(SectionIndex(section), key) != nullptr;
}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& defaultValue) const {
  const Line* line = FindKey(SectionIndex(section), key);
  return line ? line->value : defaultValue;
}

bool TIniFile::IsDamaged(const QString& section) const {
  const int index = SectionIndex(section);
  return index >= 0 && sections_[index].damaged;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  Require(!section.trimmed().isEmpty() && !section.contains(QLatin1Char(']')) &&
              !HasLineBreak(section) && codec::fitsGbk(section),
          "ini section name cannot be written");
  Require(!key.trimmed().isEmpty() && !key.contains(QLatin1Char('=')) && !HasLineBreak(key) &&
              !key.trimmed().startsWith(QLatin1Char(';')) &&
              !key.trimmed().startsWith(QLatin1Char('[')) && codec::fitsGbk(key),
          "ini key name cannot be written");
  Require(!HasLineBreak(value) && codec::fitsGbk(value), "ini value cannot be written");

  int index = SectionIndex(section);
  if (const Line* existing = FindKey(index, key)) {
    Line& line = lines_[existing - lines_.data()];
    line.value = value;
    line.raw = codec::toGbk(QString(line.name + QLatin1Char('=') + value));
    return;
  }

  Line line;
  line.kind = Line::Key;
  line.name = key;
  line.value = value;
  line.raw = codec::toGbk(QString(key + QLatin1Char('=') + value));

  if (index < 0) {
    if (!lines_.empty() && !lines_.back().raw.trimmed().isEmpty()) lines_.push_back(Line{});
    sections_.push_back({section, false});
    index = int(sections_.size()) - 1;
    Line header;
    header.kind = Line::Section;
    header.name = section;
    header.section = index;
    header.raw = codec::toGbk(QString(QLatin1Char('[') + section + QLatin1Char(']')));
    lines_.push_back(std::move(header));
    line.section = index;
    lines_.push_back(std::move(line));
    return;
  }

  // After the last header, key or damaged line of the section: comments and blank
  // lines that lead into the next section stay in front of it.
  size_t insertAt = 0;
  for (size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].section == index && lines_[i].kind != Line::Comment) insertAt = i + 1;
  line.section = index;
  lines_.insert(lines_.begin() + qsizetype(insertAt), std::move(line));
}

void TIniFile::Save() const {
  QByteArray bytes;
  for (const Line& line : lines_) {
    bytes += line.raw;
    bytes += "\r\n";
  }
  WriteFileAtomically(path_, bytes);
}
