#include "agentpay/online/PayPoll.h"

#include <algorithm>

#include "session/transport/GetData.h"

namespace {

constexpr int kShortestWaitMs = 1000;
constexpr int kLongestWaitMs = 60000;

TPollStep StillProcessing(const pugi::xml_node& root) {
  return OptionalText(root, "secNum") == u"1" ? TPollStep::TimedOut : TPollStep::Processing;
}

}  // namespace

QString FileErrorText() {
  return QStringLiteral("文件处理错误，请检查输入内容及文件模板。");
}

int PollWaitMs(const QString& timeOut) {
  bool number = false;
  const qlonglong ms = timeOut.trimmed().toLongLong(&number);
  if (!number) return kShortestWaitMs;
  return int(std::clamp<qlonglong>(ms, kShortestWaitMs, kLongestWaitMs));
}

QByteArray TFilePoll::Body(const TUSER& user) const {
  return FilePollBody(user, request_);
}

TPollStep TFilePoll::Read(const pugi::xml_node& root) {
  if (OptionalText(root, "TDnum").isEmpty()) {
    request_ = ReadFileRequest(root);
    return StillProcessing(root);
  }
  if (OptionalText(root, "FILE_ERROR") == u"1") return TPollStep::FileError;
  result_ = ReadFileResult(root);
  return TPollStep::Completed;
}

QByteArray TDocumentPoll::Body(const TUSER& user) const {
  return DocumentPollBody(user, request_);
}

TPollStep TDocumentPoll::Read(const pugi::xml_node& root) {
  if (OptionalText(root, "Vchr_St").isEmpty()) {
    request_.TimeOut = OptionalText(root, "TimeOut");
    request_.secTimes = OptionalText(root, "secTimes");
    request_.TxnSrlNo = OptionalText(root, "TxnSrlNo");
    return StillProcessing(root);
  }
  result_ = ReadResult(root);
  return TPollStep::Completed;
}
