#include "FuzzInput.h"
#include "batch/submission/BatchUpload.h"
#include "platform/codec/Gbk.h"
#include "session/transport/ResponseError.h"

// Reads the bytes (GBK) as the reply to a batch upload under both trade types,
// and as one failure entry. A reply that cannot be used may only end in
// EResponseError.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = codec::FromGbk(FuzzBytes(data, size));
  for (const qint32 tradeType : {0, 1}) {
    try {
      const TUploadVerdict verdict = ReadUploadReply(text, tradeType, QStringLiteral("95500"));
      FailListFileBytes(verdict.Fails);
    } catch (const EResponseError&) {
    }
  }
  ReadFailBat(text);
  return 0;
}
