#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <mutex>

struct TLoggedRequest {
  QByteArray Method;
  QByteArray Path;   // raw, without the query
  QByteArray Query;  // raw, without "?"
  QList<QPair<QByteArray, QByteArray>> Headers;
  QByteArray Body;

  // The first header of that name (case-insensitive); empty when absent.
  QByteArray Header(const QByteArray& name) const;
};

// The requests received so far, in memory only, oldest first.
class TRequestLog {
 public:
  void Add(TLoggedRequest request);
  void Clear();
  // A JSON array of objects with "method", "path", "query", "headers" (a list of
  // [name, value]) and "body" (base64). Byte strings other than the body are
  // written as Latin-1 text, so that every byte comes back unchanged.
  QByteArray ToJson() const;

 private:
  mutable std::mutex mutex_;
  QList<TLoggedRequest> requests_;
};
