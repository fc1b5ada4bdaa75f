#include "Faults.h"

namespace {

const QStringList kModes{QStringLiteral("error"),    QStringLiteral("certificate"),
                         QStringLiteral("tooclose"), QStringLiteral("busy503"),
                         QStringLiteral("nonxml"),   QStringLiteral("empty"),
                         QStringLiteral("slow"),     QStringLiteral("drop"),
                         QStringLiteral("bare"),     QStringLiteral("notice")};

bool ReadCount(const TFormFields& form, const QByteArray& key, int& value) {
  if (!form.Has(key)) return true;
  bool ok = false;
  value = form.Bytes(key).toInt(&ok);
  return ok && value >= 0;
}

}  // namespace

std::optional<TFault> TFault::FromForm(const TFormFields& form, QString& error) {
  TFault fault;
  fault.Mode = form.Utf8("mode");
  if (!kModes.contains(fault.Mode)) {
    error = QStringLiteral("unknown fault mode \"%1\"").arg(fault.Mode);
    return std::nullopt;
  }
  if (!ReadCount(form, "count", fault.Count) || !ReadCount(form, "delay_ms", fault.DelayMs)) {
    error = QStringLiteral("count and delay_ms must be whole numbers from 0");
    return std::nullopt;
  }
  fault.TxCode = form.Bytes("txcode");
  fault.Code = form.Has("code") ? form.Utf8("code") : QStringLiteral("EBLN0100");
  fault.Message = form.Has("message") ? form.Utf8("message") : QStringLiteral("交易处理失败");
  return fault;
}

void TFaults::Add(const TFault& fault) {
  std::lock_guard lock(mutex_);
  faults_.append(fault);
}

void TFaults::Clear() {
  std::lock_guard lock(mutex_);
  faults_.clear();
}

std::optional<TFault> TFaults::Take(const QByteArray& txCode) {
  std::lock_guard lock(mutex_);
  for (qsizetype i = 0; i < faults_.size(); ++i) {
    TFault& fault = faults_[i];
    if (!fault.TxCode.isEmpty() && fault.TxCode != txCode) continue;
    const TFault taken = fault;
    if (fault.Count > 0 && --fault.Count == 0) faults_.removeAt(i);
    return taken;
  }
  return std::nullopt;
}

TSimReply FaultReply(const TFault& fault, TReplyEncoding encoding) {
  if (fault.Mode == QLatin1String("error")) return ErrorReply(fault.Code, fault.Message, encoding);
  if (fault.Mode == QLatin1String("certificate")) {
    return ErrorReply(QStringLiteral("0130Z1108005"), fault.Message, encoding);
  }
  if (fault.Mode == QLatin1String("tooclose")) {
    return HtmlReply(200,
                     QStringLiteral("<?xml version=\"1.0\" encoding=\"GBK\"?>\n"
                                    "<html><head><title>提示</title></head><body>"
                                    "<p>您两次提交时间间隔太短，请稍后再试。</p></body></html>"));
  }
  if (fault.Mode == QLatin1String("busy503")) {
    return HtmlReply(503,
                     QStringLiteral("<html><body><h1>503</h1>Service Unavailable</body></html>"));
  }
  if (fault.Mode == QLatin1String("nonxml")) {
    return HtmlReply(200, QStringLiteral("<html><body><p>系统维护中<br></body>"));
  }
  if (fault.Mode == QLatin1String("bare"))
    return XmlReply({QStringLiteral("ROOT"), {}, {}}, encoding);
  if (fault.Mode == QLatin1String("notice")) return MissingFileReply();
  return HtmlReply(200, {});  // "empty"
}
