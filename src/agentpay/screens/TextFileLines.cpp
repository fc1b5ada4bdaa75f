#include "agentpay/screens/TextFileLines.h"

#include <QDir>

#include "core/TextHelpers.h"
#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"
#include "platform/files/FileProblem.h"
#include "platform/prompts/Prompts.h"

std::optional<QStringList> ReadTextFileLines(TPrompts& prompts, const QString& path) {
  const std::optional<QByteArray> bytes = ReadWholeFile(path);
  if (!bytes) {
    prompts.Warning(TPrompts::kSystemCaption,
                    QStringLiteral("无法读取文件%1：%2")
                        .arg(QDir::toNativeSeparators(path), ReadProblemText(path)));
    return std::nullopt;
  }
  return TextLines(codec::FromGbk(*bytes));
}
