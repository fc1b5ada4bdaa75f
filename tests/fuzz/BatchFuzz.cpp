#include "FuzzInput.h"
#include "batch/documents/BatchFile.h"
#include "batch/documents/BatchLine.h"

// Reads the bytes as a batch text file and as an XML batch file. What either
// reader accepts must read again once written. A batch line settles on the
// second writing (empty codes read back as spaces), the XML file on the first.
namespace {

std::optional<QString> Rewritten(const QString& line, int seqNo) {
  const std::optional<TPayMoneyInfo> doc = ReadBatchLine(line);
  return doc ? std::optional(BatchLine(*doc, seqNo)) : std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = FuzzBytes(data, size);
  int seqNo = 0;
  for (const QString& line : BatchTextLines(bytes)) {
    const std::optional<QString> first = Rewritten(line, ++seqNo);
    if (!first) continue;
    const std::optional<QString> second = Rewritten(*first, seqNo);
    FuzzRequire(second.has_value(), "a written batch line reads again");
    FuzzRequire(Rewritten(*second, seqNo) == second, "a batch line settles when written twice");
  }

  TBatch batch;
  if (!LoadBatchBytes(bytes, batch)) return 0;
  const QByteArray written = BatchFileBytes(batch);
  TBatch again;
  FuzzRequire(LoadBatchBytes(written, again) && BatchFileBytes(again) == written,
              "a batch file read and written reads and writes the same");
  return 0;
}
