#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// An ini file in the system code page (GBK), read and written the way Windows
// reads ini files: sections and keys keep their file order, names compare
// case-insensitively, values are trimmed and lose one pair of enclosing double
// quotes, blank lines and lines beginning with ";" are comments. Lines may end
// in LF or CR LF; written lines end in CR LF.
//
// A section is damaged when one of its lines is neither "key=value", a comment
// nor blank, has an empty key, is not valid GBK, or when its header has no
// closing "]" or an empty name. The well-formed keys of a damaged section are
// still read.
//
// Writing keeps every other line byte for byte: a key that exists is replaced in
// place, a new key goes after the last key of its section, a new section at the
// end of the file.
class TIniFile {
 public:
  // Reads the file; a missing or unreadable file reads as empty.
  explicit TIniFile(const QString& path);
  // Reads the bytes as the file at path holding them; Save writes to path.
  TIniFile(const QString& path, const QByteArray& bytes);

  const QString& Path() const { return path_; }
  bool Exists() const { return exists_; }

  QStringList Sections() const;
  // The distinct keys of the section, in order of first appearance.
  QStringList Keys(const QString& section) const;
  bool HasKey(const QString& section, const QString& key) const;
  QString ReadString(const QString& section, const QString& key,
                     const QString& defaultValue = QString()) const;
  bool IsDamaged(const QString& section) const;

  // Changes the file in memory; Save() writes it. Throws std::invalid_argument
  // for a name or value that an ini line cannot hold.
  void WriteString(const QString& section, const QString& key, const QString& value);
  // The file's bytes as Save writes them.
  QByteArray Bytes() const;
  // Replaces the file atomically; throws TFileError when that fails.
  void Save() const;

 private:
  struct Line {
    enum TKind { Comment, Section, Key, Damaged };
    QByteArray Raw;  // as read, without its line end
    TKind Kind = Comment;
    QString Name;        // section or key name
    QString Value;       // key value
    int SectionNo = -1;  // index into sections_, -1 before the first header
  };
  struct SectionInfo {
    QString Name;
    bool Damaged = false;
  };

  void Parse(const QByteArray& bytes);
  int SectionIndex(const QString& name) const;
  const Line* FindKey(int section, const QString& key) const;

  QString path_;
  bool exists_ = false;
  std::vector<Line> lines_;
  std::vector<SectionInfo> sections_;  // distinct sections in file order
};
