#include "core/ServerPaths.h"

#include <QUrl>

bool TravelsInClear(const QString& serverBaseUrl) {
  const QUrl url(serverBaseUrl.trimmed());
  if (url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0) return false;
  const QString host = url.host().toLower();
  const bool loopback = host == u"localhost" || host.startsWith(QLatin1String("127.")) ||
                        host == u"::1" || host.endsWith(QLatin1String(".localhost"));
  return !loopback;
}
