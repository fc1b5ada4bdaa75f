#include "FuzzInput.h"
#include "registers/codetables/CodeFileConversion.h"

// Converts the bytes as each kind of code file. A file the converter accepts
// must make a table that reads back with one entry per line: the update
// refuses any other, and the converter promises to refuse it first.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using codetables::TCodeFile;
  const QByteArray text = FuzzBytes(data, size);
  for (const TCodeFile kind : {TCodeFile::Area, TCodeFile::Bank, TCodeFile::Branch}) {
    const std::optional<QByteArray> table = codetables::ConvertCodeFile(kind, text);
    if (table)
      FuzzRequire(codetables::TableEntries(kind, *table) == codetables::CodeFileEntries(text),
                  "a converted code file reads back with one entry a line");
  }
  return 0;
}
