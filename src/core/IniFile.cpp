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

TIniFile::TIniFile(const QString& path, const QByteArray& bytes) : path_(path), exists_(true) {
  Parse(bytes);
}

void TIniFile::Parse(const QByteArray& bytes) {
  QList<QByteArray> rawLines = bytes.split('\n');
  // A final line end does not begin another line.
  if (!rawLines.isEmpty() && rawLines.last().isEmpty()) rawLines.removeLast();

  int current = -1;
  for (QByteArray& raw : rawLines) {
    if (raw.endsWith('\r')) raw.chop(1);
    Line line;
    line.Raw = raw;
    const std::optional<QString> decoded = codec::FromGbkStrict(raw);
    const QString text = decoded ? decoded->trimmed() : QString();

    if (!decoded) {
      line.Kind = Line::Damaged;
    } else if (text.isEmpty() || text.startsWith(QLatin1Char(';'))) {
      line.Kind = Line::Comment;
    } else if (text.startsWith(QLatin1Char('['))) {
      const qsizetype close = text.indexOf(QLatin1Char(']'));
      line.Kind = Line::Section;
      line.Name = text.mid(1, close < 0 ? -1 : close - 1).trimmed();
      current = SectionIndex(line.Name);
      if (current < 0) {
        sections_.push_back({line.Name, false});
        current = int(sections_.size()) - 1;
      }
      if (close < 0 || line.Name.isEmpty()) sections_[current].Damaged = true;
    } else {
      const qsizetype equals = text.indexOf(QLatin1Char('='));
      line.Name = equals < 0 ? QString() : text.left(equals).trimmed();
      if (line.Name.isEmpty()) {
        line.Kind = Line::Damaged;
      } else {
        line.Kind = Line::Key;
        line.Value = Unquoted(text.mid(equals + 1).trimmed());
      }
    }
    line.SectionNo = current;
    if (line.Kind == Line::Damaged && current >= 0) sections_[current].Damaged = true;
    lines_.push_back(std::move(line));
  }
}

int TIniFile::SectionIndex(const QString& name) const {
  for (size_t i = 0; i < sections_.size(); ++i)
    if (SameName(sections_[i].Name, name)) return int(i);
  return -1;
}

const TIniFile::Line* TIniFile::FindKey(int section, const QString& key) const {
  if (section < 0) return nullptr;
  for (const Line& line : lines_)
    if (line.Kind == Line::Key && line.SectionNo == section && SameName(line.Name, key))
      return &line;
  return nullptr;
}

QStringList TIniFile::Sections() const {
  QStringList names;
  for (const SectionInfo& s : sections_) names.append(s.Name);
  return names;
}

QStringList TIniFile::Keys(const QString& section) const {
  const int index = SectionIndex(section);
  QStringList keys;
  if (index < 0) return keys;
  for (const Line& line : lines_) {
    if (line.Kind != Line::Key || line.SectionNo != index) continue;
    if (!keys.contains(line.Name, Qt::CaseInsensitive)) keys.append(line.Name);
  }
  return keys;
}

bool TIniFile::HasKey(const QString& section, const QString& key) const {
  return FindKey(SectionIndex(section), key) != nullptr;
}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& defaultValue) const {
  const Line* line = FindKey(SectionIndex(section), key);
  return line ? line->Value : defaultValue;
}

bool TIniFile::IsDamaged(const QString& section) const {
  const int index = SectionIndex(section);
  return index >= 0 && sections_[index].Damaged;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  Require(!section.trimmed().isEmpty() && !section.contains(QLatin1Char(']')) &&
              !HasLineBreak(section) && codec::FitsGbk(section),
          "ini section name cannot be written");
  Require(!key.trimmed().isEmpty() && !key.contains(QLatin1Char('=')) && !HasLineBreak(key) &&
              !key.trimmed().startsWith(QLatin1Char(';')) &&
              !key.trimmed().startsWith(QLatin1Char('[')) && codec::FitsGbk(key),
          "ini key name cannot be written");
  Require(!HasLineBreak(value) && codec::FitsGbk(value), "ini value cannot be written");

  int index = SectionIndex(section);
  if (const Line* existing = FindKey(index, key)) {
    Line& line = lines_[existing - lines_.data()];
    line.Value = value;
    line.Raw = codec::ToGbk(QString(line.Name + QLatin1Char('=') + value));
    return;
  }

  Line line;
  line.Kind = Line::Key;
  line.Name = key;
  line.Value = value;
  line.Raw = codec::ToGbk(QString(key + QLatin1Char('=') + value));

  if (index < 0) {
    if (!lines_.empty() && !lines_.back().Raw.trimmed().isEmpty()) lines_.push_back(Line{});
    sections_.push_back({section, false});
    index = int(sections_.size()) - 1;
    Line header;
    header.Kind = Line::Section;
    header.Name = section;
    header.SectionNo = index;
    header.Raw = codec::ToGbk(QString(QLatin1Char('[') + section + QLatin1Char(']')));
    lines_.push_back(std::move(header));
    line.SectionNo = index;
    lines_.push_back(std::move(line));
    return;
  }

  // After the last header, key or damaged line of the section: comments and blank
  // lines that lead into the next section stay in front of it.
  size_t insertAt = 0;
  for (size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].SectionNo == index && lines_[i].Kind != Line::Comment) insertAt = i + 1;
  line.SectionNo = index;
  lines_.insert(lines_.begin() + qsizetype(insertAt), std::move(line));
}

QByteArray TIniFile::Bytes() const {
  QByteArray bytes;
  for (const Line& line : lines_) {
    bytes += line.Raw;
    bytes += "\r\n";
  }
  return bytes;
}

void TIniFile::Save() const {
  WriteFileAtomically(path_, Bytes());
}
