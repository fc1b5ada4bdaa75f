#include "FuzzInput.h"
#include "core/IniFile.h"

// Reads the bytes as an ini file and every key of every section, then writes a
// key into each section read: the written file must read the key back.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = QStringLiteral("fuzz.ini");
  TIniFile ini(path, FuzzBytes(data, size));
  const QString key = QStringLiteral("写入键");
  const QString value = QStringLiteral("值 = \"1\"");
  for (const QString& section : ini.Sections()) {
    ini.IsDamaged(section);
    for (const QString& name : ini.Keys(section)) ini.ReadString(section, name);
    try {
      ini.WriteString(section, key, value);
    } catch (const std::invalid_argument&) {
      continue;  // a section name that no header line can hold
    }
    FuzzRequire(TIniFile(path, ini.Bytes()).ReadString(section, key) == value,
                "a key written into a section reads back");
  }
  return 0;
}
